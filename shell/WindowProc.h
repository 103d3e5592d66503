// The main window's procedure: every input becomes a command or a view change.
#pragma once

#include <windows.h>

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM first, LPARAM second);
