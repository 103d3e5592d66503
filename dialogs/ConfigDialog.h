// The configuration dialog of the 2D view: delays, side and shadow sizes,
// the selected tile's look and the stretching of the tiles.
#pragma once

#include <windows.h>

struct App;

// Opens the configuration dialog of the view shown.
void showConfigDialog(HINSTANCE instance, HWND owner, App& app);

INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);
