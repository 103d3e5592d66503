// The hall-of-fame table of the current layout, best time first.
#pragma once

#include <windows.h>

struct HallOfFame;
struct LanguageTable;

void showHallOfFameDialog(HINSTANCE instance, HWND owner, const LanguageTable& language,
                          const HallOfFame& hallOfFame);

INT_PTR CALLBACK hallOfFameDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);
