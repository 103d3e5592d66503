#include "files/DataDirectories.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string subDirectory(const std::string& start, const char* name) {
    return start + pathSeparator + name + pathSeparator;
}

// "*" matches any run of characters, "?" any one; letters ignore case.
bool matchesPattern(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*')
        return matchesPattern(pattern + 1, name) || (*name != '\0' && matchesPattern(pattern, name + 1));
    if (*name == '\0') return false;
    const bool same = *pattern == '?' || std::toupper(static_cast<unsigned char>(*pattern)) ==
                                             std::toupper(static_cast<unsigned char>(*name));
    return same && matchesPattern(pattern + 1, name + 1);
}

std::vector<std::string> regularFileNames(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(fs::path(directory), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) names.push_back(it->path().filename().string());
    }
    return names;
}

}  // namespace

void initDataDirectories(DataDirectories& dirs, const std::string& startDirectory) {
    dirs.startDirectory = startDirectory;
    while (dirs.startDirectory.size() > 1 &&
           (dirs.startDirectory.back() == '/' || dirs.startDirectory.back() == '\\'))
        dirs.startDirectory.pop_back();
    dirs.tileSets = subDirectory(dirs.startDirectory, "TILESETS");
    dirs.language = subDirectory(dirs.startDirectory, "LANGUAGE");
    dirs.layouts = subDirectory(dirs.startDirectory, "LAYOUTS");
    dirs.sounds = subDirectory(dirs.startDirectory, "SOUNDS");
    dirs.scores = subDirectory(dirs.startDirectory, "SCORES");
    dirs.saveGame = subDirectory(dirs.startDirectory, "SAVEGAME");
    dirs.background = subDirectory(dirs.startDirectory, "BACKGRND");
}

std::string currentDirectory() {
    std::error_code error;
    return fs::current_path(error).string();
}

std::string upperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string filePath(const std::string& directory, const std::string& name) {
    std::string joined = directory;
    if (!joined.empty() && joined.back() != '/' && joined.back() != '\\') joined += pathSeparator;
    std::error_code error;
    if (name.empty() || fs::exists(fs::path(joined + name), error)) return joined + name;
    const std::string wanted = upperCase(name);
    for (const std::string& entry : regularFileNames(directory))
        if (upperCase(entry) == wanted) return joined + entry;
    return joined + name;
}

// A directory of that name is not a file, although some systems let it be opened.
bool fileExistsIn(const std::string& directory, const std::string& name) {
    if (name.empty()) return false;
    const std::string path = filePath(directory, name);
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path), error)) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

std::string replaceExtension(const std::string& name, const std::string& extension) {
    const std::string::size_type dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}

std::vector<std::string> listFiles(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> matching;
    for (const std::string& name : regularFileNames(directory))
        if (matchesPattern(pattern.c_str(), name.c_str())) matching.push_back(name);
    std::sort(matching.begin(), matching.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = upperCase(a), upperB = upperCase(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return matching;
}

std::string findFileOrDefault(const std::string& pattern, const std::string& directory,
                              const std::string& wanted) {
    const std::vector<std::string> names = listFiles(directory, pattern);
    if (names.empty()) return "";
    for (const std::string& name : names)
        if (upperCase(name) == wanted) return wanted;
    return upperCase(names.front());
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

bool writeFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok) fs::rename(fs::path(temporary), fs::path(path), error);
    if (!ok || error) {
        fs::remove(fs::path(temporary), error);
        return false;
    }
    return true;
}
