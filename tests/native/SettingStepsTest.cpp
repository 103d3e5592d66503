// The steps by which the options dialogs change settings, the texts that
// show them, and the colour setting behind each colour button.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "files/SettingSteps.h"
#include "files/SettingsKeys.h"

namespace {

// Presses a button `times` times.
void press(Settings& settings, SteppedValue value, bool up, int times = 1) {
    for (int i = 0; i < times; ++i) stepValue(settings, value, up);
}

LanguageTable englishWords() {
    LanguageTable language;
    language.MILLISECONDS = "milliseconds";
    return language;
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

TEST(SettingSteps, DelaysMoveByAHundredAndNeverBelowZero) {
    Settings settings;
    settings.AutoPlaySleep = 50;
    press(settings, SteppedValue::autoPlaySleep, false);
    EXPECT_EQ(settings.AutoPlaySleep, 50);
    press(settings, SteppedValue::autoPlaySleep, true);
    EXPECT_EQ(settings.AutoPlaySleep, 150);

    settings.RemoveTileTime = 500;
    press(settings, SteppedValue::removeTileTime, false, 5);
    EXPECT_EQ(settings.RemoveTileTime, 0);
    press(settings, SteppedValue::removeTileTime, false);
    EXPECT_EQ(settings.RemoveTileTime, 0);
    press(settings, SteppedValue::removeTileTime, true, 30);
    EXPECT_EQ(settings.RemoveTileTime, 3000);
    EXPECT_EQ(settings.AutoPlaySleep, 150) << "each row changes its own delay";
}

TEST(SettingSteps, ADelayReadOutOfRangeStaysUntilAButtonMovesIt) {
    Settings settings;
    settings.AutoPlaySleep = -250;
    press(settings, SteppedValue::autoPlaySleep, false);
    EXPECT_EQ(settings.AutoPlaySleep, -250);
    press(settings, SteppedValue::autoPlaySleep, true, 3);
    EXPECT_EQ(settings.AutoPlaySleep, 50);

    const int32_t largest = std::numeric_limits<int32_t>::max();
    settings.RemoveTileTime = largest - 20;
    press(settings, SteppedValue::removeTileTime, true);
    EXPECT_EQ(settings.RemoveTileTime, largest - 20) << "no overflow into a negative delay";
    press(settings, SteppedValue::removeTileTime, false);
    EXPECT_EQ(settings.RemoveTileTime, largest - 120);
}

TEST(SettingSteps, SizesStayWithinTwoToTen) {
    for (SteppedValue size : {SteppedValue::borderSize, SteppedValue::shadowSize}) {
        Settings settings;
        settings.BorderSize = 10;
        settings.ShadowSize = 10;
        press(settings, size, true);
        EXPECT_EQ(size == SteppedValue::borderSize ? settings.BorderSize : settings.ShadowSize, 10);
        press(settings, size, false, 20);
        EXPECT_EQ(size == SteppedValue::borderSize ? settings.BorderSize : settings.ShadowSize, 2);
        press(settings, size, true, 3);
        EXPECT_EQ(settings.BorderSize, size == SteppedValue::borderSize ? 5 : 10);
        EXPECT_EQ(settings.ShadowSize, size == SteppedValue::shadowSize ? 5 : 10);
    }
}

TEST(SettingSteps, NoButtonTurnsASizeReadFromTheFileIntoAZeroDivisor) {
    Settings settings;
    settings.BorderSize = -1;
    settings.ShadowSize = 0;
    press(settings, SteppedValue::borderSize, false);
    press(settings, SteppedValue::shadowSize, false);
    EXPECT_EQ(settings.BorderSize, -1);
    EXPECT_EQ(settings.ShadowSize, 0);
    press(settings, SteppedValue::borderSize, true);
    press(settings, SteppedValue::shadowSize, true);
    EXPECT_EQ(settings.BorderSize, 2);
    EXPECT_EQ(settings.ShadowSize, 2);

    settings.BorderSize = 40;
    press(settings, SteppedValue::borderSize, true);
    EXPECT_EQ(settings.BorderSize, 40);
    press(settings, SteppedValue::borderSize, false);
    EXPECT_EQ(settings.BorderSize, 39);
}

TEST(SettingSteps, ValuesAreShownInTheirOwnForms) {
    const LanguageTable language = englishWords();
    Settings settings;
    settings.AutoPlaySleep = 700;
    settings.RemoveTileTime = -40;
    settings.BorderSize = 10;
    settings.ShadowSize = 3;
    EXPECT_EQ(valueText(settings, SteppedValue::autoPlaySleep, language), "700 milliseconds");
    EXPECT_EQ(valueText(settings, SteppedValue::removeTileTime, language), "-40 milliseconds");
    EXPECT_EQ(valueText(settings, SteppedValue::borderSize, language), "1 / 10");
    press(settings, SteppedValue::borderSize, false);
    EXPECT_EQ(valueText(settings, SteppedValue::borderSize, language), "1 / 9");
    EXPECT_EQ(valueText(settings, SteppedValue::shadowSize, language), "1 / 3");
}

#if TAVREK_3D
TEST(SettingSteps, TheThreeDStepStaysWithinOneTo255) {
    Settings settings;
    settings.StepRotation = 254.5f;
    press(settings, SteppedValue::stepRotation, true);
    EXPECT_FLOAT_EQ(settings.StepRotation, 255.5f);
    press(settings, SteppedValue::stepRotation, true);
    EXPECT_FLOAT_EQ(settings.StepRotation, 255.5f);
    settings.StepRotation = 2;
    press(settings, SteppedValue::stepRotation, false, 5);
    EXPECT_FLOAT_EQ(settings.StepRotation, 1);

    settings.StepRotation = -3;
    press(settings, SteppedValue::stepRotation, true);
    EXPECT_FLOAT_EQ(settings.StepRotation, 1);
    settings.StepRotation = std::nanf("");
    press(settings, SteppedValue::stepRotation, true);
    EXPECT_FLOAT_EQ(settings.StepRotation, 1);
}

TEST(SettingSteps, TheThreeDStepIsShownTruncatedEvenWhenHuge) {
    const LanguageTable language = englishWords();
    Settings settings;
    settings.StepRotation = 5.9f;
    EXPECT_EQ(valueText(settings, SteppedValue::stepRotation, language), "5");
    settings.StepRotation = -2.7f;
    EXPECT_EQ(valueText(settings, SteppedValue::stepRotation, language), "-2");
    settings.StepRotation = 1e20f;
    EXPECT_EQ(valueText(settings, SteppedValue::stepRotation, language), "100000002004087734272");
}
#endif

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
