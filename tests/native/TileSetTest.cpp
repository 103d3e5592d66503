#include <gtest/gtest.h>

#include <vector>

#include "FrameFixtures.h"
#include "TestFiles.h"
#include "files/Settings.h"
#include "game/Pictures.h"
#include "view2d/BitmapWriter.h"
#include "view2d/Stretch.h"
#include "view2d/TileSet.h"

namespace {

using V = std::vector<int>;

// Face, sides, cell and shadow sizes, then the prepared picture's.
V metrics(int fileWidth, int fileHeight, int areaWidth, int areaHeight, int stretch, int border = 8, int shadow = 4) {
    Settings s;
    s.StretchTiles = uint8_t(stretch);
    s.BorderSize = int16_t(border);
    s.ShadowSize = int16_t(shadow);
    TileSet t;
    resizeSurface(t.fileImage, fileWidth, fileHeight);
    sizeTileSet(t, s, areaWidth, areaHeight);
    return {t.tileWidth, t.tileHeight, t.edgeX, t.edgeY, t.cellWidth, t.cellHeight, t.shadowHeight, t.shadowWidth,
            t.prepared.width, t.prepared.height};
}

}  // namespace

TEST(TileSet, FaceCellsFillTheGridRowByRow) {
    for (const V& c : {V{1, 0, 0}, V{9, 0, 8}, V{10, 1, 0}, V{27, 2, 8}, V{35, 3, 7}, V{36, 4, 0}, V{42, 4, 6}})
        EXPECT_EQ((V{faceCell(c[0]).row, faceCell(c[0]).column}), (V{c[1], c[2]})) << c[0];
}

TEST(TileSet, SizesFollowFromThePictureTheAreaAndTheDivisors) {
    // Unstretched, faces are raised to whole even cells, whatever the area.
    EXPECT_EQ(metrics(360, 250, 800, 600, 0), (V{40, 50, 5, -5, 45, 55, 12, 12, 360, 250}));
    EXPECT_EQ(metrics(361, 251, 800, 600, 0), (V{42, 52, 5, -5, 47, 57, 13, 13, 378, 260}));
    EXPECT_EQ(metrics(361, 251, 1, 1, 0), metrics(361, 251, 800, 600, 0));
    EXPECT_EQ(metrics(432, 300, 800, 600, 0), (V{48, 60, 6, -6, 54, 66, 15, 15, 432, 300}));
    EXPECT_EQ(metrics(432, 300, 800, 600, 0, 50), (V{48, 60, 0, 0, 48, 60, 15, 15, 432, 300}));  // sides vanish
    // Stretched in 1000 x 700: a = 56, h = 66. 56 / 0.8f truncates to 69, too
    // tall, so the height wins: 66 x 0.8f gives 52. A wide area, too.
    EXPECT_EQ(metrics(360, 250, 1000, 700, 1), (V{52, 66, 6, -6, 58, 72, 16, 16, 468, 330}));
    EXPECT_EQ(metrics(360, 250, 2000, 700, 1), metrics(360, 250, 1000, 700, 1));
    // Tall: the width decides, less five sides a tile across: a = (700 - 25)
    // / 17 = 39, 39 x 48.75, made even.
    EXPECT_EQ(metrics(360, 250, 700, 1000, 1), (V{38, 48, 4, -4, 42, 52, 12, 12, 342, 240}));
    // Divisors of zero or below give no sides and no shadows rather than a fault.
    EXPECT_EQ(metrics(360, 250, 1000, 700, 1, 0, 0), (V{56, 70, 0, 0, 56, 70, 0, 0, 504, 350}));
    EXPECT_EQ(metrics(360, 250, 1000, 700, 1, -3, -1), metrics(360, 250, 1000, 700, 1, 0, 0));
    // No room, a picture too small for a face, or none: no faces.
    for (const V& none : {metrics(360, 250, 0, 0, 1), metrics(360, 250, 1, 1, 1), metrics(360, 250, 9, 9, 1),
                          metrics(360, 250, 16, 16, 1), metrics(8, 4, 1000, 700, 1), metrics(0, 0, 1000, 700, 1),
                          metrics(0, 0, 1000, 700, 0)})
        EXPECT_EQ(none, V(10, 0));
}

