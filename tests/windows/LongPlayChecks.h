// What long play checks after every step and compares between its start and
// its end: the board's figures against each other, the objects and memory
// the program holds.
#pragma once

#include <windows.h>

#include <string>

#include "engine/BoardModel.h"
#include "shell/GuiObjects.h"

// "" when tiles left, tile cells, free flags, the move list and the selection
// agree with the tiles themselves, else the first disagreement. A running
// demonstration leaves free flags and the move list as they were between its
// moves; `demonstrating` skips what it may leave behind.
std::string boardInconsistency(const GameModel& game, bool demonstrating);

struct ResourceSample {
    GuiObjectCounts objects;
    // What Windows says the process holds; 0 where the system does not answer.
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
    SIZE_T workingSet = 0;
};

ResourceSample takeResourceSample();
std::string describe(const ResourceSample& sample);
