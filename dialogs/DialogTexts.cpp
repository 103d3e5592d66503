#include "dialogs/DialogTexts.h"

#include "dialogs/WideText.h"

void setItemText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextW(dialog, id, wideFromUtf8(text).c_str());
}

void setDialogTexts(HWND dialog, const std::string& caption, std::initializer_list<ControlText> texts) {
    SetWindowTextW(dialog, wideFromUtf8(caption).c_str());
    for (const ControlText& control : texts) setItemText(dialog, control.id, control.text);
}

std::wstring dialogItemText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}
