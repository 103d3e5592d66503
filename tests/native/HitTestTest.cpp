#include <gtest/gtest.h>

#include "FrameFixtures.h"

namespace {

// Faces 8 x 10: tile 1 at (22, 16), tile 0 at (30, 16), the upper tile 2 at
// (28, 14), all below a toolbar 25 pixels high.
struct HitTest : ::testing::Test {
    BoardScene scene{60, 40};
    void SetUp() override {
        scene.place({{0, 0, 2, 3}, {0, 0, 0, 4}, {1, 0, 1, 40}});
        scene.app.view.boardTop = 25;
    }
    void expectHits(const std::vector<std::vector<int>>& hits) {  // x, board y, tile
        for (const std::vector<int>& h : hits)
            EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, h[0], h[1] + 25), h[2]) << h[0] << "," << h[1];
    }
};

}  // namespace

// Only faces count, and where they overlap the upper one wins.
TEST_F(HitTest, FacesAndTheUpperOneWhereTheyOverlap) {
    expectHits({{22, 25, 1}, {21, 25, noTile}, {22, 26, noTile}, {29, 25, 1}, {30, 25, 0}, {37, 16, 0},
                {38, 16, noTile}, {30, 13, noTile}, {30, 14, 2}, {28, 16, 2}, {29, 23, 2}, {29, 24, 1},
                {35, 23, 2}, {36, 23, 0}, {22, -125, noTile}, {22, -9, noTile}});
}

TEST_F(HitTest, RemovedTilesAndATileSetWithoutFacesAreNotHit) {
    clearTileCells(scene.app.game, 2);
    scene.app.game.tiles[2].face = 0;
    expectHits({{28, 16, 1}, {33, 16, 0}, {30, 14, noTile}});
    releaseSurface(scene.app.view.tileSet.fileImage);
    prepareTileSet(scene2D(scene.app));
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y) ASSERT_EQ(tileAt2D(scene.app.view, scene.app.game, x, y), noTile);
}

TEST(HitTestHeap, TheLastTileOfTheHeapIsHitToo) {
    BoardScene scene(200, 90);
    scene.place(threeLayerHeap());
    const TileRecord& top = scene.app.game.tiles[tileCount - 1];
    EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, top.screenX + 1, top.screenY + 1), tileCount - 1);
}
