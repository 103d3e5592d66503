#include "FileDialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include "WinDialogs.h"
#include "engine/Caption.h"
#include "files/Utf8Path.h"

namespace {

std::vector<std::string> pending;
std::vector<FileDialogSeen> seen;
UINT_PTR answerTimer = 0;

std::string itemText(HWND dialog, int id) {
    char text[MAX_PATH] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void answerQuestion(HWND prompt, const std::string& answer) {
    FileDialogSeen question;
    question.overwritePrompt = true;
    seen.push_back(question);
    SendMessageA(prompt, WM_COMMAND, answer == "yes" ? IDYES : IDNO, 0);
}

void answerChooser(HWND dialog, const std::string& answer) {
    FileDialogSeen shown;
    // The program's dialogs are the wide ones, which answer in wide characters.
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    shown.folder = utf8FromPath(folder);
    shown.filter = itemText(dialog, cmb1);
    seen.push_back(shown);
    if (answer.empty()) {
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    HWND nameField = GetDlgItem(dialog, cmb13);
    if (nameField == nullptr) nameField = GetDlgItem(dialog, edt1);
    SetWindowTextA(nameField, answer.c_str());
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void CALLBACK answerNext(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = ownDialog(productCaption);
    if (dialog == nullptr || pending.empty()) return;
    const std::string answer = pending.front();
    pending.erase(pending.begin());
    if (GetDlgItem(dialog, IDYES) != nullptr)
        answerQuestion(dialog, answer);
    else
        answerChooser(dialog, answer);
}

}  // namespace

void answerFileDialogs(const std::vector<std::string>& answers) {
    KillTimer(nullptr, answerTimer);
    pending = answers;
    seen.clear();
    answerTimer = SetTimer(nullptr, 0, 30, answerNext);
}

const std::vector<FileDialogSeen>& fileDialogsSeen() { return seen; }
