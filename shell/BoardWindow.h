// The 2D board area inside the main window: its size, the board bitmap and
// the one copy of a finished frame to the window.
#pragma once

#include <cstdint>

// The board area: the main window's client area between the toolbar and the status bar.
struct BoardArea {
    int width;
    int height;
};
BoardArea boardArea();

// A board bitmap of the current board area (window creation).
void makeWindowBoardBitmap();
// WM_SIZE: the status bar moves to the bottom, the tile set, background and
// board bitmap follow the new board area, and so do the 3D view's window and
// viewport; the toolbar sizes itself.
void resizeBoardWindow();
#if TAVREK_3D
// The 3D view's window at the size of the board area.
void placeView3DWindow();
#endif
void releaseBoardBitmaps();
// Copies a composed frame to the window at (0, toolbar height).
void blitFrame(const uint32_t* pixels, int width, int height);
