// Opens a file by its path. On Windows the path goes to the C runtime in its
// wide form: the narrow form would be read in the ANSI code page, and a start
// folder named after a player ("Jürgen", "プレイヤー") would hold no file.
#pragma once

#include <cstdio>
#include <filesystem>

// As fopen: nullptr when the file cannot be opened. `mode` is ASCII ("rb", "wb").
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// Hands what is buffered to the system and has it written to the disk; false
// when either fails (a full disk shows here, not at the buffered write).
bool flushToDisk(std::FILE* file);
