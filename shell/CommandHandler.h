// WM_COMMAND: the fixed commands and the file-list menus.
#pragma once

#include <windows.h>

void runCommand(WPARAM parameter);
