#include <gtest/gtest.h>

#include "ScoresFixture.h"
#include "files/HallOfFameFile.h"
#include "game/RecordWin.h"
#include "game/Redraw.h"
#include "game/Status.h"

namespace {

struct RecordWin : ScoresFixture {
    GameState& state = app.game.state;

    void SetUp() override {
        ScoresFixture::SetUp();
        host.winnerName = "Winner";
        state = GameState{};
        state.tilesLeft = 0;
    }
    // What the player met so far: name dialogs, tables, messages, the file.
    std::string seen() const {
        std::string text = "asked " + std::to_string(host.nameRequests) + ", shown " + std::to_string(host.hallsShown.size());
        for (const RecordedMessage& m : host.messages)
            text += ", says " + m.text + (m.icon == MessageIcon::information ? " (i)" : " (!)");
        return text + (fileExistsIn(app.dirs.scores, "CLASSIC.TVS") ? ", stored" : "");
    }
    std::string winIn(int32_t seconds) {
        state.elapsedSeconds = seconds;
        recordWin(app);
        return seen();
    }
    HallOfFame stored() const {
        HallOfFame table;
        const std::string bytes = readText(scoresFile());
        EXPECT_TRUE(decodeHallOfFame(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), utf8FromWindows1252, table));
        return table;
    }
};

}  // namespace

TEST_F(RecordWin, AFastWinEntersOnceAtTheTopAndIsStored) {
    host.winnerName = std::string(30, 'z');
    EXPECT_EQ(winIn(299), "asked 1, shown 1, stored");
    const HallOfFameEntry& top = host.hallsShown[0].entries[0];
    EXPECT_EQ(top.playerName + " " + top.timeText + " " + std::to_string(top.timeSeconds),
              std::string(21, 'z') + " 00:04:59 299");
    EXPECT_EQ(app.hallOfFame.entries[9].timeSeconds, 780);
    EXPECT_EQ(stored().entries[0].playerName, std::string(21, 'z'));
    EXPECT_EQ(stored().entries[1].timeSeconds, 300);
    // Only the first call after the win acts.
    EXPECT_EQ(winIn(10), "asked 1, shown 1, stored");
    EXPECT_EQ(app.hallOfFame.entries[1].timeSeconds, 300);
    state.winHandled = 0;
    host.winnerName.clear();
    winIn(50);
    EXPECT_EQ(app.hallOfFame.entries[0].playerName + app.hallOfFame.entries[0].timeText, "00:00:50");
}

TEST_F(RecordWin, UnfinishedDemonstratedSlowAndLoadedWinsAreNotStored) {
    state.tilesLeft = 2;
    EXPECT_EQ(winIn(10), "asked 0, shown 0");
    EXPECT_EQ(state.winHandled, 0);
    state.tilesLeft = 0;
    state.autoPlayRunning = 1;
    EXPECT_EQ(winIn(1), "asked 0, shown 0");
    // A click that stops the player before its restart does not turn the demonstration into a win.
    state.autoPlayRunning = 0;
    EXPECT_EQ(winIn(1), "asked 0, shown 0");
    state.winHandled = 0;
    EXPECT_EQ(winIn(840), "asked 1, shown 0, says Not fast enough (i)") << "equal to the tenth";
    EXPECT_EQ(app.hallOfFame.entries[9].playerName, "Tavrek");
    state.winHandled = 0;
    state.gameWasLoaded = 1;
    host.messages.clear();
    EXPECT_EQ(winIn(839), "asked 2, shown 1, says Loaded game (i)") << "just faster than the tenth";
    EXPECT_EQ(host.hallsShown[0].entries[9].timeSeconds, 839);
}

// The status bar, the clock and every frame show the board; none of them records it.
TEST_F(RecordWin, RefreshingTheBoardOrTheStatusNeverRecordsAWin) {
    updateStatus(app);
    clockTick(app);
    redrawBoard(app);
    EXPECT_EQ(state.winHandled, 0);
    EXPECT_EQ(seen(), "asked 0, shown 0");
    EXPECT_EQ(host.statusTexts.size(), 3u);
}