TEST(TileSet, TallFacesStayTallAndEvenAtEveryWindowSize) {
    Settings s;
    for (int width = 17; width < 2000; width += 37)
        for (int height = 10; height < 1200; height += 29) {
            const FaceSize face = preparedFaceSize(360, 250, s, width, height);
            if (face.width == 0) continue;
            ASSERT_EQ(face.width % 2 + face.height % 2, 0) << width << "x" << height;
            ASSERT_LE(face.width, face.height) << width << "x" << height;
            ASSERT_LE(17 * face.width, width) << width << "x" << height;
            ASSERT_LE(10 * face.height, height) << width << "x" << height;
        }
}

// The weights of shrinking and enlarging show in the reference scenes, where
// tile sets and backgrounds are stretched both ways.
TEST(Stretch, SameSizeCopiesAndPlainAreasStayPlain) {
    const Surface picture = makeTileSetPicture(3, 2);
    Surface copy;
    stretchSurface(picture, picture.width, picture.height, copy);
    EXPECT_EQ(copy.pixels, picture.pixels);
    Surface plain;
    resizeSurface(plain, 7, 5);
    fillRectangle(plain, 0, 0, 7, 5, 0x8040C0);
    for (int size : {1, 3, 11, 40}) {
        stretchSurface(plain, size, size + 1, copy);
        ASSERT_EQ(copy.pixels.size(), size_t(size) * (size + 1));
        for (uint32_t pixel : copy.pixels) ASSERT_EQ(colourFromPixel(pixel), 0x8040C0u) << size;
    }
    stretchSurface(plain, plain.width * 2, plain.height, plain);  // onto itself
    EXPECT_EQ(plain.width, 14);
    stretchSurface(plain, 0, 5, copy);
    EXPECT_TRUE(isEmpty(copy));
}

// One row or one column left: each pixel averages all it covers.
TEST(Stretch, AOneRowOrOneColumnTargetAveragesTheWholeSide) {
    Surface picture;
    resizeSurface(picture, 2, 2);
    fillRectangle(picture, 0, 0, 2, 1, 0x646464);
    fillRectangle(picture, 0, 1, 2, 1, 0x000000);
    fillRectangle(picture, 1, 0, 1, 2, 0xC8C8C8);
    Surface line;
    stretchSurface(picture, 2, 1, line);
    ASSERT_EQ(line.width * 10 + line.height, 21);
    EXPECT_EQ(std::vector<uint32_t>({colourFromPixel(line.pixels[0]), colourFromPixel(line.pixels[1])}),
              std::vector<uint32_t>({0x323232, 0xC8C8C8}));
    stretchSurface(picture, 1, 2, line);
    ASSERT_EQ(line.width * 10 + line.height, 12);
    EXPECT_EQ(colourFromPixel(line.pixels[1]), 0x646464u);
}

TEST(TileSet, LoadingReadsTheNamedPicturesFromTheirDirectories) {
    ScratchDirectory scratch;
    scratch.write("TILESETS/Faces.bmp", encodeBitmap(makeTileSetPicture(8, 10)));
    scratch.write("BACKGRND/SKY.BMP", encodeBitmap(makeTileSetPicture(1, 1)));
    BoardScene scene(60, 40);
    App& app = scene.app;
    initDataDirectories(app.dirs, scratch.path);
    app.settings.TileSet = "FACES.BMP";
    app.settings.Background = "SKY.BMP";
    releaseSurface(app.view.tileSet.fileImage);
    loadTileSet(app);
    loadBackground(app);
    EXPECT_EQ(app.view.tileSet.tileWidth, 8);
    EXPECT_EQ(app.view.background.fitted.height, 40);
    // A missing tile set leaves no faces; "none" keeps the picture it had.
    app.settings.TileSet = "GONE.BMP";
    loadTileSet(app);
    EXPECT_EQ(app.view.tileSet.tileWidth, 0);
    app.settings.Background = "";
    loadBackground(app);
    EXPECT_EQ(app.view.background.fitted.width, 60);
}
