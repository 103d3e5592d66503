// The sorted lists of one data directory's files that the menus, the
// language dialog and the command handlers share.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

struct FileEntry {
    std::string name;   // upper case: what settings store and compare
    std::string label;  // the listed name without its extension, as listed
};

// Ascending by label, byte by byte (upper-case letters before lower-case).
using FileList = std::vector<FileEntry>;

// Rebuilds the list from the files of `directory` matching `pattern`. A
// missing directory gives an empty list.
void scanFileList(FileList& list, const std::filesystem::path& directory, const std::string& pattern);

// Puts an entry in label order: after every entry whose label sorts strictly
// before it, so it goes in front of entries with an equal label.
void insertByLabel(FileList& list, FileEntry entry);

// The entry carrying `chosen` when the list is numbered from `first`, or nullptr.
const FileEntry* listedFile(const FileList& list, int first, int chosen);
