// The platform's open and save dialogs, bound to one data directory and one
// pattern; only the chosen file's bare name is taken over.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

enum class ChooserMode { open, save };

// True when the player confirmed a file; `name` then holds its bare name (UTF-8,
// as the directory listings give names).
bool chooseFile(HWND owner, const std::filesystem::path& directory, std::string& name, const char* pattern,
                const std::string& filterText, ChooserMode mode);
