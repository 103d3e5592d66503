// The settings file TAVREK32.INI in the start directory: read once before the
// main window exists, written once when it closes.
#pragma once

#include "files/DataDirectories.h"
#include "files/ScreenMetrics.h"
#include "files/Settings.h"

constexpr const char* settingsFileName = "TAVREK32.INI";

// A first run's record: the window fills the maximized area within its
// sizing frame, and a file-list menu page fits the default window height.
Settings defaultSettings(const ScreenMetrics& screen);

// Reads the settings file over the defaults (or keeps the defaults when
// there is none) and repairs the file names against the data directories.
// The `Language` the record holds beforehand is used when the file lacks one.
void readSettings(const DataDirectories& dirs, const ScreenMetrics& screen, Settings& settings);
