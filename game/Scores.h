// The current layout's hall of fame on disk.
#pragma once

struct App;

// Loads the current layout's table: the default one when the file is missing,
// and after a warning when it is damaged (which stays on disk untouched).
void loadHallOfFame(App& app);
// Writes the kept entries to the current layout's file.
void saveHallOfFame(App& app);
