// Taking a pair off the board, as a move the player can undo.
#pragma once

#include "engine/BoardModel.h"

bool isTile(int tile);

// The tile leaves the grid and loses its face.
void takeOffBoard(GameModel& game, int tile);

// Records the pair in the undo list and takes both tiles off the board. A
// pair that is no two tiles, or an undo list already full, changes nothing.
void removePair(GameModel& game, int first, int second);
