#include "dialogs/WinnerDialog.h"

#include "dialogs/DialogTexts.h"
#include "files/HallOfFame.h"
#include "files/LanguageTable.h"
#include "resources/resource.h"
#include "dialogs/WideText.h"

namespace {

// What the dialog was opened with and what it hands back.
struct NameRequest {
    const LanguageTable* language;
    std::string name;
};

void setTexts(HWND dialog, const LanguageTable& language) {
    setDialogTexts(dialog, language.WINCAPTION,
                   {{IDC_WINNER_PROMPT, language.WINNAME}, {IDC_WINNER_OK, language.OK}});
}

// The name field holds at most 21 characters, however they were typed or
// pasted; what goes beyond is refused as the player types it.
void keepNameShort(HWND dialog) {
    const std::wstring typed = dialogItemText(dialog, IDC_WINNER_NAME);
    const std::wstring_view kept = firstCharacters(typed, playerNameLength);
    if (kept.size() == typed.size()) return;
    HWND field = GetDlgItem(dialog, IDC_WINNER_NAME);
    SetWindowTextW(field, std::wstring(kept).c_str());
    SendMessageW(field, EM_SETSEL, kept.size(), kept.size());
    MessageBeep(MB_OK);
}

}  // namespace

INT_PTR CALLBACK nameDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, second);
            setTexts(dialog, *reinterpret_cast<NameRequest*>(second)->language);
            return TRUE;
        case WM_COMMAND: {
            if (LOWORD(first) == IDC_WINNER_NAME && HIWORD(first) == EN_CHANGE) {
                keepNameShort(dialog);
                return TRUE;
            }
            // Only OK closes it: Escape and the window's close leave the name to be typed.
            if (LOWORD(first) != IDC_WINNER_OK) return FALSE;
            auto* request = reinterpret_cast<NameRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
            request->name = utf8FromWide(dialogItemText(dialog, IDC_WINNER_NAME));
            EndDialog(dialog, 1);
            return TRUE;
        }
        default: return FALSE;
    }
}

std::string askWinnerNameDialog(HINSTANCE instance, HWND owner, const LanguageTable& language) {
    NameRequest request{&language, {}};
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_WINNER), owner, nameDialogProc,
                    reinterpret_cast<LPARAM>(&request));
    return request.name;
}
