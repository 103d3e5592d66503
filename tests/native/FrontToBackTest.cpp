// Composing opaque tiles from the front must leave every pixel exactly as
// drawing the background and then each tile over the last would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "FrameFixtures.h"
#include "view2d/FrontToBack.h"

namespace {

// Random covered spans against a plain list of flags, on rows just under,
// at and over a multiple of the word size.
TEST(CoveredRows, UncoveredRunsAreExactlyThePixelsNotCovered) {
    std::srand(7);
    for (int width : {1, 63, 64, 65, 130, 200}) {
        CoveredRows rows;
        clearCoveredRows(rows, width, 2);
        std::vector<bool> model(size_t(width), false);
        for (int step = 0; step < 12; ++step) {
            const int a = std::rand() % width, b = a + std::rand() % (width - a + 1);
            coverSpan(rows, 1, a, b);
            for (int x = a; x < b; ++x) model[size_t(x)] = true;
            for (int x0 = 0; x0 <= width; ++x0)
                for (int x1 = x0; x1 <= width; ++x1) {
                    std::vector<bool> open(size_t(width), false);
                    int last = x0 - 1;
                    forEachUncovered(rows, 1, x0, x1, [&](int from, int to) {
                        ASSERT_LT(last, from) << "runs overlap, touch or go backwards";
                        ASSERT_LT(from, to);
                        for (int x = from; x < to; ++x) open[size_t(x)] = true;
                        last = to;
                    });
                    for (int x = 0; x < width; ++x)
                        ASSERT_EQ(open[size_t(x)], x >= x0 && x < x1 && !model[size_t(x)]) << width << " " << x;
                }
        }
        forEachUncovered(rows, 0, 0, width, [&](int from, int to) { EXPECT_EQ(to - from, width); });
    }
}

// The frame as the painter draws it: background, then each tile over it.
std::vector<uint32_t> paintedFrame(BoardScene& scene, const std::vector<int>& leftOut) {
    const Scene2D scene2 = scene2D(scene.app);
    drawBackground2D(scene.app.view, scene.app.settings);
    for (int tile = 0; tile < tileCount; ++tile)
        if (std::find(leftOut.begin(), leftOut.end(), tile) == leftOut.end()) drawTile2D(scene2, tile, 0, 0, true);
    return scene.app.view.boardBitmap.pixels;
}

std::vector<uint32_t> frontFrame(BoardScene& scene, const std::vector<int>& leftOut) {
    composeFromFront(scene2D(scene.app), leftOut);
    return scene.app.view.boardBitmap.pixels;
}

// Both start from the same leftover pixels, so that a pixel one way leaves
// alone and the other writes shows.
void expectSameFrames(BoardScene& scene, const std::vector<int>& leftOut, const char* what) {
    Surface& board = scene.app.view.boardBitmap;
    for (size_t i = 0; i < board.pixels.size(); ++i) board.pixels[i] = uint32_t(i * 2654435761u) & 0xFFFFFF;
    const std::vector<uint32_t> before = board.pixels;
    const std::vector<uint32_t> painted = paintedFrame(scene, leftOut);
    board.pixels = before;
    EXPECT_EQ(frontFrame(scene, leftOut), painted) << what;
}

struct Variant {
    const char* name;
    int width, height;
    uint8_t shadows, shadowsValue, stretch;
    int borderSize;
    bool picture;
};

TEST(FrontToBack, EveryPixelAsThePainterLeavesIt) {
    const Variant variants[] = {
        {"plain", 60, 40, 0, 64, 0, 4, false},
        {"shadows", 60, 40, 1, 64, 0, 4, false},
        {"shadows black", 60, 40, 1, 255, 0, 4, true},
        {"shadows of nothing", 60, 40, 1, 0, 0, 4, false},
        {"heap cut off on every side", 20, 12, 1, 100, 0, 4, true},
        {"stretched with a picture", 200, 90, 1, 64, 1, 4, true},
        {"no sides", 120, 70, 1, 64, 0, 100, true},
        {"thick sides", 150, 80, 1, 30, 0, 2, false},
    };
    for (const Variant& v : variants)
        for (int removed : {0, 5, 60}) {
            BoardScene scene(v.width, v.height);
            Settings& s = scene.app.settings;
            s.Shadows = v.shadows, s.ShadowsValue = v.shadowsValue, s.StretchTiles = v.stretch;
            s.BorderSize = int16_t(v.borderSize), s.ShadowSize = 3;
            if (v.picture) {
                s.Background = "SUNSET.BMP";
                scene.app.view.background.fileImage = makeTileSetPicture(7, 3);
            }
            scene.place(threeLayerHeap());
            for (int tile = 0; tile < removed; ++tile) {  // from every layer, so shadows change
                const int gone = (tile * 37) % tileCount;
                clearTileCells(scene.app.game, gone);
                scene.app.game.tiles[gone].face = 0;
            }
            resizeBoard(scene2D(scene.app), v.width, v.height);
            computeShadowFlags(scene.app.game, scene.app.view.shadowFlags);
            scene.app.game.state.selectedTile = 143;
            expectSameFrames(scene, {}, v.name);
            expectSameFrames(scene, {40, 41, 100, 143}, v.name);
            scene.app.game.state.tilesHidden = 1;
            expectSameFrames(scene, {}, v.name);
        }
}

}  // namespace
