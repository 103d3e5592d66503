// What every options dialog shares: it edits the application's settings in
// place, takes its texts from the language file when it opens and ends only
// through its OK button.
#pragma once

#include <windows.h>

struct App;

// Shows a modal dialog of `templateId` owned by `owner`; its procedure
// reaches `app` through keptApp.
void showOptionsDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, App& app);

// Keeps the application record handed to the dialog at WM_INITDIALOG.
void keepApp(HWND dialog, LPARAM second);
// nullptr for the messages that come before WM_INITDIALOG.
App* keptApp(HWND dialog);

// What tells the configuration dialogs apart: their texts and values at
// opening, and what their buttons do (false for a button they do not have).
struct OptionsDialogKind {
    void (*open)(HWND dialog, const App& app);
    bool (*command)(HWND dialog, App& app, int id);
};

// The dialog procedure of a dialog of that kind.
INT_PTR optionsDialogMessage(const OptionsDialogKind& kind, HWND dialog, UINT message, WPARAM first, LPARAM second);
