// Dealing faces to the tiles of the current layout.
#pragma once

#include <functional>

struct GameModel;

// The removal phase of a solvable deal gives up after this many attempts and
// a random deal is made instead, so that no layout can hang the program. The
// shipped layouts need at most a handful of attempts; a layout that can never
// be cleared (overlapping tiles, say) costs about two seconds before it gives up.
constexpr int maxRemovalAttempts = 1000;

struct DealReport {
    int removalAttempts = 0;   // attempts of the removal phase (0 for a random deal)
    bool fellBack = false;     // the solvable deal gave up and dealt at random
};

// Every step of a deal seeds the random generator afresh from this source.
using SeedSource = std::function<unsigned()>;

// Deals the faces to the numbered tiles of the layout (the others stand
// nowhere and get none): a solvable deal when `solvable`, else a random one.
DealReport dealTiles(GameModel& game, bool solvable, int pairSearchLimit, const SeedSource& seed);
void resetGameState(GameModel& game);

// The board's removal order clears it: every pair in turn two free matching
// tiles. Only a solvable deal's order does; a deal that fell back to random
// faces keeps the order of its last failed attempt.
bool removalOrderClears(GameModel game);
