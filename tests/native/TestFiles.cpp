#include "TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#define processId _getpid
#else
#include <unistd.h>
#define processId getpid
#endif

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory() {
    static std::atomic<int> counter{0};
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info != nullptr ? std::string(info->test_suite_name()) + "-" + info->name() : "scratch";
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
    // The two programs' suites run the same tests side by side: the process
    // keeps their directories apart.
    fs::path dir = fs::temp_directory_path() /
                   ("tavrek-" + name + "-" + std::to_string(processId()) + "-" + std::to_string(counter++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = dir.string();
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code error;
    fs::remove_all(fs::path(path), error);
}

std::string ScratchDirectory::write(const std::string& relativePath, const std::string& content) const {
    return write(relativePath, std::vector<uint8_t>(content.begin(), content.end()));
}

std::string ScratchDirectory::write(const std::string& relativePath, const std::vector<uint8_t>& content) const {
    const fs::path file = fs::path(path) / relativePath;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    return file.string();
}

std::string ScratchDirectory::makeDirectory(const std::string& relativePath) const {
    const fs::path dir = fs::path(path) / relativePath;
    fs::create_directories(dir);
    return dir.string();
}

std::string shippedDataDirectory() { return (fs::path(TAVREK_SOURCE_DIR) / "data").string(); }

std::string fixturePath(const std::string& relativePath) {
    return (fs::path(TAVREK_SOURCE_DIR) / "tests" / "fixtures" / relativePath).string();
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool rewritingFixtures() { return std::getenv("TAVREK_WRITE_FIXTURES") != nullptr; }

void expectFixtureText(const std::string& relativePath, const std::string& text) {
    const std::string path = fixturePath(relativePath);
    if (rewritingFixtures()) std::ofstream(fs::path(path), std::ios::binary) << text;
    EXPECT_EQ(text, readText(path)) << path;
}
