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
    EXPECT_EQ((std::vector<int>{state.autoPlayRunning, state.selectedTile, scene.host.framesPresented}),
              (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(scene.host.statusTexts.back(), composeStatus(app)) << "no hint counter any more";
    clickOn(1);
    EXPECT_EQ((std::vector<int>{state.tilesLeft, scene.host.nameRequests, state.winHandled}),
              (std::vector<int>{0, 1, 1}));
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
