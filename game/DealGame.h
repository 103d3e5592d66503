// A new deal on the current layout, shown with the layout's name in the title.
#pragma once

#include "engine/Deal.h"

struct App;

// A layout loaded with a saved game is read again first. EasyMode chooses a
// solvable deal; every step is seeded from the host's calendar clock.
DealReport dealNewGame(App& app);
