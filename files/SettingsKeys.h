// The keys of the settings file in the order in which they are written, each
// bound to its field of one Settings record.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "files/Settings.h"

// How a value is written and read beyond what its field's type says.
enum class SettingKind {
    plain,       // a number (decimal, or "%f" for floats) or a colour
    selectMode,  // the words DARKER (1) and INVERT (0)
    name,        // a quoted file name, upper-cased on reading
    nameOrNone,  // the same, or the bare word none for an empty name
};

// When a line is written.
enum class SettingWritten {
    always,
    windowOnScreen,  // the four window lines, only for a window on the screen
    whenOn,          // the ".lay" line, only when the flag is 1
};

using SettingField = std::variant<uint8_t*, int16_t*, int32_t*, Colour*, float*, std::string*>;

struct SettingKey {
    const char* key;
    SettingField field;
    SettingKind kind = SettingKind::plain;
    SettingWritten written = SettingWritten::always;
};

std::vector<SettingKey> generalSettingKeys(Settings& settings);

#if TAVREK_3D
// Written after the general keys under the comment "; 3D values".
std::vector<SettingKey> settingKeys3D(Settings& settings);
#endif
