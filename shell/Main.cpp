// The entry point: hands the module, the command line and the normal show
// state to programMain, which ignores the command line.
#include <windows.h>

#include "shell/StartUp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return programMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
}
