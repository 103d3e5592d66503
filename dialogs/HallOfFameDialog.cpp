#include "dialogs/HallOfFameDialog.h"

#include "files/HallOfFame.h"
#include "files/LanguageTable.h"
#include "resources/resource.h"

namespace {

struct TableShown {
    const LanguageTable* language;
    const HallOfFame* hallOfFame;
};

void setTexts(HWND dialog, const TableShown& shown) {
    const LanguageTable& language = *shown.language;
    SetWindowTextA(dialog, language.HALLFAMECAPTION.c_str());
    SetDlgItemTextA(dialog, IDC_HALLOFFAME_NAMETITLE, language.HALLFAMENAME.c_str());
    SetDlgItemTextA(dialog, IDC_HALLOFFAME_TIMETITLE, language.HALLFAMETIME.c_str());
    SetDlgItemTextA(dialog, IDC_HALLOFFAME_OK, language.OK.c_str());
    for (int k = 0; k < keptEntries; ++k) {
        const HallOfFameEntry& entry = shown.hallOfFame->entries[static_cast<size_t>(k)];
        SetDlgItemTextA(dialog, IDC_HALLOFFAME_NAMES + k, entry.playerName.c_str());
        SetDlgItemTextA(dialog, IDC_HALLOFFAME_TIMES + k, entry.timeText.c_str());
    }
}

}  // namespace

INT_PTR CALLBACK hallOfFameDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG: setTexts(dialog, *reinterpret_cast<const TableShown*>(second)); return TRUE;
        case WM_COMMAND:
            if (LOWORD(first) != IDC_HALLOFFAME_OK) return FALSE;
            EndDialog(dialog, 1);
            return TRUE;
        default: return FALSE;
    }
}

void showHallOfFameDialog(HINSTANCE instance, HWND owner, const LanguageTable& language,
                          const HallOfFame& hallOfFame) {
    const TableShown shown{&language, &hallOfFame};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HALLOFFAME), owner, hallOfFameDialogProc,
                    reinterpret_cast<LPARAM>(&shown));
}
