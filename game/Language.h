// The language the settings name, read into the language table.
#pragma once

struct App;

// Reads the file the Language setting names, sets the help page and has the
// status text recomposed. False when the file cannot be read; the slots then
// keep what they held.
bool loadLanguage(App& app);
