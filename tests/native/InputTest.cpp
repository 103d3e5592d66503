// What the window's clicks, focus changes and commands do to the game, and
// the tile a click on the 2D board finds.
#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "engine/FreeTiles.h"
#include "game/Input.h"
#include "game/Status.h"

namespace {

struct Input : ::testing::Test {
    BoardScene scene{200, 120};
    App& app = scene.app;
    GameState& state = app.game.state;

    void SetUp() override {
        scene.place({{0, 0, 0, 5}, {0, 0, 6, 5}});
        computeFreeTiles(app.game);
        app.settings.RemoveTileTime = 0;
    }
    void clickOn(int tile) {
        const TileRecord& t = app.game.tiles[tile];
        clickBoard2D(app, t.screenX + 1, app.view.boardTop + t.screenY + 1);
    }
};

// Faces 8 x 10: tile 1 at (22, 16), tile 0 at (30, 16), the upper tile 2 at
// (28, 14), all below a toolbar 25 pixels high.
struct HitTest : ::testing::Test {
    BoardScene scene{60, 40};
    void SetUp() override {
        scene.place(bridge);
        scene.app.view.boardTop = 25;
    }
    void expectHits(const std::vector<std::vector<int>>& hits) {  // x, board y, tile
        for (const std::vector<int>& h : hits)
            EXPECT_EQ(tileAt2D(scene.app.view, scene.app.game, h[0], h[1] + 25), h[2]) << h[0] << "," << h[1];
    }
};

}  // namespace

TEST_F(Input, AClickStopsADemonstrationAndHidesTheHint) {
    state.autoPlayRunning = 1;
    state.showMoves = 1;
    clickOn(0);
    EXPECT_EQ((std::vector<int>{state.autoPlayRunning, state.selectedTile, scene.host.framesPresented}),
              (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(scene.host.statusTexts.back(), composeStatus(app)) << "no hint counter any more";
}

// Each change redraws; without the focus the hint goes too, and a command hides it.
TEST_F(Input, FocusPauseAndCommands) {
    state.showMoves = 1;
    setBoardFocus(app, false);
    EXPECT_EQ((std::vector<int>{state.tilesHidden, state.showMoves}), (std::vector<int>{1, 0}));
    setBoardFocus(app, true);
    togglePause(app);
    EXPECT_EQ(state.tilesHidden, 1);
    togglePause(app);
    EXPECT_EQ(state.tilesHidden, 0);
    EXPECT_EQ(scene.host.framesPresented, 4);
    state.showMoves = 1;
    beforeCommand(app);
    withoutSoundDevice(app);
    EXPECT_EQ((std::vector<int>{state.showMoves, app.settings.SoundEffects}), (std::vector<int>{0, 0}));
    EXPECT_EQ(app.settings.Music, "");
}

// Only faces count, and where they overlap the upper one wins.
TEST_F(HitTest, FacesAndTheUpperOneWhereTheyOverlap) {
    expectHits({{22, 25, 1}, {21, 25, noTile}, {22, 26, noTile}, {29, 25, 1}, {30, 25, 0}, {37, 16, 0},
                {38, 16, noTile}, {30, 13, noTile}, {30, 14, 2}, {28, 16, 2}, {29, 23, 2}, {29, 24, 1},
                {35, 23, 2}, {36, 23, 0}, {22, -125, noTile}, {22, -9, noTile}});
}

TEST_F(HitTest, RemovedTilesAndATileSetWithoutFacesAreNotHit) {
    removeTile(scene.app.game, 2);
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
