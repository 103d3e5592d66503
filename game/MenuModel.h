// The menu bar as plain data: built from the settings, the language texts and
// the data directories' file lists; the shell turns it into platform menus.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/Commands.h"
#include "files/FileList.h"

struct DataDirectories;
struct LanguageTable;
struct Settings;

enum class MenuItemKind { command, separator, popup };

struct MenuItem {
    MenuItemKind kind = MenuItemKind::command;
    std::string text;
    CommandId command = 0;
    bool checked = false;
    std::vector<MenuItem> items;  // the entries of a popup
};

using FileLists = std::array<FileList, fileListKinds>;

FileList& fileListOf(FileLists& lists, FileListKind kind);
const FileList& fileListOf(const FileLists& lists, FileListKind kind);

// Rescans all eight lists from their directories.
void scanFileLists(FileLists& lists, const DataDirectories& dirs);

// The menus of the bar, left to right. The SOUNDS menu is there only when
// `withSounds` (a wave output device exists).
std::vector<MenuItem> buildMenuBar(const Settings& settings, const LanguageTable& language,
                                   const FileLists& lists, bool withSounds);

// Appends one item per entry, numbered from `first`, the entry named
// `current` checked; lists longer than `pageSize` open MORE sub-menus of
// `pageSize` entries each, the rest following as plain items.
void appendFileItems(MenuItem& menu, const FileList& list, int first, const std::string& current,
                     int pageSize, const std::string& moreText);

// The first item carrying the command, searched depth first, or nullptr.
const MenuItem* findMenuItem(const std::vector<MenuItem>& items, CommandId id);
