// The entry point: hands the module, the command line and the normal show
// state to programMain, which ignores the command line.
#include <windows.h>

#include "shell/StartUp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return programMain(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_SHOWNORMAL);
}
