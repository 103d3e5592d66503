#include "dialogs/LanguageDialog.h"

#include <vector>

#include "files/Caption.h"
#include "resources/resource.h"

namespace {

struct LanguageChoice {
    const FileList* languages;
    std::string* language;
};

void fillList(HWND dialog, const LanguageChoice& choice) {
    SetWindowTextA(dialog, productCaption);
    HWND box = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (const FileEntry& entry : *choice.languages)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.label.c_str()));
    for (const FileEntry& entry : *choice.languages)
        if (entry.name == *choice.language)
            SendMessageA(box, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(entry.label.c_str()));
}

void takeChoice(HWND dialog, const LanguageChoice& choice) {
    std::vector<char> text(4096, '\0');
    SendDlgItemMessageA(dialog, IDC_LANGUAGE_LIST, WM_GETTEXT, text.size(),
                        reinterpret_cast<LPARAM>(text.data()));
    for (const FileEntry& entry : *choice.languages)
        if (entry.label == text.data()) *choice.language = entry.name;
}

}  // namespace

INT_PTR CALLBACK languageDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, second);
            fillList(dialog, *reinterpret_cast<LanguageChoice*>(second));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(first) != IDC_LANGUAGE_OK) return FALSE;
            takeChoice(dialog, *reinterpret_cast<LanguageChoice*>(GetWindowLongPtrA(dialog, DWLP_USER)));
            EndDialog(dialog, 1);
            return TRUE;
        default: return FALSE;
    }
}

void chooseLanguage(HINSTANCE instance, const FileList& languages, std::string& language) {
    LanguageChoice choice{&languages, &language};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LANGUAGE), nullptr, languageDialogProc,
                    reinterpret_cast<LPARAM>(&choice));
}
