#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "files/FileList.h"

static std::string entries(const FileList& list) {
    std::string out;
    for (const FileEntry& entry : list) out += entry.name + "=" + entry.label + " ";
    return out;
}

// Labels sort byte by byte, names are upper case; a rescan starts from an
// empty list, and a missing directory gives none.
TEST(FileList, ScanningListsTheMatchingFilesSortedByLabel) {
    ScratchDirectory scratch;
    for (const char* name : {"standard.bmp", "Forest.BMP", "zen.bmp", "Acorn.bmp", "note.txt"})
        scratch.write(std::string("TILESETS/") + name, "x");
    FileList list = {{"OLD.BMP", "Old"}};
    scanFileList(list, scratch.path + "/TILESETS", "*.BMP");
    EXPECT_EQ(entries(list), "ACORN.BMP=Acorn FOREST.BMP=Forest STANDARD.BMP=standard ZEN.BMP=zen ");
    scanFileList(list, scratch.path + "/MISSING", "*.BMP");
    EXPECT_TRUE(list.empty());
}

// An entry goes in front of entries with an equal label; listed files count
// from the first number.
TEST(FileList, InsertingAndFindingByCommandNumber) {
    FileList list;
    for (const FileEntry& entry : {FileEntry{"B.WAV", "b"}, {"A.WAV", "a"}, {"A.MID", "a"}, {"C.WAV", "c"}}) insertByLabel(list, entry);
    EXPECT_EQ(entries(list), "A.MID=a A.WAV=a B.WAV=b C.WAV=c ");
    EXPECT_EQ(listedFile(list, 23001, 23001)->name, "A.MID");
    EXPECT_EQ(listedFile(list, 23001, 23004)->name, "C.WAV");
    EXPECT_EQ(listedFile(list, 23001, 23000), nullptr);
    EXPECT_EQ(listedFile(list, 23001, 23005), nullptr);
}
