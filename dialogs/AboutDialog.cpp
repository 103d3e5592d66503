#include "dialogs/AboutDialog.h"

#include "dialogs/DialogTexts.h"
#include "files/Caption.h"
#include "files/LanguageTable.h"
#include "resources/resource.h"

namespace {

void setTexts(HWND dialog, const LanguageTable& language) {
    setDialogTexts(dialog, language.ABOUTCAPTION,
                   {{IDC_ABOUT_PRODUCT, productCaption},
                    {IDC_ABOUT_OK, language.OK},
                    {IDC_ABOUT_EMAIL, language.ABOUTEMAIL},
                    {IDC_ABOUT_HOMEPAGE, language.ABOUTHOMEPAGE},
                    {IDC_ABOUT_AUTHOR, language.ABOUTAUTHOR},
                    {IDC_ABOUT_COPYRIGHT, language.ABOUTCOPYRIGHT}});
    // A language file without the line keeps the template's English one.
    if (!language.ABOUTNOTICE.empty()) setItemText(dialog, IDC_ABOUT_NOTICE, language.ABOUTNOTICE);
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
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutDialogProc,
                    reinterpret_cast<LPARAM>(&language));
}
