// The saved-game file: the board model, the hall of fame of the moment and
// the game's counters and clock, 9445 bytes, little-endian, no header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/BoardModel.h"
#include "files/HallOfFame.h"
#include "files/TextEncoding.h"

constexpr size_t savedGameBytes = 9445;

struct SavedGame {
    std::array<TileRecord, tileCount> tiles;
    BoardGrid boardGrid;
    LayoutMask layoutMask;
    // All 73 slots, those beyond movesMade as they stood in memory.
    std::array<UndoRecord, undoSlots> undoList;
    HallOfFame hallOfFame;  // entries 0 to 9
    int16_t tilesLeft;
    int16_t movesMade;
    int16_t selectedTile;
    int32_t elapsedSeconds;
};

// What a saved game keeps of the model and of the current hall of fame.
SavedGame savedGameOf(const GameModel& game, const HallOfFame& hallOfFame);
// Puts a saved game into the model; the state's other fields are the caller's.
void restoreSavedGame(const SavedGame& saved, GameModel& game, HallOfFame& hallOfFame);

std::vector<uint8_t> encodeSavedGame(const SavedGame& saved);
// Reads exactly savedGameBytes bytes, then checks the whole game before
// handing it over: a file of another length or with a field no game of this
// program holds is refused, and `saved` is left as it was. Names are read
// as in the hall-of-fame file.
bool decodeSavedGame(const uint8_t* bytes, size_t size, AnsiToUtf8 ansiToUtf8, SavedGame& saved);

// True when every field lies in its range and agrees with the board, so the
// game can address the model with it.
bool savedGameIsConsistent(const SavedGame& saved);
