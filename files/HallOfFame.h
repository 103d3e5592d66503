// The ten best times of each layout.
#pragma once

struct App;

// Loads the hall of fame of the current layout.
void loadHallOfFame(App& app);
