// The start directory and its seven data directories. Files are reached by
// joining a directory and a bare name; the process's current directory is
// never changed, so the automatic player's thread can play sounds while the
// window thread loads files.
//
// Directories are paths from start to end, so any folder name the platform
// allows works; bare file names (what settings, menus and scores hold) are
// UTF-8 text and become paths only when joined to their directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct DataDirectories {
    std::filesystem::path startDirectory;
    // Each is the start directory followed by the sub-directory name.
    std::filesystem::path tileSets;
    std::filesystem::path language;
    std::filesystem::path layouts;
    std::filesystem::path sounds;
    std::filesystem::path scores;
    std::filesystem::path saveGame;
    std::filesystem::path background;
};

// Builds the seven paths from the given start directory (the shell passes
// the process's current directory at launch).
void initDataDirectories(DataDirectories& dirs, const std::filesystem::path& startDirectory);

// The process's current directory, as the start directory of a run.
std::filesystem::path currentDirectory();

// The path of the bare name `name` in `directory`. On a case-sensitive file
// system the name is matched case-insensitively against the directory's
// entries; when nothing matches, the plain join is returned.
std::filesystem::path filePath(const std::filesystem::path& directory, const std::string& name);

// True when the file can be opened for reading.
bool fileExistsIn(const std::filesystem::path& directory, const std::string& name);

// The name before its last "." followed by `extension` (which brings its own
// dot, or is empty). A name without a dot gets the extension appended.
std::string replaceExtension(const std::string& name, const std::string& extension);

// The names of the regular files in `directory` matching `pattern` ("*.BMP",
// case-insensitively), as they stand on disk, in upper-cased name order.
std::vector<std::string> listFiles(const std::filesystem::path& directory, const std::string& pattern);

// `wanted` (upper case) when the directory holds a matching file of that name,
// else the upper-cased name of the first matching file, else "".
std::string findFileOrDefault(const std::string& pattern, const std::filesystem::path& directory,
                              const std::string& wanted);

std::string upperCase(std::string text);

// Whole-file access. Reading fails on a missing or unreadable file; writing
// goes to a temporary file that is then moved over the old one, so a failed
// write never leaves a half-written file behind.
bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes);
bool writeFileReplacing(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
