#include "dialogs/CommonDialogs.h"

#include <string>

namespace {

// Loaded by its full path in the system folder, so that no file of that name
// beside the game or in the working folder is ever taken for it; the search
// flags that say the same are missing on older Windows.
HMODULE commonDialogLibrary() {
    static const HMODULE library = [] {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return HMODULE{};
        return LoadLibraryW((std::wstring(folder, length) + L"\\comdlg32.dll").c_str());
    }();
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
