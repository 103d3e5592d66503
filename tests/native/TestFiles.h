// Scratch directories and shipped data for tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh, empty directory unique to this test; removed by the destructor.
struct ScratchDirectory {
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Writes a file (creating sub-directories) and returns its path.
    std::string write(const std::string& relativePath, const std::string& content) const;
    std::string write(const std::string& relativePath, const std::vector<uint8_t>& content) const;
    std::string makeDirectory(const std::string& relativePath) const;

    std::string path;
};

// The repository's shipped start directory ("data").
std::string shippedDataDirectory();
// A file under tests/fixtures.
std::string fixturePath(const std::string& relativePath);
// Whether the expected outputs under tests/fixtures are to be written anew
// (TAVREK_WRITE_FIXTURES set) after a deliberate change: look at them before
// committing them.
bool rewritingFixtures();
// Expects `text` to be the fixture file's content, or rewrites the file.
void expectFixtureText(const std::string& relativePath, const std::string& text);
std::string readText(const std::filesystem::path& path);
