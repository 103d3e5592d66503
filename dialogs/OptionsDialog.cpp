#include "dialogs/OptionsDialog.h"

#include "game/App.h"

void showOptionsDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, App& app) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, procedure, reinterpret_cast<LPARAM>(&app));
}

void keepApp(HWND dialog, LPARAM second) { SetWindowLongPtrW(dialog, DWLP_USER, second); }

App* keptApp(HWND dialog) { return reinterpret_cast<App*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

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
