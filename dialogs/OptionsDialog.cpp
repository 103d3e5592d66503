#include "dialogs/OptionsDialog.h"

#include "game/App.h"

void showOptionsDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, App& app) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, procedure, reinterpret_cast<LPARAM>(&app));
}

void keepApp(HWND dialog, LPARAM second) { SetWindowLongPtrA(dialog, DWLP_USER, second); }

App* keptApp(HWND dialog) { return reinterpret_cast<App*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void setDialogTexts(HWND dialog, const std::string& caption, std::initializer_list<ControlText> texts) {
    SetWindowTextA(dialog, caption.c_str());
    for (const ControlText& control : texts) SetDlgItemTextA(dialog, control.id, control.text.c_str());
}

INT_PTR optionsDialogMessage(const OptionsDialogKind& kind, HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            keepApp(dialog, second);
            kind.open(dialog, *keptApp(dialog));
            return TRUE;
        case WM_COMMAND: {
            // The settings change under the game lock: a demonstration draws from them meanwhile.
            App& app = *keptApp(dialog);
            const GameHold hold = holdForWindow(app.gameLock);
            return kind.command(dialog, app, LOWORD(first)) ? TRUE : FALSE;
        }
        default: return FALSE;
    }
}
