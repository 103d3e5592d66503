// Drawing the board as it stands, with the status bar to go with it.
#pragma once

struct App;

// The redraw used everywhere: draws the active view, measures the fade
// steps and posts the status text.
void redrawBoard(App& app);
