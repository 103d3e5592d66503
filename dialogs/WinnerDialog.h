// The winner's name entry: it can only be closed with OK.
#pragma once

#include <windows.h>

#include <string>

struct LanguageTable;

// The name typed in UTF-8: at most 21 characters, possibly empty.
std::string askWinnerNameDialog(HINSTANCE instance, HWND owner, const LanguageTable& language);

INT_PTR CALLBACK nameDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);
