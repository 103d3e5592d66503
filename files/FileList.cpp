#include "files/FileList.h"

#include <algorithm>

#include "files/DataDirectories.h"

void scanFileList(FileList& list, const std::filesystem::path& directory, const std::string& pattern) {
    list.clear();
    for (const std::string& listed : listFiles(directory, pattern))
        insertByLabel(list, FileEntry{upperCase(listed), replaceExtension(listed, "")});
}

void insertByLabel(FileList& list, FileEntry entry) {
    const auto place = std::find_if(list.begin(), list.end(), [&](const FileEntry& existing) {
        return !(existing.label < entry.label);
    });
    list.insert(place, std::move(entry));
}

const FileEntry* listedFile(const FileList& list, int first, int chosen) {
    const int index = chosen - first;
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return &list[static_cast<size_t>(index)];
}
