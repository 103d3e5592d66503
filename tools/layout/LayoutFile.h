// A layout file read the way the game reads it: the mask from the file's
// bytes, then the tiles numbered and ordered by the engine.
#pragma once

#include <string>

#include "engine/BoardModel.h"
#include "engine/Layout.h"
#include "files/LayoutFormats.h"

struct LayoutSummary {
    LayoutFormat format = LayoutFormat::line;
    int marks = 0;  // marked cells of the mask
    int tiles = 0;  // tiles numbered from them
};

// Clears `game`, reads the file into its mask and numbers the tiles. False,
// with a message on stderr, when the file cannot be read.
bool readLayoutFile(const std::string& path, bool grid, GameModel& game, LayoutSummary& summary);

// A layout the game can play: 144 marks, all of them numbered, and every tile
// owning its own four cells (no two tiles of one layer overlap).
bool layoutIsPlayable(const GameModel& game);

const char* formatName(LayoutFormat format);
