#include <gtest/gtest.h>

#include "ScoresFixture.h"
#include "files/HallOfFameFile.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Play.h"
#include "game/RecordWin.h"
#include "game/Redraw.h"
#include "game/Status.h"

namespace {

struct RecordWin : ScoresFixture {
    GameState& state = app.game.state;

    void SetUp() override {
        ScoresFixture::SetUp();
        host.winnerName = "Winner";
        state.tilesLeft = 0;
        state.winHandled = 0;
        state.autoPlayRunning = 0;
        state.gameWasLoaded = 0;
    }
    bool scoresWritten() { return fileExistsIn(app.dirs.scores, "CLASSIC.TVS"); }
    void winIn(int32_t seconds) {
        state.elapsedSeconds = seconds;
        recordWin(app);
    }
};

}  // namespace

TEST_F(RecordWin, AFastWinEntersAtTheTopAndIsStored) {
    winIn(299);
    EXPECT_EQ(state.winHandled, 1);
    EXPECT_EQ(host.nameRequests, 1);
    ASSERT_EQ(host.hallsShown.size(), 1u);
    const HallOfFameEntry& top = host.hallsShown[0].entries[0];
    EXPECT_EQ(top.playerName, "Winner");
    EXPECT_EQ(top.timeText, "00:04:59");
    EXPECT_EQ(top.timeSeconds, 299);
    EXPECT_EQ(app.hallOfFame.entries[9].timeSeconds, 780);
    EXPECT_TRUE(host.messages.empty());
    HallOfFame stored;
    const std::string bytes = readText(scoresFile());
    ASSERT_TRUE(decodeHallOfFame(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), stored));
    EXPECT_EQ(stored.entries[0].playerName, "Winner");
    EXPECT_EQ(stored.entries[1].timeSeconds, 300);
}

TEST_F(RecordWin, ATimeEqualToTheTenthDoesNotQualify) {
    winIn(840);
    EXPECT_EQ(host.nameRequests, 1);
    EXPECT_TRUE(host.hallsShown.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Not fast enough");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::information);
    EXPECT_EQ(app.hallOfFame.entries[9].playerName, "Tavrek");
    EXPECT_FALSE(scoresWritten());
}

TEST_F(RecordWin, OnlyTheFirstCallAfterTheWinActs) {
    state.tilesLeft = 2;
    winIn(10);
    EXPECT_EQ(host.nameRequests + state.winHandled, 0);
    state.tilesLeft = 0;
    winIn(10);
    winIn(10);
    clockTick(app);
    EXPECT_EQ(host.nameRequests, 1);
    EXPECT_EQ(host.hallsShown.size(), 1u);
    EXPECT_EQ(state.elapsedSeconds, 10) << "the clock stops at the win";
    EXPECT_EQ(app.hallOfFame.entries[1].timeSeconds, 300) << "the time is sorted in once";
}

TEST_F(RecordWin, NamesAreCutTo21CharactersAndMayBeEmpty) {
    host.winnerName = std::string(30, 'z');
    winIn(100);
    EXPECT_EQ(app.hallOfFame.entries[0].playerName, std::string(21, 'z'));
    host.winnerName.clear();
    state.winHandled = 0;
    winIn(50);
    EXPECT_EQ(app.hallOfFame.entries[0].playerName, "");
    EXPECT_EQ(app.hallOfFame.entries[0].timeText, "00:00:50");
}

TEST_F(RecordWin, LongGamesKeepTheirHoursInTheTimeText) {
    fillDefaultHallOfFame(app.hallOfFame);
    app.hallOfFame.entries[9].timeSeconds = 400000;
    winIn(3 * 3600 + 2 * 60 + 5);
    EXPECT_EQ(app.hallOfFame.entries[9].timeText, "03:02:05");
    state.winHandled = 0;
    app.hallOfFame.entries[9].timeSeconds = 400000;
    winIn(100 * 3600);
    EXPECT_EQ(app.hallOfFame.entries[9].timeText, "100:00:00");
}

TEST_F(RecordWin, ALoadedGameShowsTheTableButLeavesTheFile) {
    start.write("SCORES/CLASSIC.TVS", encodeHallOfFame(app.hallOfFame));
    const std::string before = readText(scoresFile());
    state.gameWasLoaded = 1;
    winIn(200);
    ASSERT_EQ(host.hallsShown.size(), 1u);
    EXPECT_EQ(host.hallsShown[0].entries[0].timeSeconds, 200);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Loaded game");
    EXPECT_EQ(readText(scoresFile()), before);
}

TEST_F(RecordWin, ADemonstrationIsNeverAWin) {
    state.autoPlayRunning = 1;
    winIn(1);
    EXPECT_EQ(host.nameRequests, 0);
    EXPECT_TRUE(host.hallsShown.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(scoresWritten());
    // A click that stops the player before its restart does not turn the demonstration into a win.
    state.autoPlayRunning = 0;
    recordWin(app);
    EXPECT_EQ(host.nameRequests, 0);
}

// The status bar, the clock and every frame show the board; none of them records it.
TEST_F(RecordWin, RefreshingTheBoardOrTheStatusNeverRecordsAWin) {
    state.elapsedSeconds = 10;
    updateStatus(app);
    clockTick(app);
    redrawBoard(app);
    EXPECT_EQ(state.winHandled, 0);
    EXPECT_EQ(host.nameRequests, 0);
    EXPECT_TRUE(host.hallsShown.empty());
    EXPECT_FALSE(scoresWritten());
    EXPECT_EQ(host.statusTexts.size(), 3u);
}

TEST_F(RecordWin, AWholeGameWonByClicksWritesTheLayoutsFile) {
    const std::string layout = readText(shippedDataDirectory() + "/LAYOUTS/DEFAULT.TVL");
    start.write("LAYOUTS/DEFAULT.TVL", layout);
    app.settings.Layout = "DEFAULT.TVL";
    app.settings.RemoveTileTime = 0;
    loadLayout(app);
    dealNewGame(app);
    ASSERT_EQ(state.tilesLeft, tileCount);
    state.elapsedSeconds = 123;
    const std::array<uint8_t, tileCount> order = state.removalOrder;
    for (size_t k = 0; k < tileCount; k += 2) {
        clickTile(app, order[k]);
        clickTile(app, order[k + 1]);
        ASSERT_EQ(host.nameRequests, k + 2 == tileCount ? 1 : 0) << k;
    }
    HallOfFame stored;
    const std::string bytes = readText(scoresFile("DEFAULT.TVS"));
    ASSERT_TRUE(decodeHallOfFame(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), stored));
    EXPECT_EQ(stored.entries[0].playerName, "Winner");
    EXPECT_EQ(stored.entries[0].timeText, "00:02:03");
    EXPECT_EQ(stored.entries[9].timeSeconds, 780);
}
