#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/App.h"
#include "game/Status.h"

namespace {

const std::string blanks(20, ' ');

struct Status : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameState& state = app.game.state;
    void SetUp() override {
        app.language.Tiles = "tiles";
        app.language.Chrono = "Time";
        app.language.MesChronoPaused = "paused";
        app.language.Sol = "Pair";
        app.language.MesStatusWin = "Won!";
        app.language.MesStatusLose = "Lost.";
        app.settings.ShowChrono = 1;
        state.tilesLeft = 144;
    }
    // Sets tiles left, the clock, the hint (shown, index, pairs) and pause; gives the status.
    std::string status(int tiles, int seconds, std::vector<int> hint = {0, 0, 0}, int hidden = 0) {
        state.tilesLeft = int16_t(tiles);
        state.elapsedSeconds = seconds;
        state.showMoves = uint8_t(hint[0]);
        state.hintIndex = int16_t(hint[1]);
        app.game.moveList.moveCount = int16_t(hint[2]);
        state.tilesHidden = uint8_t(hidden);
        return composeStatus(app);
    }
};

}  // namespace

TEST_F(Status, TilesThenTwentyBlanksTheClockAndTheHint) {
    EXPECT_EQ(status(144, 3725), "144 tiles" + blanks + "Time : 01:02:05");
    EXPECT_EQ(status(144, 360000), "144 tiles" + blanks + "Time : 100:00:00");
    EXPECT_EQ(status(144, 5, {0, 0, 0}, 1), "144 tiles" + blanks + "Time : paused");
    EXPECT_EQ(status(40, 0, {1, 2, 12}), "40 tiles" + blanks + "Time : 00:00:00" + blanks + "Pair 3 / 12");
    app.settings.ShowChrono = 0;
    EXPECT_EQ(status(144, 5), "144 tiles");
    EXPECT_EQ(status(40, 0, {1, 11, 12}), "40 tiles" + blanks + "Pair 12 / 12");
    EXPECT_EQ(status(40, 0, {1, 0, 0}), "40 tiles" + blanks + "Lost.");
    EXPECT_EQ(status(0, 0, {1, 0, 0}), "0 tiles" + blanks + "Won!");
    EXPECT_EQ(status(0, 0), "0 tiles");
}

TEST_F(Status, TheClockCountsOnlyWhileVisibleAndBeforeTheWin) {
    clockTick(app);
    EXPECT_EQ(host.statusTexts, std::vector<std::string>{"144 tiles" + blanks + "Time : 00:00:01"});
    state.tilesHidden = 1;
    clockTick(app);
    state.tilesHidden = 0;
    state.winHandled = 1;
    clockTick(app);
    EXPECT_EQ(state.elapsedSeconds, 1);
    state.winHandled = 0;
    app.settings.ShowChrono = 0;
    clockTick(app);
    EXPECT_EQ(state.elapsedSeconds, 2);
    EXPECT_EQ(host.statusTexts.size(), 3u);  // a hidden clock counts on but posts nothing
}
