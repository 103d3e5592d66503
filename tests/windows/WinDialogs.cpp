#include "WinDialogs.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "ShellDriver.h"

#include "resources/resource.h"
#include "shell/Shell.h"

namespace {

std::string typedName;
WinDialogsSeen seen;
UINT_PTR answerTimer = 0;

std::string itemText(HWND dialog, int id) {
    char buffer[256] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

void answerName(HWND dialog) {
    ++seen.nameDialogs;
    seen.prompt = itemText(dialog, IDC_WINNER_PROMPT);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    seen.escapeIgnored = IsWindow(dialog) && IsWindowVisible(dialog);
    SetDlgItemTextA(dialog, IDC_WINNER_NAME, typedName.c_str());
    SendMessageA(dialog, WM_COMMAND, IDC_WINNER_OK, 0);
}

void answerHallOfFame(HWND dialog) {
    ++seen.hallOfFameDialogs;
    seen.names.clear();
    seen.times.clear();
    for (int k = 0; k < 10; ++k) {
        seen.names.push_back(itemText(dialog, IDC_HALLOFFAME_NAMES + k));
        seen.times.push_back(itemText(dialog, IDC_HALLOFFAME_TIMES + k));
    }
    SendMessageA(dialog, WM_COMMAND, IDC_HALLOFFAME_OK, 0);
}

// Runs inside the dialogs' own message loops.
void CALLBACK answerOpenDialog(HWND, UINT, UINT_PTR, DWORD) {
    const LanguageTable& language = shell().app.language;
    if (HWND dialog = ownDialog(language.WINCAPTION)) answerName(dialog);
    if (HWND dialog = ownDialog(language.HALLFAMECAPTION)) answerHallOfFame(dialog);
}

}  // namespace

// A dialog already answered stays, hidden, until its loop notices; one
// waiting for a dialog of its own is disabled. Neither is answered.
HWND ownDialog(const std::string& caption) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, MAKEINTATOM(32770), caption.c_str())) != nullptr)
        if (GetWindowThreadProcessId(dialog, nullptr) == GetCurrentThreadId() && IsWindowVisible(dialog) &&
            IsWindowEnabled(dialog))
            return dialog;
    return nullptr;
}

void answerWinDialogs(const std::string& name) {
    stopAnsweringWinDialogs();
    typedName = name;
    seen = WinDialogsSeen{};
    answerTimer = SetTimer(nullptr, 0, 30, answerOpenDialog);
}

void stopAnsweringWinDialogs() { KillTimer(nullptr, answerTimer); }

const WinDialogsSeen& winDialogsSeen() { return seen; }

std::vector<uint8_t> readScoresFile(const ShellDriver& driver) {
    std::ifstream file(driver.startDirectory / "SCORES" / "DEFAULT.TVS", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}
