#include <gtest/gtest.h>

#include "FrameFixtures.h"

namespace {

// Faces 8 x 10: tile 1 at (22, 16), tile 0 at (30, 16), the upper tile 2 at (28, 14).
struct HitScene : BoardScene {
    HitScene() : BoardScene(60, 40) {
        place({{0, 0, 2, 3}, {0, 0, 0, 4}, {1, 0, 1, 40}});
        app.view.boardTop = 25;  // the toolbar's height
    }
    int hit(int x, int boardY) const { return tileAt2D(app.view, app.game, x, boardY + 25); }
};

}  // namespace

TEST(HitTest, OnlyTheFaceRectangleCounts) {
    HitScene scene;
    EXPECT_EQ(scene.hit(22, 25), 1);  // first column, last row of tile 1's face
    EXPECT_EQ(scene.hit(21, 25), noTile);  // its side
    EXPECT_EQ(scene.hit(22, 26), noTile);  // below it: its lower side
    EXPECT_EQ(scene.hit(29, 25), 1);  // last column of its face
    EXPECT_EQ(scene.hit(30, 25), 0);
    EXPECT_EQ(scene.hit(37, 16), 0);
    EXPECT_EQ(scene.hit(38, 16), noTile);
    EXPECT_EQ(scene.hit(30, 13), noTile);
    EXPECT_EQ(scene.hit(30, 14), 2);
}

TEST(HitTest, WhereFacesOverlapTheUpperOneWins) {
    HitScene scene;
    EXPECT_EQ(scene.hit(28, 16), 2);
    EXPECT_EQ(scene.hit(29, 23), 2);
    EXPECT_EQ(scene.hit(29, 24), 1);  // below the upper face
    EXPECT_EQ(scene.hit(35, 23), 2);
    EXPECT_EQ(scene.hit(36, 23), 0);
}

TEST(HitTest, RemovedTilesAreNotHit) {
    HitScene scene;
    clearTileCells(scene.app.game, 2);
    scene.app.game.tiles[2].face = 0;
    EXPECT_EQ(scene.hit(28, 16), 1);
    EXPECT_EQ(scene.hit(33, 16), 0);
    EXPECT_EQ(scene.hit(30, 14), noTile);
}

TEST(HitTest, ThePositionIsTakenBelowTheToolbar) {
    HitScene scene;
    EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, 22, 16), noTile);
    EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, 22, 16 + 25), 1);
    EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, 22, -100), noTile);
}

TEST(HitTest, ATileSetWithoutFacesHitsNothing) {
    HitScene scene;
    releaseSurface(scene.app.view.tileSet.fileImage);
    prepareTileSet(scene2D(scene.app));
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y) ASSERT_EQ(scene.hit(x, y), noTile);
}

TEST(HitTest, TheLastTileOfTheHeapIsHitToo) {
    BoardScene scene(200, 90);
    scene.place(threeLayerHeap());
    const TileRecord& top = scene.app.game.tiles[tileCount - 1];
    EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, top.screenX + 1, top.screenY + 1), tileCount - 1);
}
