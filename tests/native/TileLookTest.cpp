#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameFixtures.h"
#include "view2d/PixelRules.h"
#include "view2d/TileImages.h"
#include "view2d/TileLook.h"

namespace {

constexpr uint32_t paper = 0xF0F0F0;
constexpr uint32_t faceColour = 0x00FF00;
constexpr uint32_t sides = 0x3080C0;

// One character per pixel: '.' paper, 'F' face, 'S' sides, 'K' black, '?' anything else.
std::vector<std::string> picture(const Surface& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.height; ++y) {
        std::string row;
        for (int x = 0; x < s.width; ++x) {
            const uint32_t c = colourAt(s, x, y);
            row += c == paper ? '.' : c == faceColour ? 'F' : c == sides ? 'S' : c == 0 ? 'K' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

Surface paperWithFace(int width, int height, const TileBox& box) {
    Surface s;
    resizeSurface(s, width, height);
    fillRectangle(s, 0, 0, width, height, paper);
    fillRectangle(s, box.x, box.y, box.width, box.height, faceColour);
    return s;
}

}  // namespace

TEST(TileLook, SolidSidesAndOutlineLeanToTheLowerLeft) {
    const TileBox box{3, 2, 6, 5, 2};
    Surface s = paperWithFace(11, 10, box);
    drawSolidSides(s, box, sides);
    const std::vector<std::string> expected = {
        "...........",
        "...........",
        "...FFFFFF..",
        "..KFFFFFF..",
        ".KSFFFFFF..",
        ".KSFFFFFF..",
        ".KSFFFFFF..",
        ".KSSSSSSK..",
        ".KKKKKKK...",
        "...........",
    };
    EXPECT_EQ(picture(s), expected);
}

TEST(TileLook, WithoutThicknessTheOutlineRunsOnTheFace) {
    const TileBox box{2, 1, 4, 3, 0};
    Surface s = paperWithFace(8, 5, box);
    drawSolidSides(s, box, sides);
    const std::vector<std::string> expected = {
        "........",
        "..KFFF..",
        "..KFFF..",
        "..KKKK..",
        "........",
    };
    EXPECT_EQ(picture(s), expected);
}

TEST(TileLook, BlendedSidesBlendEachVisitInOrder) {
    const TileBox box{3, 2, 6, 5, 2};
    Surface s = paperWithFace(11, 10, box);
    drawBlendedSides(s, box, sides, 1, 3);
    const uint32_t side = blendColours(paper, sides, 1, 3);
    EXPECT_EQ(colourAt(s, 2, 5), side);                              // left side only
    EXPECT_EQ(colourAt(s, 1, 5), blendColours(side, 0, 1, 3));       // side, then outline
    EXPECT_EQ(colourAt(s, 8, 7), blendColours(paper, 0, 1, 3));      // outline only
    EXPECT_EQ(colourAt(s, 1, 8), blendColours(blendColours(side, 0, 1, 3), 0, 1, 3));  // column and row
    EXPECT_EQ(colourAt(s, 9, 7), paper);
    EXPECT_EQ(colourAt(s, 4, 3), faceColour);
}

TEST(TileLook, FadingAFaceWeighsTheBoardFirst) {
    const TileBox box{1, 1, 2, 2, 0};
    Surface board;
    resizeSurface(board, 4, 4);
    fillRectangle(board, 0, 0, 4, 4, 0x000064);
    Surface tiles;
    resizeSurface(tiles, 6, 2);
    fillRectangle(tiles, 4, 0, 2, 2, 0x0000C8);
    fadeFace(board, box, tiles, 4, 0, 3, 1);
    EXPECT_EQ(colourAt(board, 1, 1), 0x7Du);  // (100 * 3 + 200) / 4
    EXPECT_EQ(colourAt(board, 2, 2), 0x7Du);
    EXPECT_EQ(colourAt(board, 3, 3), 0x64u);
    EXPECT_EQ(colourAt(board, 0, 1), 0x64u);
}

TEST(TileLook, SelectedLookDarkensOrInvertsTheFaceRectangleOnly) {
    const TileBox box{2, 1, 3, 2, 1};
    Surface s = paperWithFace(7, 5, box);
    applySelectedLook(s, box, selectDarker, 0x40);
    EXPECT_EQ(colourAt(s, 2, 1), 0x00BF00u);
    EXPECT_EQ(colourAt(s, 4, 2), 0x00BF00u);
    EXPECT_EQ(colourAt(s, 1, 1), paper);
    EXPECT_EQ(colourAt(s, 5, 2), paper);
    EXPECT_EQ(colourAt(s, 2, 3), paper);
    applySelectedLook(s, box, 0, 0x40);
    EXPECT_EQ(colourAt(s, 3, 1), 0xFF40FFu);
    EXPECT_EQ(colourAt(s, 2, 0), paper);
}

// The frame copies precomposed images; they must give exactly what drawing
// the face, the selected look and the sides would, wherever the tile is cut.
TEST(TileLook, PrecomposedTilesMatchTileByTileDrawing) {
    for (int border : {2, 4, 8, 100})
        for (uint8_t mode : {uint8_t(0), selectDarker})
            for (bool selected : {false, true}) {
                BoardScene scene(30, 24);
                scene.app.settings.BorderSize = int16_t(border);
                scene.app.settings.SelectMode = mode;
                resizeBoard(scene2D(scene.app), 30, 24);
                TileSet& set = scene.app.view.tileSet;
                const int edge = set.edgeX;
                const TileImage& image = tileImage(set, scene.app.settings, 2, 5, selected);
                for (int x : {-9, -3, 0, 5, 24, 29})
                    for (int y : {-11, -2, 0, 7, 17, 23}) {
                        Surface fast = paperWithFace(30, 24, TileBox{0, 0, 0, 0, 0});
                        Surface slow = fast;
                        drawTileImage(image, edge, fast, x, y);
                        const TileBox box{x, y, set.tileWidth, set.tileHeight, edge};
                        copyRectangle(set.prepared, 5 * box.width, 2 * box.height, slow, x, y, box.width,
                                      box.height);
                        if (selected) applySelectedLook(slow, box, mode, scene.app.settings.ShadowsValue);
                        drawSolidSides(slow, box, scene.app.settings.SidesColor);
                        ASSERT_EQ(fast.pixels, slow.pixels)
                            << "border " << border << " mode " << int(mode) << " at " << x << "," << y;
                    }
            }
}

TEST(TileLook, PrecomposedTilesFollowChangedColours) {
    BoardScene scene;
    TileSet& set = scene.app.view.tileSet;
    const TileImage& before = tileImage(set, scene.app.settings, 0, 0, false);
    // Inside the left side, clear of its outline.
    const int x = set.edgeX - 1, y = set.tileHeight / 2;
    EXPECT_EQ(colourFromPixel(rowOf(before.pixels, y)[x]), sceneSides);
    scene.app.settings.SidesColor = 0x0000FF;
    const TileImage& after = tileImage(set, scene.app.settings, 0, 0, false);
    EXPECT_EQ(colourFromPixel(rowOf(after.pixels, y)[x]), 0x0000FFu);
}
