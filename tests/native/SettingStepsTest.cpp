// The steps by which the options dialogs change settings, the texts that
// show them, and the colour setting behind each colour button.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "files/SettingSteps.h"
#include "files/SettingsKeys.h"

using V = SteppedValue;

static void setValue(Settings& settings, V value, double to) {
    switch (value) {
        case V::autoPlaySleep: settings.AutoPlaySleep = int32_t(to); break;
        case V::removeTileTime: settings.RemoveTileTime = int32_t(to); break;
        case V::borderSize: settings.BorderSize = int16_t(to); break;
        case V::shadowSize: settings.ShadowSize = int16_t(to); break;
#if TAVREK_3D
        case V::stepRotation: settings.StepRotation = float(to); break;
#endif
    }
}

// One press of "+" or "-" on a value, and the value as the dialog shows it
// afterwards; every other value stays as it was.
TEST(SettingSteps, OnePressAndTheValueShown) {
    const double largest = INT32_MAX;
    const struct { V value; double from; bool up; const char* shown; } presses[] = {
        // Delays move by a hundred, never below zero, never past overflow; one
        // read out of range stays until a button moves it back.
        {V::autoPlaySleep, 50, false, "50 milliseconds"},   {V::autoPlaySleep, 50, true, "150 milliseconds"},
        {V::autoPlaySleep, 100, false, "0 milliseconds"},   {V::removeTileTime, 0, false, "0 milliseconds"},
        {V::removeTileTime, 2900, true, "3000 milliseconds"}, {V::autoPlaySleep, -250, false, "-250 milliseconds"},
        {V::autoPlaySleep, -250, true, "-150 milliseconds"},
        {V::removeTileTime, largest - 99, true, "2147483548 milliseconds"},
        {V::removeTileTime, largest - 100, true, "2147483647 milliseconds"},
        {V::removeTileTime, largest - 20, false, "2147483527 milliseconds"},
        // Sizes stay within two to ten; "+" on a size read as 0 or less goes straight to
        // two, so no button makes a zero divisor.
        {V::borderSize, 10, true, "1 / 10"}, {V::borderSize, 9, true, "1 / 10"},   {V::borderSize, 10, false, "1 / 9"},
        {V::shadowSize, 2, false, "1 / 2"},  {V::shadowSize, 3, false, "1 / 2"},   {V::shadowSize, 0, false, "1 / 0"},
        {V::shadowSize, 0, true, "1 / 2"},   {V::borderSize, -1, false, "1 / -1"}, {V::borderSize, -1, true, "1 / 2"},
        {V::borderSize, 1, true, "1 / 2"},   {V::borderSize, 40, true, "1 / 40"},  {V::borderSize, 40, false, "1 / 39"},
#if TAVREK_3D
        // The 3D step stays within 1 to 255 and shows truncated, even when huge.
        {V::stepRotation, 254, true, "255"}, {V::stepRotation, 255, true, "255"}, {V::stepRotation, 254.5, true, "255"},
        {V::stepRotation, 2, false, "1"},    {V::stepRotation, 1, false, "1"},    {V::stepRotation, -3, true, "1"},
        {V::stepRotation, std::nan(""), true, "1"}, {V::stepRotation, 5.9, true, "6"},
        {V::stepRotation, -2.7, false, "-2"}, {V::stepRotation, 1e20, false, "100000002004087734272"},
#endif
    };
    const int values = 4 + TAVREK_3D;
    LanguageTable language;
    language.MILLISECONDS = "milliseconds";
    const auto shown = [&](const Settings& settings) {
        std::vector<std::string> texts;
        for (int v = 0; v < values; ++v) texts.push_back(valueText(settings, V(v), language));
        return texts;
    };
    for (const auto& p : presses) {
        Settings settings;
        for (int v = 0; v < values; ++v) setValue(settings, V(v), 4 + v);
        setValue(settings, p.value, p.from);
        std::vector<std::string> expected = shown(settings);
        expected[size_t(p.value)] = p.shown;
        stepValue(settings, p.value, p.up);
        EXPECT_EQ(shown(settings), expected) << p.from << (p.up ? " +" : " -");
    }
}

// The colour settings in the order of the buttons, each named by its key.
TEST(SettingSteps, EachColourButtonNamesItsOwnSetting) {
    Settings settings;
    std::vector<SettingKey> keys = generalSettingKeys(settings);
    std::vector<std::string> named, expected = {"BackgroundColor", "SidesColor"};
#if TAVREK_3D
    for (SettingKey& key : settingKeys3D(settings)) keys.push_back(key);
    expected.insert(expected.end(), {"RGBLevel[0]Color", "RGBLevel[1]Color", "RGBLevel[2]Color", "RGBLevel[3]Color",
                                     "RGBLevel[4]Color", "RGBVal[0]Color", "RGBVal[1]Color", "RGBVal[2]Color",
                                     "RGBVal[3]Color", "SelectColor"});
#endif
    for (size_t button = 0; button < expected.size(); ++button)
        for (const SettingKey& key : keys) {
            const Colour* const* field = std::get_if<Colour*>(&key.field);
            if (field != nullptr && *field == &colourSetting(settings, ColourSetting(button))) named.push_back(key.key);
        }
    EXPECT_EQ(named, expected);
}
