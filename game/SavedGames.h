// The SAVE_GAME and LOAD_GAME commands: the game in progress to a file of
// the SAVEGAME directory, and back.
#pragma once

struct App;

// Asks for a name and writes the game there (through a temporary file, so a
// failed write leaves an earlier save whole).
void saveGame(App& app);

// Asks for a name and replaces the game in progress by the file's, which is
// checked whole first: a file this program did not write changes nothing.
// The board is recomputed and redrawn whatever the outcome. Called without
// the game lock: a demonstration is ended first, and its worker needs the
// lock to finish.
void loadGame(App& app);
