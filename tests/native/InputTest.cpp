// What the window's clicks, focus changes and commands do to the game.
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
        state.tilesLeft = 2;
        state.elapsedSeconds = 100000;  // too slow for the table: no scores file is written
        app.settings.RemoveTileTime = 0;
    }
    void clickOn(int tile) {
        const TileRecord& t = app.game.tiles[tile];
        clickBoard2D(app, t.screenX + 1, app.view.boardTop + t.screenY + 1);
    }
};

}  // namespace

TEST_F(Input, AClickStopsADemonstrationHidesTheHintAndTheLastPairWins) {
    state.autoPlayRunning = 1;
    state.showMoves = 1;
    clickOn(0);
    EXPECT_EQ(state.autoPlayRunning, 0);
    EXPECT_EQ(state.selectedTile, 0);
    EXPECT_EQ(scene.host.framesPresented, 1);
    EXPECT_EQ(scene.host.statusTexts.back(), composeStatus(app)) << "no hint counter any more";
    clickOn(1);
    EXPECT_EQ(state.tilesLeft, 0);
    EXPECT_EQ(scene.host.nameRequests, 1);
    EXPECT_EQ(state.winHandled, 1);
}

TEST_F(Input, TheBoardHidesWithoutTheFocusOrWhenPaused) {
    state.showMoves = 1;
    setBoardFocus(app, false);
    EXPECT_EQ(state.tilesHidden, 1);
    EXPECT_EQ(state.showMoves, 0);
    setBoardFocus(app, true);
    EXPECT_EQ(state.tilesHidden, 0);
    togglePause(app);
    EXPECT_EQ(state.tilesHidden, 1);
    togglePause(app);
    EXPECT_EQ(state.tilesHidden, 0);
    EXPECT_EQ(scene.host.framesPresented, 4);
}

TEST_F(Input, ACommandHidesTheHintAndNoSoundDeviceSilencesEffectsAndMusic) {
    state.showMoves = 1;
    beforeCommand(app);
    EXPECT_EQ(state.showMoves, 0);
    withoutSoundDevice(app);
    EXPECT_EQ(app.settings.SoundEffects, 0);
    EXPECT_EQ(app.settings.Music, "");
}
