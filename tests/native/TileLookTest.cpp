#include <gtest/gtest.h>

#include <functional>

#include "FrameFixtures.h"
#include "view2d/PixelRules.h"
#include "view2d/TileImages.h"
#include "view2d/TileLook.h"

namespace {

constexpr uint32_t paper = 0xF0F0F0;
constexpr uint32_t faceColour = 0x00FF00;
constexpr uint32_t sides = 0x3080C0;

Surface paperWithFaces(int width, int height, const std::vector<TileBox>& boxes) {
    Surface s;
    resizeSurface(s, width, height);
    fillRectangle(s, 0, 0, width, height, paper);
    for (const TileBox& b : boxes) fillRectangle(s, b.x, b.y, b.width, b.height, faceColour);
    return s;
}

}  // namespace

// Side by side: solid sides leaning to the lower left, solid sides without
// thickness (the outline runs on the face), sides blended a third (corner
// pixels visited twice blend twice), the face darkened and inverted for the
// selected look, and a face faded into the board at 3 : 1.
TEST(TileLook, EveryLookOfOneTile) {
    const TileBox solid{3, 2, 6, 5, 2}, thin{13, 2, 4, 3, 0}, blended{22, 2, 6, 5, 2}, darker{31, 2, 3, 2, 1},
        inverted{37, 2, 3, 2, 1}, fading{43, 2, 3, 3, 0};
    Surface s = paperWithFaces(48, 10, {solid, thin, blended, darker, inverted});
    drawSolidSides(s, solid, sides);
    drawSolidSides(s, thin, sides);
    drawBlendedSides(s, blended, sides, 1, 3);
    applySelectedLook(s, darker, selectDarker, 0x40);
    applySelectedLook(s, inverted, 0, 0x40);
    Surface tiles;
    resizeSurface(tiles, 6, 3);
    fillRectangle(tiles, 3, 0, 3, 3, 0x0000C8);
    fadeFace(s, fading, tiles, 3, 0, 3, 1);
    expectPicture(s, "tile-looks");
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
                        Surface fast = paperWithFaces(30, 24, {});
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

// The kept images are made anew when the sides' colour, the selection look or
// its darkness changes in the options, and again as they were when it changes back.
TEST(TileLook, PrecomposedTilesFollowTheChangedOptions) {
    BoardScene scene;
    Settings& settings = scene.app.settings;
    const auto image = [&] { return tileImage(scene.app.view.tileSet, settings, 1, 2, true).pixels.pixels; };
    const std::vector<uint32_t> first = image();
    for (const auto& change : std::vector<std::function<void(uint8_t)>>{
             [&](uint8_t k) { settings.SidesColor = k == 1 ? 0x0000FF : sceneSides; },
             [&](uint8_t k) { settings.SelectMode = k == 1 ? uint8_t(0) : selectDarker; },
             [&](uint8_t k) { settings.ShadowsValue = k == 1 ? 200 : 64; }}) {
        change(1);
        EXPECT_NE(image(), first);
        change(0);
        EXPECT_EQ(image(), first);
    }
}
