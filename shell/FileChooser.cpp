#include "shell/FileChooser.h"

#include <commdlg.h>

#include <vector>

#include "engine/Caption.h"

namespace {

// Both dialogs check the folder. Opening takes only existing files; saving
// takes new names too, and asks before it overwrites a file.
DWORD dialogFlags(FileDialogMode mode) {
    const DWORD common = OFN_PATHMUSTEXIST | OFN_SHOWHELP | OFN_NOCHANGEDIR;
    return mode == FileDialogMode::open ? common | OFN_FILEMUSTEXIST : common | OFN_OVERWRITEPROMPT;
}

}  // namespace

bool chooseFile(HWND owner, const FileChoice& choice, std::string& name) {
    std::string filter = choice.filterText;
    filter.push_back('\0');
    filter += choice.pattern;
    filter.push_back('\0');
    filter.push_back('\0');
    std::vector<char> chosen(4096, '\0');
    const std::string extension = choice.pattern.substr(2);  // "*.TVL" -> "TVL"
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = chosen.data();
    request.nMaxFile = static_cast<DWORD>(chosen.size() - 1);
    request.lpstrInitialDir = choice.directory.c_str();
    request.lpstrTitle = productCaption;
    request.lpstrDefExt = extension.c_str();
    request.Flags = dialogFlags(choice.mode);
    const BOOL confirmed =
        choice.mode == FileDialogMode::open ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
    if (!confirmed) return false;
    name = chosen.data() + request.nFileOffset;
    return true;
}
