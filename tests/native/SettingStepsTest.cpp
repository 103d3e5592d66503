// The steps by which the options dialogs change settings, the texts that
// show them, and the colour setting behind each colour button.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "files/SettingSteps.h"
#include "files/SettingsKeys.h"

namespace {

const std::vector<SteppedValue> allValues = {SteppedValue::autoPlaySleep, SteppedValue::removeTileTime,
                                             SteppedValue::borderSize, SteppedValue::shadowSize,
#if TAVREK_3D
                                             SteppedValue::stepRotation,
#endif
};

void setValue(Settings& settings, SteppedValue value, double to) {
    switch (value) {
        case SteppedValue::autoPlaySleep: settings.AutoPlaySleep = int32_t(to); break;
        case SteppedValue::removeTileTime: settings.RemoveTileTime = int32_t(to); break;
        case SteppedValue::borderSize: settings.BorderSize = int16_t(to); break;
        case SteppedValue::shadowSize: settings.ShadowSize = int16_t(to); break;
#if TAVREK_3D
        case SteppedValue::stepRotation: settings.StepRotation = float(to); break;
#endif
    }
}

// The settings-file key whose field is `colour`, or "" when none is.
std::string keyOfColour(Settings& settings, const Colour* colour) {
    std::vector<SettingKey> keys = generalSettingKeys(settings);
#if TAVREK_3D
    for (SettingKey& key : settingKeys3D(settings)) keys.push_back(key);
#endif
    for (const SettingKey& key : keys) {
        const Colour* const* field = std::get_if<Colour*>(&key.field);
        if (field != nullptr && *field == colour) return key.key;
    }
    return "";
}

}  // namespace

// One press of "+" or "-" on a value, and the value as the dialog shows it
// afterwards; every other value stays as it was.
TEST(SettingSteps, OnePressAndTheValueShown) {
    struct Press {
        SteppedValue value;
        double from;
        bool up;
        const char* shown;
    };
    const double largest = INT32_MAX;
    const Press presses[] = {
        // Delays move by a hundred, never below zero, never past overflow.
        {SteppedValue::autoPlaySleep, 50, false, "50 milliseconds"},
        {SteppedValue::autoPlaySleep, 50, true, "150 milliseconds"},
        {SteppedValue::autoPlaySleep, 100, false, "0 milliseconds"},
        {SteppedValue::removeTileTime, 0, false, "0 milliseconds"},
        {SteppedValue::removeTileTime, 2900, true, "3000 milliseconds"},
        // A delay read out of range stays until a button moves it back.
        {SteppedValue::autoPlaySleep, -250, false, "-250 milliseconds"},
        {SteppedValue::autoPlaySleep, -250, true, "-150 milliseconds"},
        {SteppedValue::removeTileTime, largest - 99, true, "2147483548 milliseconds"},
        {SteppedValue::removeTileTime, largest - 100, true, "2147483647 milliseconds"},
        {SteppedValue::removeTileTime, largest - 20, false, "2147483527 milliseconds"},
        // Sizes stay within two to ten; "+" on a size read as 0 or less goes straight to
        // two, so no button makes a zero divisor.
        {SteppedValue::borderSize, 10, true, "1 / 10"},
        {SteppedValue::borderSize, 9, true, "1 / 10"},
        {SteppedValue::borderSize, 10, false, "1 / 9"},
        {SteppedValue::shadowSize, 2, false, "1 / 2"},
        {SteppedValue::shadowSize, 3, false, "1 / 2"},
        {SteppedValue::shadowSize, 0, false, "1 / 0"},
        {SteppedValue::shadowSize, 0, true, "1 / 2"},
        {SteppedValue::borderSize, -1, false, "1 / -1"},
        {SteppedValue::borderSize, -1, true, "1 / 2"},
        {SteppedValue::borderSize, 1, true, "1 / 2"},
        {SteppedValue::borderSize, 40, true, "1 / 40"},
        {SteppedValue::borderSize, 40, false, "1 / 39"},
#if TAVREK_3D
        // The 3D step stays within 1 to 255 and shows truncated, even when huge.
        {SteppedValue::stepRotation, 254, true, "255"},
        {SteppedValue::stepRotation, 255, true, "255"},
        {SteppedValue::stepRotation, 254.5, true, "255"},
        {SteppedValue::stepRotation, 2, false, "1"},
        {SteppedValue::stepRotation, 1, false, "1"},
        {SteppedValue::stepRotation, -3, true, "1"},
        {SteppedValue::stepRotation, std::nan(""), true, "1"},
        {SteppedValue::stepRotation, 5.9, true, "6"},
        {SteppedValue::stepRotation, -2.7, false, "-2"},
        {SteppedValue::stepRotation, 1e20, false, "100000002004087734272"},
#endif
    };
    LanguageTable language;
    language.MILLISECONDS = "milliseconds";
    for (const Press& p : presses) {
        Settings settings;
        std::vector<std::string> before;
        for (SteppedValue v : allValues) {
            setValue(settings, v, 4 + int(v));
            before.push_back(valueText(settings, v, language));
        }
        setValue(settings, p.value, p.from);
        stepValue(settings, p.value, p.up);
        EXPECT_EQ(valueText(settings, p.value, language), p.shown) << p.from << (p.up ? " +" : " -");
        for (size_t i = 0; i < allValues.size(); ++i) {
            if (allValues[i] == p.value) continue;
            EXPECT_EQ(valueText(settings, allValues[i], language), before[i]);
        }
    }
}

TEST(SettingSteps, EachColourButtonNamesItsOwnSetting) {
    const std::vector<std::pair<ColourSetting, std::string>> expected = {
        {ColourSetting::background, "BackgroundColor"},
        {ColourSetting::sides, "SidesColor"},
#if TAVREK_3D
        {ColourSetting::level0, "RGBLevel[0]Color"},
        {ColourSetting::level1, "RGBLevel[1]Color"},
        {ColourSetting::level2, "RGBLevel[2]Color"},
        {ColourSetting::level3, "RGBLevel[3]Color"},
        {ColourSetting::level4, "RGBLevel[4]Color"},
        {ColourSetting::symbols0, "RGBVal[0]Color"},
        {ColourSetting::symbols1, "RGBVal[1]Color"},
        {ColourSetting::symbols2, "RGBVal[2]Color"},
        {ColourSetting::symbols3, "RGBVal[3]Color"},
        {ColourSetting::selection, "SelectColor"},
#endif
    };
    Settings settings;
    for (const auto& [setting, key] : expected)
        EXPECT_EQ(keyOfColour(settings, &colourSetting(settings, setting)), key);
}
