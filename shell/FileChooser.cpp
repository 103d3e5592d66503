#include "shell/FileChooser.h"

#include <vector>

#include "dialogs/CommonDialogs.h"
#include "dialogs/WideText.h"
#include "files/Caption.h"
#include "files/Utf8Path.h"

namespace {

// Both dialogs check the folder. Opening takes only existing files; saving
// takes new names too, and asks before it overwrites a file.
DWORD dialogFlags(FileDialogMode mode) {
    const DWORD common = OFN_PATHMUSTEXIST | OFN_SHOWHELP | OFN_NOCHANGEDIR;
    return mode == FileDialogMode::open ? common | OFN_FILEMUSTEXIST : common | OFN_OVERWRITEPROMPT;
}

}  // namespace

bool chooseFile(HWND owner, const FileChoice& choice, std::string& name) {
    std::wstring filter = wideFromUtf8(choice.filterText);
    filter.push_back(L'\0');
    filter += wideFromUtf8(choice.pattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    std::vector<wchar_t> chosen(4096, L'\0');
    const std::wstring extension = wideFromUtf8(choice.pattern).substr(2);  // "*.TVL" -> "TVL"
    const std::wstring title = wideFromUtf8(productCaption);
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = chosen.data();
    request.nMaxFile = static_cast<DWORD>(chosen.size() - 1);
    request.lpstrInitialDir = choice.directory.c_str();
    request.lpstrTitle = title.c_str();
    request.lpstrDefExt = extension.c_str();
    request.Flags = dialogFlags(choice.mode);
    const BOOL confirmed =
        choice.mode == FileDialogMode::open ? showOpenFileDialog(request) : showSaveFileDialog(request);
    if (!confirmed) return false;
    name = utf8FromPath(std::filesystem::path(chosen.data() + request.nFileOffset));
    return true;
}
