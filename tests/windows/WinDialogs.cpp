#include "WinDialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include "dialogs/DialogTexts.h"
#include "resources/resource.h"
#include "shell/Shell.h"
#include "dialogs/WideText.h"

namespace {

std::vector<DialogAnswer> pending;
int unansweredTicks = 0;
int leftOpen = 0;
UINT_PTR answerTimer = 0;
WinDialogsSeen seen;

// This thread's visible, enabled dialog with this caption ("" for any), or
// null. Test programs share one desktop and the program's dialogs share
// captions: a search of the whole desktop would answer another program's. A
// dialog already answered stays, hidden, until its loop notices; one waiting
// for a dialog of its own is disabled. Neither is answered.
HWND ownDialog(const std::string& caption) {
    HWND dialog = nullptr;
    const std::wstring wide = wideFromUtf8(caption);
    const wchar_t* title = caption.empty() ? nullptr : wide.c_str();
    while ((dialog = FindWindowExW(nullptr, dialog, MAKEINTATOM(32770), title)) != nullptr)
        if (GetWindowThreadProcessId(dialog, nullptr) == GetCurrentThreadId() && IsWindowVisible(dialog) &&
            IsWindowEnabled(dialog))
            return dialog;
    return nullptr;
}

// An answer may open a dialog of its own, whose loop runs this again: the
// answer is taken off the list before it acts.
void CALLBACK answerNext(HWND, UINT, UINT_PTR, DWORD) {
    for (size_t k = 0; k < pending.size(); ++k) {
        HWND dialog = ownDialog(pending[k].caption);
        if (dialog == nullptr) continue;
        const DialogAnswer answer = pending[k];
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(k));
        unansweredTicks = 0;
        answer.act(dialog);
        return;
    }
    HWND stray = ownDialog("");
    if (stray == nullptr || ++unansweredTicks < 50) return;
    ++leftOpen;
    unansweredTicks = 0;
    EndDialog(stray, 0);
}

}  // namespace

std::string itemText(HWND dialog, int id) { return utf8FromWide(dialogItemText(dialog, id)); }

void press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void typeFileName(HWND dialog, const std::string& name) {
    SetDlgItemTextW(dialog, GetDlgItem(dialog, cmb13) != nullptr ? cmb13 : edt1, wideFromUtf8(name).c_str());
    SendMessageA(dialog, WM_COMMAND, name.empty() ? IDCANCEL : IDOK, 0);
}

void answerDialogs(std::vector<DialogAnswer> answers) {
    stopAnsweringWinDialogs();
    pending = std::move(answers);
    unansweredTicks = 0;
    leftOpen = 0;
    answerTimer = SetTimer(nullptr, 0, 20, answerNext);
}

size_t answersLeft() { return pending.size(); }

int dialogsLeftOpen() { return leftOpen; }

void answerWinDialogs(const std::string& name) {
    const LanguageTable& language = shell().app.language;
    seen = WinDialogsSeen{};
    const auto answerName = [name](HWND dialog) {
        ++seen.nameDialogs;
        seen.prompt = itemText(dialog, IDC_WINNER_PROMPT);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        seen.escapeIgnored = IsWindowVisible(dialog) != FALSE;
        SetDlgItemTextW(dialog, IDC_WINNER_NAME, wideFromUtf8(name).c_str());
        SendMessageA(dialog, WM_COMMAND, IDC_WINNER_OK, 0);
    };
    const auto answerHallOfFame = [](HWND dialog) {
        ++seen.hallOfFameDialogs;
        for (int k = 0; k < 10; ++k) {
            seen.names.push_back(itemText(dialog, IDC_HALLOFFAME_NAMES + k));
            seen.times.push_back(itemText(dialog, IDC_HALLOFFAME_TIMES + k));
        }
        SendMessageA(dialog, WM_COMMAND, IDC_HALLOFFAME_OK, 0);
    };
    answerDialogs({{language.WINCAPTION, answerName}, {language.HALLFAMECAPTION, answerHallOfFame}});
}

void stopAnsweringWinDialogs() { KillTimer(nullptr, answerTimer); }

const WinDialogsSeen& winDialogsSeen() { return seen; }
