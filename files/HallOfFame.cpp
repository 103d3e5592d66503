#include "files/HallOfFame.h"

#include "engine/App.h"

// Scores are kept once the hall-of-fame file format lands.
void loadHallOfFame(App&) {}
