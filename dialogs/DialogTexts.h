// The texts of a dialog and its controls. They are UTF-8, as every text of
// the game, and reach the dialog whole, in any script.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

struct ControlText {
    int id;
    const std::string& text;
};

void setItemText(HWND dialog, int id, const std::string& text);
// The caption, then each control's text.
void setDialogTexts(HWND dialog, const std::string& caption, std::initializer_list<ControlText> texts);
// What the control shows now.
std::wstring dialogItemText(HWND dialog, int id);
