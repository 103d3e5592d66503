#include <gtest/gtest.h>

#include <vector>

#include "FrameFixtures.h"
#include "TestFiles.h"
#include "files/Settings.h"
#include "view2d/BitmapWriter.h"
#include "view2d/Stretch.h"
#include "view2d/TileSet.h"
#include "game/Pictures.h"

namespace {

TileSet sized(int fileWidth, int fileHeight, int areaWidth, int areaHeight, const Settings& settings) {
    TileSet set;
    resizeSurface(set.fileImage, fileWidth, fileHeight);
    sizeTileSet(set, settings, areaWidth, areaHeight);
    return set;
}

Settings unstretched() {
    Settings s;
    s.StretchTiles = 0;
    return s;
}

}  // namespace

TEST(TileSet, FaceCellsFillTheGridRowByRow) {
    const int cells[][3] = {{1, 0, 0},  {9, 0, 8},  {10, 1, 0}, {27, 2, 8},
                            {35, 3, 7}, {36, 4, 0}, {42, 4, 6}};  // face, row, column
    for (const auto& c : cells) {
        EXPECT_EQ(faceCell(c[0]).row, c[1]) << c[0];
        EXPECT_EQ(faceCell(c[0]).column, c[2]) << c[0];
    }
}

TEST(TileSet, UnstretchedFacesAreRaisedToWholeEvenCells) {
    TileSet exact = sized(360, 250, 800, 600, unstretched());
    EXPECT_EQ(exact.tileWidth, 40);
    EXPECT_EQ(exact.tileHeight, 50);
    EXPECT_EQ(exact.prepared.width, 360);
    TileSet raised = sized(361, 251, 800, 600, unstretched());
    EXPECT_EQ(raised.prepared.width, 378);
    EXPECT_EQ(raised.prepared.height, 260);
    EXPECT_EQ(raised.tileWidth, 42);
    EXPECT_EQ(raised.tileHeight, 52);
    // The board area does not matter without stretching.
    EXPECT_EQ(sized(361, 251, 1, 1, unstretched()).tileWidth, 42);
}

TEST(TileSet, MetricsFollowFromTheFaceSize) {
    Settings s = unstretched();
    TileSet set = sized(432, 300, 800, 600, s);  // 48 x 60 faces
    EXPECT_EQ(set.edgeX, 6);
    EXPECT_EQ(set.edgeY, -6);
    EXPECT_EQ(set.cellWidth, 54);
    EXPECT_EQ(set.cellHeight, 66);
    EXPECT_EQ(set.shadowHeight, 15);
    EXPECT_EQ(set.shadowWidth, 15);
    s.BorderSize = 50;  // wider than a face: the sides vanish
    EXPECT_EQ(sized(432, 300, 800, 600, s).edgeX, 0);
    EXPECT_EQ(sized(432, 300, 800, 600, s).cellWidth, 48);
}

TEST(TileSet, StretchedFacesKeepTheirProportionInSinglePrecision) {
    // 40 x 50 cells in a 1000 x 700 area: a = 56, h = 66. 56 / 0.8f truncates
    // to 69, too tall, so the height wins: 66 x 0.8f gives 52.
    Settings s;
    TileSet set = sized(360, 250, 1000, 700, s);
    EXPECT_EQ(set.tileWidth, 52);
    EXPECT_EQ(set.tileHeight, 66);
    EXPECT_EQ(set.prepared.width, 9 * 52);
    EXPECT_EQ(set.prepared.height, 5 * 66);
    // Wide area: the height decides (a / h = 2 is at least r).
    set = sized(360, 250, 2000, 700, s);
    EXPECT_EQ(set.tileHeight, 66);
    EXPECT_EQ(set.tileWidth, 52);
    // Tall area: the width decides, less five sides a tile across: a = (700 - 25) / 17 = 39,
    // 39 x 48.75, made even.
    set = sized(360, 250, 700, 1000, s);
    EXPECT_EQ(set.tileWidth, 38);
    EXPECT_EQ(set.tileHeight, 48);
}

TEST(TileSet, TallFacesStayTallAndEvenAtEveryWindowSize) {
    Settings s;
    for (int width = 17; width < 2000; width += 37)
        for (int height = 10; height < 1200; height += 29) {
            const FaceSize face = preparedFaceSize(360, 250, s, width, height);
            if (face.width == 0) continue;
            ASSERT_EQ(face.width % 2, 0) << width << "x" << height;
            ASSERT_EQ(face.height % 2, 0) << width << "x" << height;
            ASSERT_LE(face.width, face.height) << width << "x" << height;
            ASSERT_LE(17 * face.width, width) << width << "x" << height;
            ASSERT_LE(10 * face.height, height) << width << "x" << height;
        }
}

