// The window that lends the 3D view's context its pixel format: hidden, the
// size of the board area, never drawn into. Frames are drawn off screen in
// a surface of the same size, read back and shown in the main window with
// the same copy as a 2D frame, so no GL surface ever covers the toolbar, the
// status bar or the 2D board (under Wine a window's GL surface hides every
// GDI drawing beneath it, and a child window's does not show at all).
#pragma once

#include <windows.h>

#if TAVREK_3D

HWND createView3DWindow(HINSTANCE instance, HWND mainWindow);
// The window and the off-screen surface follow the board area; the window
// stays hidden.
void sizeView3DWindow(HWND window, int width, int height);

#endif
