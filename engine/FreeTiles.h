// The two rules of the game: which tiles are free, which two tiles match,
// and the list of every pair of free matching tiles.
#pragma once

#include "engine/BoardModel.h"

void computeFreeTiles(GameModel& game);
bool tilesMatch(const GameModel& game, int a, int b);
// With stopEarly the list ends once it holds more than pairSearchLimit pairs.
void buildMoveList(GameModel& game, bool stopEarly, int pairSearchLimit);
