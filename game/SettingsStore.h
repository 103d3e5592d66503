// Loading the settings at start-up and storing them when the program closes.
#pragma once

#include <cstdint>

struct App;

// The main window's outer rectangle when the program closes, in screen
// pixels, as the shell measures it (right and bottom exclusive).
struct WindowRectangle {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Reads the settings file (or takes the defaults when there is none), repairs
// the file names against the data directories and loads the language file.
// The `Language` the record holds beforehand is used when the file lacks one.
// False, after a stop message, when no language file, layout or tile set can
// be found: the program must end before any window opens.
bool loadSettings(App& app);

// Stores the window rectangle into the window fields and writes the whole
// file through a temporary file moved over the old one. A failure is shown to
// the player, and the old file stays as it was.
bool saveSettings(App& app, const WindowRectangle& outer);
