// The text of the settings file: reading it into a Settings record and
// writing a record out, byte for byte as the program writes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/ScreenMetrics.h"
#include "files/Settings.h"

// Lines are read at most this many characters at a time.
constexpr size_t settingsPieceLength = 254;

// Stores the value of every line that parses into its field; all other fields
// keep what they hold. Values are taken as read, without range checks.
void parseSettingsText(const std::vector<uint8_t>& bytes, Settings& settings);

// The whole file: a comment line, an empty line, one key per line with CR LF
// line ends, and no line end after the last value. The four window lines are
// left out unless the window lies on the screen.
std::vector<uint8_t> formatSettingsText(const Settings& settings, const ScreenMetrics& screen);

// The window starts within the maximized area and is no larger than it.
bool windowOnScreen(const Settings& settings, const ScreenMetrics& screen);
