// The colours dialog of the 3D view: the tiles of each layer, the face
// symbols drawn without textures, the sides, the background and the selection.
#pragma once

#if TAVREK_3D

#include <windows.h>

INT_PTR CALLBACK colour3DDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);

#endif
