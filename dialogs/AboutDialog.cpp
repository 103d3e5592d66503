#include "dialogs/AboutDialog.h"

#include "files/Caption.h"
#include "files/LanguageTable.h"
#include "resources/resource.h"

namespace {

void setTexts(HWND dialog, const LanguageTable& language) {
    SetWindowTextA(dialog, language.ABOUTCAPTION.c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, productCaption);
    SetDlgItemTextA(dialog, IDC_ABOUT_OK, language.OK.c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_EMAIL, language.ABOUTEMAIL.c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_HOMEPAGE, language.ABOUTHOMEPAGE.c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_AUTHOR, language.ABOUTAUTHOR.c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_COPYRIGHT, language.ABOUTCOPYRIGHT.c_str());
    // A language file without the line keeps the template's English one.
    if (!language.ABOUTNOTICE.empty()) SetDlgItemTextA(dialog, IDC_ABOUT_NOTICE, language.ABOUTNOTICE.c_str());
}

}  // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG: setTexts(dialog, *reinterpret_cast<const LanguageTable*>(second)); return TRUE;
        case WM_CLOSE: EndDialog(dialog, 1); return TRUE;
        case WM_COMMAND:
            if (LOWORD(first) != IDC_ABOUT_OK) return FALSE;
            EndDialog(dialog, 1);
            return TRUE;
        default: return FALSE;
    }
}

void showAboutDialog(HINSTANCE instance, HWND owner, const LanguageTable& language) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutDialogProc,
                    reinterpret_cast<LPARAM>(&language));
}
