// The 2D board view: tile placement, shadows, frame composition, hit testing.
#pragma once

#include <cstdint>

struct App;

struct BoardView {
    // Intermediate frames the removal fade may use, measured by every redraw.
    int32_t fadeSteps = 0;
};

void layoutTiles(App& app);
void computeShadowFlags(App& app);
// Composes one frame with tiles a and b fading by the two weights, shows it
// and refreshes the status bar.
void redraw2D(App& app, int fadingA, int fadingB, int16_t weight1, int16_t weight2);
// The redraw used everywhere: draws the active view and measures fadeSteps.
void redrawBoard(App& app);
// The tile under a client-area position, or noTile.
int tileAt2D(const App& app, int x, int y);
