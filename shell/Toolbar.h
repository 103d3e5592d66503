// The toolbar of thirteen buttons with tool-tips.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Makes the toolbar for the window's DPI, in place of the one there was.
void createToolbar(HWND window);
// Answers a tool-tip's request for its text from the language table.
void fillToolTip(NMTTDISPINFOW& request);
