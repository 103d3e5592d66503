#include "files/DataDirectories.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

#include "files/OpenFile.h"
#include "files/Utf8Path.h"

namespace fs = std::filesystem;

namespace {

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

std::vector<std::string> regularFileNames(const fs::path& directory) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(directory, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) names.push_back(utf8FromPath(it->path().filename()));
    }
    return names;
}

}  // namespace

void initDataDirectories(DataDirectories& dirs, const fs::path& startDirectory) {
    dirs.startDirectory = startDirectory;
    dirs.tileSets = startDirectory / "TILESETS";
    dirs.language = startDirectory / "LANGUAGE";
    dirs.layouts = startDirectory / "LAYOUTS";
    dirs.sounds = startDirectory / "SOUNDS";
    dirs.scores = startDirectory / "SCORES";
    dirs.saveGame = startDirectory / "SAVEGAME";
    dirs.background = startDirectory / "BACKGRND";
}

fs::path currentDirectory() {
    std::error_code error;
    return fs::current_path(error);
}

std::string upperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

fs::path filePath(const fs::path& directory, const std::string& name) {
    const fs::path joined = directory / pathFromUtf8(name);
    std::error_code error;
    if (name.empty() || fs::exists(joined, error)) return joined;
    const std::string wanted = upperCase(name);
    for (const std::string& entry : regularFileNames(directory))
        if (upperCase(entry) == wanted) return directory / pathFromUtf8(entry);
    return joined;
}

// A directory of that name is not a file, although some systems let it be opened.
bool fileExistsIn(const fs::path& directory, const std::string& name) {
    if (name.empty()) return false;
    const fs::path path = filePath(directory, name);
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return false;
    std::FILE* file = openFile(path, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

std::string replaceExtension(const std::string& name, const std::string& extension) {
    const std::string::size_type dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}

std::vector<std::string> listFiles(const fs::path& directory, const std::string& pattern) {
    std::vector<std::string> matching;
    for (const std::string& name : regularFileNames(directory))
        if (matchesPattern(pattern.c_str(), name.c_str())) matching.push_back(name);
    std::sort(matching.begin(), matching.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = upperCase(a), upperB = upperCase(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return matching;
}

std::string findFileOrDefault(const std::string& pattern, const fs::path& directory,
                              const std::string& wanted) {
    const std::vector<std::string> names = listFiles(directory, pattern);
    if (names.empty()) return "";
    for (const std::string& name : names)
        if (upperCase(name) == wanted) return wanted;
    return upperCase(names.front());
}

bool readWholeFile(const fs::path& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = openFile(path, "rb");
    if (file == nullptr) return false;
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

bool writeFileReplacing(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = openFile(temporary, "wb");
    if (file == nullptr) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = flushToDisk(file) && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok) fs::rename(temporary, path, error);
    if (!ok || error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
