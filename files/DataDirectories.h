// The start directory and its seven data directories. Files are reached by
// joining a directory and a bare name; the process's current directory is
// never changed, so the automatic player's thread can play sounds while the
// window thread loads files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
constexpr char pathSeparator = '\\';
#else
constexpr char pathSeparator = '/';
#endif

struct DataDirectories {
    std::string startDirectory;
    // Each is the start directory followed by the sub-directory name between separators.
    std::string tileSets;
    std::string language;
    std::string layouts;
    std::string sounds;
    std::string scores;
    std::string saveGame;
    std::string background;
};

// Builds the seven paths from the given start directory (the shell passes
// the process's current directory at launch).
void initDataDirectories(DataDirectories& dirs, const std::string& startDirectory);

// The process's current directory, as the start directory of a run.
std::string currentDirectory();

// The path of `name` in `directory`. On a case-sensitive file system the
// name is matched case-insensitively against the directory's entries; when
// nothing matches, the plain join is returned.
std::string filePath(const std::string& directory, const std::string& name);

// True when the file can be opened for reading.
bool fileExistsIn(const std::string& directory, const std::string& name);

// The name before its last "." followed by `extension` (which brings its own
// dot, or is empty). A name without a dot gets the extension appended.
std::string replaceExtension(const std::string& name, const std::string& extension);

// The names of the regular files in `directory` matching `pattern` ("*.BMP",
// case-insensitively), as they stand on disk, in upper-cased name order.
std::vector<std::string> listFiles(const std::string& directory, const std::string& pattern);

// `wanted` (upper case) when the directory holds a matching file of that name,
// else the upper-cased name of the first matching file, else "".
std::string findFileOrDefault(const std::string& pattern, const std::string& directory,
                              const std::string& wanted);

std::string upperCase(std::string text);

// Whole-file access. Reading fails on a missing or unreadable file; writing
// goes to a temporary file that is then moved over the old one, so a failed
// write never leaves a half-written file behind.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
bool writeFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes);
