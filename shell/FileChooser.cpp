#include "shell/FileChooser.h"

#include <commdlg.h>

#include <vector>

#include "engine/Caption.h"

bool chooseFile(HWND owner, const std::string& directory, std::string& name, const char* pattern,
                const std::string& filterText, ChooserMode mode) {
    std::string filter = filterText;
    filter.push_back('\0');
    filter += pattern;
    filter.push_back('\0');
    filter.push_back('\0');
    std::vector<char> chosen(4096, '\0');
    const std::string extension = std::string(pattern).substr(2);  // "*.TVL" -> "TVL"
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = chosen.data();
    request.nMaxFile = static_cast<DWORD>(chosen.size() - 1);
    request.lpstrInitialDir = directory.c_str();
    request.lpstrTitle = productCaption;
    request.lpstrDefExt = extension.c_str();
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_SHOWHELP | OFN_NOCHANGEDIR;
    const BOOL confirmed = mode == ChooserMode::open ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
    if (!confirmed) return false;
    name = chosen.data() + request.nFileOffset;
    return true;
}
