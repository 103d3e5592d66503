#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/DataDirectories.h"

TEST(DataDirectories, SevenPathsInOrderUnderTheStartDirectory) {
    DataDirectories dirs;
    initDataDirectories(dirs, "start");
    const std::string s(1, pathSeparator);
    EXPECT_EQ(dirs.startDirectory, "start");
    EXPECT_EQ(dirs.tileSets, "start" + s + "TILESETS" + s);
    EXPECT_EQ(dirs.language, "start" + s + "LANGUAGE" + s);
    EXPECT_EQ(dirs.layouts, "start" + s + "LAYOUTS" + s);
    EXPECT_EQ(dirs.sounds, "start" + s + "SOUNDS" + s);
    EXPECT_EQ(dirs.scores, "start" + s + "SCORES" + s);
    EXPECT_EQ(dirs.saveGame, "start" + s + "SAVEGAME" + s);
    EXPECT_EQ(dirs.background, "start" + s + "BACKGRND" + s);
}

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

TEST(DataDirectories, FilesAreFoundWhateverTheCaseOfTheirNames) {
    ScratchDirectory scratch;
    scratch.write("LAYOUTS/Default.tvl", "1 2 3\r\n");
    DataDirectories dirs;
    initDataDirectories(dirs, scratch.path);
    EXPECT_TRUE(fileExistsIn(dirs.layouts, "DEFAULT.TVL"));
    EXPECT_FALSE(fileExistsIn(dirs.layouts, "OTHER.TVL"));
    EXPECT_FALSE(fileExistsIn(dirs.sounds, "DEFAULT.TVL"));
    EXPECT_FALSE(fileExistsIn(dirs.layouts, ""));
    scratch.makeDirectory("LAYOUTS/FOLDER.TVL");
    EXPECT_FALSE(fileExistsIn(dirs.layouts, "FOLDER.TVL"));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(filePath(dirs.layouts, "DEFAULT.TVL"), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "1 2 3\r\n");
}

TEST(DataDirectories, ListingIsInNameOrderAndFiltersByPattern) {
    ScratchDirectory scratch;
    for (const char* name : {"b.wav", "A.WAV", "c.mid", "C.wav"}) scratch.write(std::string("SOUNDS/") + name, "x");
    scratch.makeDirectory("SOUNDS/DIR.WAV");
    DataDirectories dirs;
    initDataDirectories(dirs, scratch.path);
    EXPECT_EQ(listFiles(dirs.sounds, "*.WAV"), (std::vector<std::string>{"A.WAV", "b.wav", "C.wav"}));
    EXPECT_EQ(listFiles(dirs.sounds, "*.MID"), (std::vector<std::string>{"c.mid"}));
    EXPECT_TRUE(listFiles(dirs.scores, "*.TVS").empty());
}

TEST(DataDirectories, ReplacingWriteKeepsTheOldFileWhenItCannotWrite) {
    ScratchDirectory scratch;
    const std::string file = scratch.write("SCORES/A.TVS", "old");
    ASSERT_TRUE(writeFileReplacing(file, {'n', 'e', 'w'}));
    EXPECT_EQ(readText(file), "new");
    EXPECT_FALSE(writeFileReplacing(scratch.path + "/MISSING/B.TVS", {'x'}));
    EXPECT_EQ(readText(file), "new");
}
