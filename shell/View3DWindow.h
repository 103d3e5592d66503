// The window OpenGL draws in: a hidden window of its own, the size of the
// board area. Each frame is read back and shown in the main window with the
// same copy as a 2D frame, so no GL surface ever covers the toolbar, the
// status bar or the 2D board (under Wine a window's GL surface hides every
// GDI drawing beneath it, and a child window's does not show at all).
#pragma once

#include <windows.h>

#if TAVREK_3D

HWND createView3DWindow(HINSTANCE instance, HWND mainWindow);
// The window follows the board area; it stays hidden.
void sizeView3DWindow(HWND window, int width, int height);

#endif
