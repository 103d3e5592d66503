// Dealing faces to the tiles of the current layout.
#pragma once

struct App;
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

DealReport dealNewGame(App& app);
void resetGameState(GameModel& game);
