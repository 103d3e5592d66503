// Every shipped picture must be readable by the game's own reader, with the
// shape the game expects: tile sets a 9 x 5 grid, backgrounds large enough
// for a full-HD window.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "view2d/Bitmap.h"

namespace {

std::vector<std::filesystem::path> shippedPictures(const std::string& directory) {
    DataDirectories dirs;
    initDataDirectories(dirs, shippedDataDirectory());
    const std::filesystem::path& path = directory == "TILESETS" ? dirs.tileSets : dirs.background;
    std::vector<std::filesystem::path> paths;
    for (const std::string& name : listFiles(path, "*.BMP")) paths.push_back(filePath(path, name));
    return paths;
}

}  // namespace

TEST(ShippedPictures, TileSetsAreNineByFiveGridsOfLargeCells) {
    const std::vector<std::filesystem::path> tileSets = shippedPictures("TILESETS");
    ASSERT_GE(tileSets.size(), 5u);
    for (const std::filesystem::path& path : tileSets) {
        Surface picture;
        ASSERT_TRUE(readBitmapFile(path, picture)) << path;
        EXPECT_EQ(picture.width % 9, 0) << path;
        EXPECT_EQ(picture.height % 5, 0) << path;
        EXPECT_GE(picture.width / 9, 96) << path;
    }
}

TEST(ShippedPictures, BackgroundsCoverAFullHdBoard) {
    const std::vector<std::filesystem::path> backgrounds = shippedPictures("BACKGRND");
    ASSERT_GE(backgrounds.size(), 6u);
    for (const std::filesystem::path& path : backgrounds) {
        Surface picture;
        ASSERT_TRUE(readBitmapFile(path, picture)) << path;
        EXPECT_GE(picture.width, 1920) << path;
        EXPECT_GE(picture.height, 1080) << path;
    }
}
