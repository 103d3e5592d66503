// The configuration dialog of the 3D view: the automatic player's delay and
// the step of one camera command.
#pragma once

#if TAVREK_3D

#include <windows.h>

INT_PTR CALLBACK config3DDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);

#endif
