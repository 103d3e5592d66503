// The About dialog: the program's name, its notice and its maker.
#pragma once

#include <windows.h>

struct LanguageTable;

void showAboutDialog(HINSTANCE instance, HWND owner, const LanguageTable& language);

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);
