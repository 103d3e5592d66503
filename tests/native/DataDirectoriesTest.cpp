#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "files/Utf8Path.h"

namespace fs = std::filesystem;

TEST(DataDirectories, ReplaceExtensionCutsAtTheLastDot) {
    EXPECT_EQ(replaceExtension("CLASSIC.TVL", ".TVS"), "CLASSIC.TVS");
    EXPECT_EQ(replaceExtension("OLD.PYRAMID.TVL", ".TVS"), "OLD.PYRAMID.TVS");
    EXPECT_EQ(replaceExtension("ENGLISH.TXT", ""), "ENGLISH");
    EXPECT_EQ(replaceExtension("NODOT", ".TVS"), "NODOT.TVS");
}

TEST(DataDirectories, FindFileOrDefaultPrefersTheWantedNameThenTheFirstInNameOrder) {
    ScratchDirectory scratch;
    scratch.write("TILESETS/Forest.bmp", "x");
    scratch.write("TILESETS/notes.txt", "x");
    DataDirectories dirs;
    initDataDirectories(dirs, scratch.path);
    EXPECT_EQ(findFileOrDefault("*.BMP", dirs.tileSets, "STANDARD.BMP"), "FOREST.BMP");
    scratch.write("TILESETS/standard.bmp", "x");
    EXPECT_EQ(findFileOrDefault("*.BMP", dirs.tileSets, "STANDARD.BMP"), "STANDARD.BMP");
    scratch.write("TILESETS/Acorn.BMP", "x");
    EXPECT_EQ(findFileOrDefault("*.BMP", dirs.tileSets, "MISSING.BMP"), "ACORN.BMP");
    EXPECT_EQ(findFileOrDefault("*.BMP", dirs.background, "SUNSET.BMP"), "");
    scratch.makeDirectory("BACKGRND");
    EXPECT_EQ(findFileOrDefault("*.BMP", dirs.background, "SUNSET.BMP"), "");
}

// Names match whatever their case; only files count, listed in name order.
TEST(DataDirectories, FilesAreFoundAndListedWhateverTheCaseOfTheirNames) {
    ScratchDirectory scratch;
    for (const char* name : {"LAYOUTS/Default.tvl", "SOUNDS/b.wav", "SOUNDS/A.WAV", "SOUNDS/c.mid", "SOUNDS/C.wav"})
        scratch.write(name, "x");
    for (const char* folder : {"LAYOUTS/FOLDER.TVL", "SOUNDS/DIR.WAV"}) scratch.makeDirectory(folder);
    DataDirectories dirs;
    initDataDirectories(dirs, scratch.path);
    EXPECT_TRUE(fileExistsIn(dirs.layouts, "DEFAULT.TVL"));
    EXPECT_FALSE(fileExistsIn(dirs.layouts, "OTHER.TVL"));
    EXPECT_FALSE(fileExistsIn(dirs.sounds, "DEFAULT.TVL"));
    EXPECT_FALSE(fileExistsIn(dirs.layouts, ""));
    EXPECT_FALSE(fileExistsIn(dirs.layouts, "FOLDER.TVL"));
    EXPECT_EQ(listFiles(dirs.sounds, "*.WAV"), (std::vector<std::string>{"A.WAV", "b.wav", "C.wav"}));
    EXPECT_EQ(listFiles(dirs.sounds, "*.MID"), (std::vector<std::string>{"c.mid"}));
    EXPECT_TRUE(listFiles(dirs.scores, "*.TVS").empty());
}

// Players name their folders after themselves: every kind of access works in
// such a start directory, and a name that is not ASCII is found by the name its
// listing gives. A write replaces the file whole, and one that cannot happen says so.
TEST(DataDirectories, AStartFolderNamedAfterAPlayerHoldsEveryFile) {
    ScratchDirectory scratch;
    for (const char* folder : {"J\xC3\xBCrgen", "\xE3\x83\x97\xE3\x83\xAC\xE3\x82\xA4\xE3\x83\xA4\xE3\x83\xBC"}) {
        DataDirectories dirs;
        initDataDirectories(dirs, fs::path(scratch.path) / pathFromUtf8(folder));
        fs::create_directories(dirs.scores);
        const std::string unusual = "\xC3\x89t\xC3\xA9.tvs";  // "Été.tvs"
        for (const char* text : {"old", "new"})
            ASSERT_TRUE(writeFileReplacing(filePath(dirs.scores, "A.TVS"), {text, text + 3})) << folder;
        ASSERT_TRUE(writeFileReplacing(filePath(dirs.scores, unusual), {'x'}));
        EXPECT_FALSE(writeFileReplacing(dirs.startDirectory / "MISSING" / "A.TVS", {'x'}));
        EXPECT_EQ(listFiles(dirs.scores, "*.TVS"), (std::vector<std::string>{"A.TVS", unusual})) << folder;
        EXPECT_TRUE(fileExistsIn(dirs.scores, upperCase(unusual))) << folder;
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readWholeFile(filePath(dirs.scores, "A.TVS"), bytes)) << folder;
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
    }
}

// A full disk takes the buffered bytes and refuses them only when they are
// flushed: the write is a failure, the old file stays, no temporary is left.
// The temporary is made to lead to the system's always-full device.
TEST(DataDirectories, AWriteThatCannotBeFlushedFailsAndKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "the always-full device is a Linux one";
#else
    ScratchDirectory scratch;
    const fs::path file = fs::path(scratch.path) / "TAVREK32.INI", temporary = file.string() + ".tmp";
    ASSERT_TRUE(writeFileReplacing(file, {'o', 'l', 'd'}));
    fs::create_symlink("/dev/full", temporary);
    EXPECT_FALSE(writeFileReplacing(file, std::vector<uint8_t>(100, 'n')));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
    std::error_code error;
    EXPECT_FALSE(fs::exists(fs::symlink_status(temporary, error)));
#endif
}
