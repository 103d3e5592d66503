#include "dialogs/HallOfFameDialog.h"

#include "dialogs/DialogTexts.h"
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
    setDialogTexts(dialog, language.HALLFAMECAPTION,
                   {{IDC_HALLOFFAME_NAMETITLE, language.HALLFAMENAME},
                    {IDC_HALLOFFAME_TIMETITLE, language.HALLFAMETIME},
                    {IDC_HALLOFFAME_OK, language.OK}});
    for (int k = 0; k < keptEntries; ++k) {
        const HallOfFameEntry& entry = shown.hallOfFame->entries[static_cast<size_t>(k)];
        setItemText(dialog, IDC_HALLOFFAME_NAMES + k, entry.playerName);
        setItemText(dialog, IDC_HALLOFFAME_TIMES + k, entry.timeText);
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
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HALLOFFAME), owner, hallOfFameDialogProc,
                    reinterpret_cast<LPARAM>(&shown));
}
