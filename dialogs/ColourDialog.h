// The colours dialog of the 2D view: the board background and the tiles' sides.
#pragma once

#include <windows.h>

struct App;

// Opens the colours dialog of the view shown.
void showColourDialog(HINSTANCE instance, HWND owner, App& app);

INT_PTR CALLBACK colourDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);
