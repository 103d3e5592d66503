// The game started as its own program starts it, ended as soon as the first
// frame is on screen (the window is painted before startProgram returns), so
// that its start-up can be timed as a whole process against an empty window.
#include <windows.h>

#include "SinceStart.h"
#include "shell/StartUp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const bool started = startProgram(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    if (started) printMillisecondsSinceStart();
    ExitProcess(started ? 0 : 1);
}
