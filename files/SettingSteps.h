// How the options dialogs change the look and timing settings: each value
// moves in fixed steps between its bounds and is shown in its own form, and
// each colour button names one colour setting.
#pragma once

#include <string>

#include "files/LanguageTable.h"
#include "files/Settings.h"

// A value the "+" and "-" buttons of a configuration dialog change.
enum class SteppedValue {
    autoPlaySleep,
    removeTileTime,
    borderSize,
    shadowSize,
#if TAVREK_3D
    stepRotation,
#endif
};

// One step up or down: delays by 100 ms down to 0 and up without bound (but
// never past overflow), sizes by 1 within 2 to 10, the 3D step by 1 within
// 1 to 255. A value outside its bounds (as a settings file may hold it)
// stays until a step brings it inside; "+" on one below the bounds goes
// straight to the lowest. So no button makes a size a zero or negative
// divisor; the tile set's preparation still guards against one read from
// the file.
void stepValue(Settings& settings, SteppedValue value, bool up);

// "500 milliseconds" for a delay, "1 / 8" for a size, a whole number for the
// 3D step.
std::string valueText(const Settings& settings, SteppedValue value, const LanguageTable& language);

// A colour a colours dialog lets the player choose.
enum class ColourSetting {
    background,
    sides,
#if TAVREK_3D
    level0,
    level1,
    level2,
    level3,
    level4,
    symbols0,
    symbols1,
    symbols2,
    symbols3,
    selection,
#endif
};

Colour& colourSetting(Settings& settings, ColourSetting which);