TEST(TileSet, ZeroDivisorsAndTinyAreasGiveNoFacesRatherThanAFault) {
    Settings s;
    s.BorderSize = 0;
    s.ShadowSize = 0;
    TileSet set = sized(360, 250, 1000, 700, s);
    EXPECT_GT(set.tileWidth, 0);
    EXPECT_EQ(set.edgeX, 0);
    EXPECT_EQ(set.shadowHeight, 0);
    s.BorderSize = -3;
    s.ShadowSize = -1;
    set = sized(360, 250, 1000, 700, s);
    EXPECT_EQ(set.edgeX, 0);
    EXPECT_EQ(set.shadowWidth, 0);
    for (int area : {0, 1, 9, 16}) {
        set = sized(360, 250, area, area, Settings{});
        EXPECT_EQ(set.tileWidth, 0) << area;
        EXPECT_EQ(set.tileHeight, 0) << area;
        EXPECT_TRUE(isEmpty(set.prepared)) << area;
    }
    // A picture too small for a face, or none at all.
    EXPECT_EQ(sized(8, 4, 1000, 700, Settings{}).tileWidth, 0);
    EXPECT_EQ(sized(0, 0, 1000, 700, Settings{}).tileHeight, 0);
    EXPECT_EQ(sized(0, 0, 1000, 700, unstretched()).tileHeight, 0);
}

TEST(TileSet, PreparedFacesComeFromTheirOwnCells) {
    Settings s;
    TileSet set;
    set.fileImage = makeTileSetPicture(20, 25);
    sizeTileSet(set, s, 1000, 700);
    ASSERT_GT(set.tileWidth, 0);
    // The middle of each prepared cell keeps its cell's colour.
    for (int face : {1, 13, 27, 36, 42}) {
        const FaceCell cell = faceCell(face);
        EXPECT_EQ(colourAt(set.prepared, cell.column * set.tileWidth + set.tileWidth / 2,
                           cell.row * set.tileHeight + set.tileHeight / 2),
                  cellColour(cell.row, cell.column))
            << face;
    }
}

TEST(Stretch, ShrinkingAveragesTheCoveredArea) {
    Surface source;
    resizeSurface(source, 4, 1);
    // The same levels in every channel, so that each channel's sums and rounding show.
    const uint32_t grey = 0x010101;
    const uint32_t levels[4] = {0, 100, 200, 255};
    for (int x = 0; x < 4; ++x) putColour(source, x, 0, levels[x] * grey);
    Surface target;
    stretchSurface(source, 2, 1, target);
    EXPECT_EQ(colourAt(target, 0, 0), 50 * grey);
    EXPECT_EQ(colourAt(target, 1, 0), 228 * grey);  // 227.5 rounded
    stretchSurface(source, 3, 1, target);           // thirds: 0 + 1/3 of 100, ...
    EXPECT_EQ(colourAt(target, 0, 0), 25 * grey);   // (0 * 3 + 100 * 1) / 4
    EXPECT_EQ(colourAt(target, 1, 0), 150 * grey);  // (100 * 2 + 200 * 2) / 4
    EXPECT_EQ(colourAt(target, 2, 0), 241 * grey);  // (200 * 1 + 255 * 3) / 4
}

TEST(Stretch, EnlargingInterpolatesBetweenPixelCentres) {
    Surface source;
    resizeSurface(source, 2, 2);
    putColour(source, 1, 0, 200);
    putColour(source, 1, 1, 200);
    Surface target;
    stretchSurface(source, 4, 3, target);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(colourAt(target, 0, y), 0u);
        EXPECT_EQ(colourAt(target, 1, y), 50u);
        EXPECT_EQ(colourAt(target, 2, y), 150u);
        EXPECT_EQ(colourAt(target, 3, y), 200u);
    }
    // Five from two: the second centre lies a tenth of the way to the second pixel.
    stretchSurface(source, 5, 1, target);
    std::vector<uint32_t> row;
    for (int x = 0; x < 5; ++x) row.push_back(colourAt(target, x, 0));
    EXPECT_EQ(row, (std::vector<uint32_t>{0, 20, 100, 180, 200}));
}

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
        for (uint32_t pixel : copy.pixels) ASSERT_EQ(colourFromPixel(pixel), 0x8040C0u) << size;
    }
    stretchSurface(plain, plain.width * 2, plain.height, plain);  // onto itself
    EXPECT_EQ(plain.width, 14);
    stretchSurface(plain, 0, 5, copy);
    EXPECT_TRUE(isEmpty(copy));
}

TEST(TileSet, LoadingReadsTheNamedPicturesFromTheirDirectories) {
    ScratchDirectory scratch;
    scratch.write("TILESETS/Faces.bmp", encodeBitmap(makeTileSetPicture(8, 10)));
    Surface sky;
    resizeSurface(sky, 4, 4);
    fillRectangle(sky, 0, 0, 4, 4, 0x203040);
    scratch.write("BACKGRND/SKY.BMP", encodeBitmap(sky));
    BoardScene scene(60, 40);
    initDataDirectories(scene.app.dirs, scratch.path);
    scene.app.settings.StretchTiles = 0;
    scene.app.settings.TileSet = "FACES.BMP";
    scene.app.settings.Background = "SKY.BMP";
    releaseSurface(scene.app.view.tileSet.fileImage);
    loadTileSet(scene.app);
    loadBackground(scene.app);
    EXPECT_EQ(scene.app.view.tileSet.tileWidth, 8);
    EXPECT_EQ(scene.app.view.background.fitted.width, 60);
    EXPECT_EQ(colourAt(scene.app.view.background.fitted, 59, 39), 0x203040u);
    // A missing tile set leaves no faces; "none" keeps the picture it had.
    scene.app.settings.TileSet = "GONE.BMP";
    loadTileSet(scene.app);
    EXPECT_EQ(scene.app.view.tileSet.tileWidth, 0);
    scene.app.settings.Background = "";
    loadBackground(scene.app);
    EXPECT_EQ(scene.app.view.background.fitted.width, 60);
}
