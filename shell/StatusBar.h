// The status bar at the foot of the main window, sized for the window's DPI.
#pragma once

#include <windows.h>

// Makes the status bar, in place of the one there was, with the status font
// of the window's DPI, and measures its height.
void createStatusBar(HWND window);
void releaseStatusFont();
