// The 3D view in the game, drawn off screen: frames shown like 2D ones, a
// whole game won by clicks where the tiles are seen, a click beside the heap,
// the camera keys, the view switch, and a game without a context.
#include <gtest/gtest.h>

#include "native/ScoresFixture.h"
#include "native/TileProjection.h"
#include "engine/CameraKeys.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Redraw.h"
#include "game/View3DGame.h"
#include "view3d/offscreen/OffscreenContext.h"

namespace {

constexpr int width = 400, height = 300, toolbar = 24;

struct Game3D : ScoresFixture {
    OffscreenContext gl;
    GameState& state = app.game.state;

    void SetUp() override {
        ScoresFixture::SetUp();
        start.write("LAYOUTS/DEFAULT.TVL",
                    readText(shippedDataDirectory() + "/LAYOUTS/DEFAULT.TVL"));
        app.settings.Layout = "DEFAULT.TVL";
        app.settings.RemoveTileTime = 0;
        app.view.boardWidth = width;
        app.view.boardHeight = height;
        app.view.boardTop = toolbar;
        ASSERT_TRUE(openOffscreenContext(gl, width, height));
        loadLayout(app);
        dealNewGame(app);
        open3DView(app, width, height);
    }
    void TearDown() override {
        close3DView(app);
        closeOffscreenContext(gl);
    }
    // A click where the player sees the middle of the tile's top.
    void clickOnTile(int tile) {
        const ClientPoint p = tileTopCentre(scene3D(app), tile);
        clickBoard3D(app, p.x, p.y + toolbar);
    }
};

}  // namespace

TEST_F(Game3D, AWholeGameIsWonByClicksWhereTheTilesAreSeen) {
    const std::array<uint8_t, tileCount> order = state.removalOrder;
    for (size_t k = 0; k < tileCount; k += 2) {
        clickOnTile(order[k]);
        ASSERT_EQ(state.selectedTile, order[k]) << k;
        clickOnTile(order[k + 1]);
        ASSERT_EQ(state.tilesLeft, int(tileCount - k - 2)) << k;
    }
    EXPECT_EQ(host.nameRequests, 1);
    EXPECT_EQ(host.lastFrameWidth, width);
    EXPECT_EQ(host.lastFrameHeight, height);
    EXPECT_EQ(host.lastFrame[0], pixelFromColour(makeColour(0, 159, 0)));  // each channel / 256
}

TEST_F(Game3D, AClickBesideTheHeapPlaysTheMissAndClearsBothSelections) {
    clickOnTile(state.removalOrder[0]);
    state.secondTile = state.removalOrder[2];
    host.sounds.clear();
    clickBoard3D(app, 2, toolbar + 2);
    ASSERT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(host.sounds[0].filename(), app.settings.Sound3);
    EXPECT_EQ(state.selectedTile, noTile);
    EXPECT_EQ(state.secondTile, noTile);
}

TEST_F(Game3D, CameraKeysChangeTheFrameAndTheSwitchGoesBothWays) {
    redrawBoard(app);
    const std::vector<uint32_t> before = host.lastFrame;
    app.settings.XView = 400;  // a pan sets the eye anew, far to the side
    cameraMoved(app, true);
    redrawBoard(app);
    EXPECT_NE(host.lastFrame, before);
    app.settings.XView = 0;
    app.settings.YPosition = 370;
    cameraMoved(app, applyCameraKey(app.settings, cameraKey::left));
    EXPECT_EQ(app.settings.YPosition, 5);
    redrawBoard(app);
    EXPECT_NE(host.lastFrame, before);

    EXPECT_TRUE(switchView(app));
    EXPECT_FALSE(drawsIn3D(app));
    EXPECT_TRUE(switchView(app));
    EXPECT_TRUE(drawsIn3D(app));
}

TEST_F(Game3D, WithoutAContextTheGameSaysSoOnceAndStaysIn2D) {
    close3DView(app);
    without3DView(app);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(app.settings.view3D, 0);
    EXPECT_FALSE(switchView(app));
    EXPECT_FALSE(switchView(app));
    EXPECT_EQ(app.settings.view3D, 0);
    EXPECT_FALSE(drawsIn3D(app));
    EXPECT_EQ(host.messages.size(), 1u);
}
