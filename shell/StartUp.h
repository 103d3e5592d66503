// Start-up, the main window's creation and the one shutdown sequence.
#pragma once

#include <windows.h>

#include "shell/GLContext.h"

// The whole run: returns the exit code, the quit message's parameter.
int programMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showState);

// Everything before the message loop: registers the class, reads the
// settings (after the language choice on a first start) and creates and
// shows the main window. False when start-up ended before any window.
bool startProgram(HINSTANCE instance, int showState);
int runMessageLoop();

// The window creation handler (WM_CREATE); false when the window cannot be
// made and the program ends.
bool createMainWindow(HWND window);

// The shutdown steps shared by closing the window and the EXIT command:
// store the settings with the window's rectangle, release, post the quit.
void shutDown();
// The end the game asks for: release and post the quit, the settings file
// left as it was. Either end runs once.
void closeDown();

#if TAVREK_3D
// The window's OpenGL context has been made, or could not be: the 3D view
// opens, or the player is told and the 2D view plays on with the switch greyed.
void useGLContext(GLContextResult result);
#endif

void clearShellHandles();
// Picks the cursor pair from NewCursors and makes the normal one current.
void loadCursors();

// The class name of the main window.
extern const wchar_t* const windowClassName;
