#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/App.h"
#include "game/Status.h"
#include "files/ClockText.h"

namespace {

const std::string blanks(20, ' ');

struct StatusFixture : ::testing::Test {
    StatusFixture() : app(host) {
        app.language.Tiles = "tiles";
        app.language.Chrono = "Time";
        app.language.MesChronoPaused = "paused";
        app.language.Sol = "Pair";
        app.language.MesStatusWin = "Won!";
        app.language.MesStatusLose = "Lost.";
        app.settings.ShowChrono = 1;
        app.game.state.tilesLeft = 144;
    }
    RecordingHost host;
    App app;
};

}  // namespace

TEST(Clock, PartsAreTwoDigitsAndLongHoursGrow) {
    EXPECT_EQ(formatClock(1, 2, 5), "01:02:05");
    EXPECT_EQ(formatClock(0, 0, 0), "00:00:00");
    EXPECT_EQ(formatClock(10, 59, 59), "10:59:59");
    EXPECT_EQ(formatClock(100, 0, 0), "100:00:00");
}

TEST_F(StatusFixture, TilesThenTwentyBlanksAndTheClock) {
    app.game.state.elapsedSeconds = 3725;
    EXPECT_EQ(composeStatus(app), "144 tiles" + blanks + "Time : 01:02:05");
    app.game.state.elapsedSeconds = 360000;
    EXPECT_EQ(composeStatus(app), "144 tiles" + blanks + "Time : 100:00:00");
    app.game.state.tilesHidden = 1;
    EXPECT_EQ(composeStatus(app), "144 tiles" + blanks + "Time : paused");
    app.settings.ShowChrono = 0;
    EXPECT_EQ(composeStatus(app), "144 tiles");
}

TEST_F(StatusFixture, AHintShowsItsPositionOrTheEndOfTheGame) {
    app.settings.ShowChrono = 0;
    app.game.state.showMoves = 1;
    app.game.state.hintIndex = 2;
    app.game.moveList.moveCount = 12;
    app.game.state.tilesLeft = 40;
    EXPECT_EQ(composeStatus(app), "40 tiles" + blanks + "Pair 3 / 12");
    app.game.moveList.moveCount = 0;
    app.game.state.hintIndex = 0;
    EXPECT_EQ(composeStatus(app), "40 tiles" + blanks + "Lost.");
    app.game.state.tilesLeft = 0;
    EXPECT_EQ(composeStatus(app), "0 tiles" + blanks + "Won!");
    app.game.state.showMoves = 0;
    EXPECT_EQ(composeStatus(app), "0 tiles");
}

TEST_F(StatusFixture, TheClockCountsOnlyWhileVisibleAndBeforeTheWin) {
    clockTick(app);
    EXPECT_EQ(app.game.state.elapsedSeconds, 1);
    EXPECT_EQ(host.statusTexts.back(), "144 tiles" + blanks + "Time : 00:00:01");
    app.game.state.tilesHidden = 1;
    clockTick(app);
    EXPECT_EQ(app.game.state.elapsedSeconds, 1);
    app.game.state.tilesHidden = 0;
    app.game.state.winHandled = 1;
    clockTick(app);
    EXPECT_EQ(app.game.state.elapsedSeconds, 1);
    app.game.state.winHandled = 0;
    app.settings.ShowChrono = 0;
    const size_t posted = host.statusTexts.size();
    clockTick(app);
    EXPECT_EQ(app.game.state.elapsedSeconds, 2);
    EXPECT_EQ(host.statusTexts.size(), posted);  // a hidden clock counts on but posts nothing
}
