#include "dialogs/WinnerDialog.h"

#include "files/HallOfFame.h"
#include "files/LanguageTable.h"
#include "resources/resource.h"

namespace {

// What the dialog was opened with and what it hands back.
struct NameRequest {
    const LanguageTable* language;
    char name[playerNameLength + 1];
};

void setTexts(HWND dialog, const LanguageTable& language) {
    SetWindowTextA(dialog, language.WINCAPTION.c_str());
    SetDlgItemTextA(dialog, IDC_WINNER_PROMPT, language.WINNAME.c_str());
    SetDlgItemTextA(dialog, IDC_WINNER_NAME, "");
    SetDlgItemTextA(dialog, IDC_WINNER_OK, language.OK.c_str());
}

}  // namespace

INT_PTR CALLBACK nameDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, second);
            setTexts(dialog, *reinterpret_cast<NameRequest*>(second)->language);
            return TRUE;
        case WM_COMMAND: {
            // Only OK closes it: Escape and the window's close leave the name to be typed.
            if (LOWORD(first) != IDC_WINNER_OK) return FALSE;
            auto* request = reinterpret_cast<NameRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
            GetDlgItemTextA(dialog, IDC_WINNER_NAME, request->name, sizeof request->name);
            EndDialog(dialog, 1);
            return TRUE;
        }
        default: return FALSE;
    }
}

std::string askWinnerNameDialog(HINSTANCE instance, HWND owner, const LanguageTable& language) {
    NameRequest request{&language, {}};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_WINNER), owner, nameDialogProc,
                    reinterpret_cast<LPARAM>(&request));
    return request.name;
}
