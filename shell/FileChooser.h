// The platform's open and save dialogs, bound to one data directory and one
// pattern; only the chosen file's bare name is taken over.
#pragma once

#include <windows.h>

#include <string>

#include "host/Host.h"

// True when the player confirmed a file; `name` then holds its bare name (UTF-8,
// as the directory listings give names).
bool chooseFile(HWND owner, const FileChoice& choice, std::string& name);
