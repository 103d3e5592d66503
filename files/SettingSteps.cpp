#include "files/SettingSteps.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

constexpr int32_t delayStep = 100;
constexpr int16_t smallestSize = 2;
constexpr int16_t largestSize = 10;

// No upper bound but the type's own: "+" stops short of an overflow.
void stepDelay(int32_t& delay, bool up) {
    if (up && delay <= std::numeric_limits<int32_t>::max() - delayStep) delay += delayStep;
    if (!up && delay >= delayStep) delay -= delayStep;
}

// "+" on a size below the range (a settings file may hold 0 or less) goes
// straight to the smallest size, so it never passes through a zero divisor.
void stepSize(int16_t& size, bool up) {
    if (up && size < smallestSize) size = smallestSize;
    else if (up && size < largestSize) ++size;
    if (!up && size > smallestSize) --size;
}

#if TAVREK_3D
constexpr float smallestStep = 1;
constexpr float largestStep = 255;

// As for the sizes, "+" brings a step below the range (or not a number at
// all) straight to the smallest step, so a camera command always moves.
void stepRotationStep(float& step, bool up) {
    if (up && !(step >= smallestStep)) step = smallestStep;
    else if (up && step < largestStep) step += 1;
    if (!up && step > smallestStep) step -= 1;
}

// Truncated toward zero; printed as a float, so a huge or undefined value
// read from the file shows as it is instead of overflowing an integer.
std::string wholeNumberText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", std::trunc(double(value)));
    return text;
}
#endif

std::string delayText(int32_t delay, const LanguageTable& language) {
    return std::to_string(delay) + " " + language.MILLISECONDS;
}

std::string sizeText(int16_t size) { return "1 / " + std::to_string(size); }

}  // namespace

void stepValue(Settings& settings, SteppedValue value, bool up) {
    switch (value) {
        case SteppedValue::autoPlaySleep: stepDelay(settings.AutoPlaySleep, up); break;
        case SteppedValue::removeTileTime: stepDelay(settings.RemoveTileTime, up); break;
        case SteppedValue::borderSize: stepSize(settings.BorderSize, up); break;
        case SteppedValue::shadowSize: stepSize(settings.ShadowSize, up); break;
#if TAVREK_3D
        case SteppedValue::stepRotation: stepRotationStep(settings.StepRotation, up); break;
#endif
    }
}

std::string valueText(const Settings& settings, SteppedValue value, const LanguageTable& language) {
    switch (value) {
        case SteppedValue::autoPlaySleep: return delayText(settings.AutoPlaySleep, language);
        case SteppedValue::removeTileTime: return delayText(settings.RemoveTileTime, language);
        case SteppedValue::borderSize: return sizeText(settings.BorderSize);
        case SteppedValue::shadowSize: return sizeText(settings.ShadowSize);
#if TAVREK_3D
        case SteppedValue::stepRotation: return wholeNumberText(settings.StepRotation);
#endif
    }
    return "";
}

Colour& colourSetting(Settings& settings, ColourSetting which) {
    switch (which) {
        case ColourSetting::background: return settings.BackgroundColor;
        case ColourSetting::sides: return settings.SidesColor;
#if TAVREK_3D
        case ColourSetting::level0: return settings.RGBLevel[0];
        case ColourSetting::level1: return settings.RGBLevel[1];
        case ColourSetting::level2: return settings.RGBLevel[2];
        case ColourSetting::level3: return settings.RGBLevel[3];
        case ColourSetting::level4: return settings.RGBLevel[4];
        case ColourSetting::symbols0: return settings.RGBVal[0];
        case ColourSetting::symbols1: return settings.RGBVal[1];
        case ColourSetting::symbols2: return settings.RGBVal[2];
        case ColourSetting::symbols3: return settings.RGBVal[3];
        case ColourSetting::selection: return settings.SelectColor;
#endif
    }
    return settings.BackgroundColor;
}
