// Every shipped picture must be readable by the game's own reader, with the
// shape the game expects: tile sets a 9 x 5 grid of large cells, backgrounds
// large enough for a full-HD window.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "view2d/Bitmap.h"

TEST(ShippedPictures, TileSetsAndBackgroundsHaveTheirShapes) {
    DataDirectories dirs;
    initDataDirectories(dirs, shippedDataDirectory());
    for (const auto& directory : {dirs.tileSets, dirs.background}) {
        const bool tiles = directory == dirs.tileSets;
        const std::vector<std::string> names = listFiles(directory, "*.BMP");
        EXPECT_GE(names.size(), tiles ? 5u : 6u) << directory;
        for (const std::string& name : names) {
            Surface p;
            ASSERT_TRUE(readBitmapFile(filePath(directory, name), p)) << name;
            if (tiles) EXPECT_EQ((std::vector<int>{p.width % 9, p.height % 5, p.width / 9 >= 96}),
                                 (std::vector<int>{0, 0, 1})) << name;
            else EXPECT_TRUE(p.width >= 1920 && p.height >= 1080) << name;
        }
    }
}
