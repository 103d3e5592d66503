// The window's scaling changes: it was moved to a screen of another DPI, or
// the player changed the screen's scaling.
#pragma once

#include <windows.h>

// WM_DPICHANGED: takes the rectangle Windows suggests (the second parameter)
// and remakes everything sized for the old DPI, then redraws.
void dpiChanged(HWND window, LPARAM suggested);
