#include "dialogs/LanguageDialog.h"

#include "dialogs/DialogTexts.h"
#include "files/Caption.h"
#include "resources/resource.h"
#include "dialogs/WideText.h"

namespace {

struct LanguageChoice {
    const FileList* languages;
    std::string* language;
};

void fillList(HWND dialog, const LanguageChoice& choice) {
    SetWindowTextW(dialog, wideFromUtf8(productCaption).c_str());
    HWND box = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const FileEntry& entry : *choice.languages)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideFromUtf8(entry.label).c_str()));
    for (const FileEntry& entry : *choice.languages)
        if (entry.name == *choice.language)
            SendMessageW(box, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(wideFromUtf8(entry.label).c_str()));
}

void takeChoice(HWND dialog, const LanguageChoice& choice) {
    const std::string chosen = utf8FromWide(dialogItemText(dialog, IDC_LANGUAGE_LIST));
    for (const FileEntry& entry : *choice.languages)
        if (entry.label == chosen) *choice.language = entry.name;
}

}  // namespace

INT_PTR CALLBACK languageDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, second);
            fillList(dialog, *reinterpret_cast<LanguageChoice*>(second));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(first) != IDC_LANGUAGE_OK) return FALSE;
            takeChoice(dialog, *reinterpret_cast<LanguageChoice*>(GetWindowLongPtrW(dialog, DWLP_USER)));
            EndDialog(dialog, 1);
            return TRUE;
        default: return FALSE;
    }
}

void chooseLanguage(HINSTANCE instance, const FileList& languages, std::string& language) {
    LanguageChoice choice{&languages, &language};
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_LANGUAGE), nullptr, languageDialogProc,
                    reinterpret_cast<LPARAM>(&choice));
}
