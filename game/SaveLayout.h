// The SAVE_LAYOUT command: the tile positions of the current layout to a
// layout file of the player's choice, which becomes the current layout.
#pragma once

struct App;

// True when the player chose a file; the caller then lists it in the menus
// and moves the check mark to it. The board, the deal and the hall of fame
// in memory stay as they are.
bool saveLayoutAs(App& app);
