#include "dialogs/CommonDialogs.h"

namespace {

// Loaded from the system folder only, so that no file of that name beside
// the game or in the working folder is ever taken for it.
HMODULE commonDialogLibrary() {
    static const HMODULE library = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return library;
}

template <typename Request>
BOOL showCommonDialog(const char* entryPoint, Request& request) {
    const HMODULE library = commonDialogLibrary();
    if (library == nullptr) return FALSE;
    using Dialog = BOOL(WINAPI*)(Request*);
    const auto dialog = reinterpret_cast<Dialog>(reinterpret_cast<void*>(GetProcAddress(library, entryPoint)));
    return dialog != nullptr ? dialog(&request) : FALSE;
}

}  // namespace

BOOL showOpenFileDialog(OPENFILENAMEW& request) { return showCommonDialog("GetOpenFileNameW", request); }

BOOL showSaveFileDialog(OPENFILENAMEW& request) { return showCommonDialog("GetSaveFileNameW", request); }

BOOL showColourDialog(CHOOSECOLORW& request) { return showCommonDialog("ChooseColorW", request); }
