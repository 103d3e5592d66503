// Playing a deal's removal order back on a copy of the board.
#pragma once

#include "engine/BoardModel.h"

// True when every pair of the removal order, taken in turn, is two free
// matching tiles and the board ends empty.
bool replayRemovalOrder(GameModel game);
