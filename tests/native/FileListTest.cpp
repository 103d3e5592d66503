#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "files/FileList.h"

namespace {

std::vector<std::string> labels(const FileList& list) {
    std::vector<std::string> out;
    for (const FileEntry& entry : list) out.push_back(entry.label);
    return out;
}

}  // namespace

TEST(FileList, LabelsSortByteByByteAndNamesAreUpperCase) {
    ScratchDirectory scratch;
    for (const char* name : {"standard.bmp", "Forest.BMP", "zen.bmp", "Acorn.bmp", "note.txt"})
        scratch.write(std::string("TILESETS/") + name, "x");
    FileList list;
    scanFileList(list, scratch.path + "/TILESETS", "*.BMP");
    EXPECT_EQ(labels(list), (std::vector<std::string>{"Acorn", "Forest", "standard", "zen"}));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].name, "FOREST.BMP");
    EXPECT_EQ(list[2].name, "STANDARD.BMP");
}

TEST(FileList, RescanningStartsFromAnEmptyListAndAMissingDirectoryGivesNone) {
    ScratchDirectory scratch;
    scratch.write("LAYOUTS/One.tvl", "x");
    FileList list = {{"OLD.TVL", "Old"}};
    scanFileList(list, scratch.path + "/LAYOUTS", "*.TVL");
    EXPECT_EQ(labels(list), std::vector<std::string>{"One"});
    scanFileList(list, scratch.path + "/MISSING", "*.TVL");
    EXPECT_TRUE(list.empty());
}

TEST(FileList, AnEntryGoesInFrontOfEntriesWithAnEqualLabel) {
    FileList list;
    insertByLabel(list, {"B.WAV", "b"});
    insertByLabel(list, {"A.WAV", "a"});
    insertByLabel(list, {"A.MID", "a"});
    insertByLabel(list, {"C.WAV", "c"});
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].name, "A.MID");
    EXPECT_EQ(list[1].name, "A.WAV");
    EXPECT_EQ(list[3].name, "C.WAV");
}

TEST(FileList, ListedFileCountsFromTheFirstNumber) {
    const FileList list = {{"A.WAV", "A"}, {"B.WAV", "B"}};
    EXPECT_EQ(listedFile(list, 23001, 23001)->name, "A.WAV");
    EXPECT_EQ(listedFile(list, 23001, 23002)->name, "B.WAV");
    EXPECT_EQ(listedFile(list, 23001, 23000), nullptr);
    EXPECT_EQ(listedFile(list, 23001, 23003), nullptr);
}
