// The keys, buttons and window messages of play reach the game's operations;
// the rules behind them are the game's own and tested natively.
#include <gtest/gtest.h>

#include <filesystem>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "game/Commands.h"
#include "game/AutoPlay.h"
#include "shell/Shell.h"

namespace {

const std::string blanks(20, ' ');

struct PlayDriver : ::testing::Test {
    void SetUp() override {
        driver.install(playSettings + "AutoPlaySleep = 10\r\nShowChrono = 1\r\nEasyMode = 1\r\n");
        ASSERT_TRUE(driver.startForPlay());
    }
    GameState& state() { return shell().app.game.state; }
    // The window thread goes on handling its messages while the worker plays.
    bool waitForTheWorker() {
        for (int waited = 0; waited < 30000; waited += 5) {
            driver.pump();
            if (!autoPlayerBusy(shell().app)) return true;
            Sleep(5);
        }
        return false;
    }
    ShellDriver driver;
};

}  // namespace

TEST_F(PlayDriver, StatusBarClockFocusCursorAndSizeFollowTheWindow) {
    state().elapsedSeconds = 3725;
    driver.key(VK_F5);
    EXPECT_EQ(driver.statusText(), "144 tiles" + blanks + "Time : paused");
    driver.key(VK_F5);
    SendMessageA(driver.window, WM_TIMER, 900, 0);
    EXPECT_EQ(driver.statusText(), "144 tiles" + blanks + "Time : 01:02:06");
    SendMessageA(driver.window, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(state().tilesHidden, 1);
    SendMessageA(driver.window, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(state().tilesHidden, 0);

    SendMessageA(driver.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 80));
    EXPECT_EQ(GetCursor(), shell().busyCursor);
    SendMessageA(driver.window, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 80));
    EXPECT_EQ(GetCursor(), shell().normalCursor);

    const Shell& s = shell();
    MoveWindow(driver.window, 10, 10, 700, 500, TRUE);
    driver.pump();
    RECT client, bar;
    GetClientRect(driver.window, &client);
    GetWindowRect(s.statusBar, &bar);
    MapWindowPoints(nullptr, driver.window, reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(s.app.view.boardWidth, client.right) << "the board spans the client area";
    EXPECT_EQ(s.toolbarHeight + s.app.view.boardHeight, bar.top) << "and ends where the status bar begins";
    driver.clickTile(state().removalOrder[0]);
    EXPECT_EQ(state().selectedTile, state().removalOrder[0]) << "the heap was laid out anew";
}

// Undo from the right button, a new game from F2; the demonstration is refused
// after a move with a message box and plays a fresh deal.
TEST_F(PlayDriver, UndoNewGameAndTheAutomaticPlayer) {
    driver.removePair(0);
    driver.removePair(1);
    SendMessageA(driver.window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(state().tilesLeft, 142);
    driver.command(command::autoPlay);
    ASSERT_TRUE(waitForTheWorker());
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].type, UINT(MB_OK | MB_ICONINFORMATION));
    driver.key(VK_F2);
    EXPECT_EQ(state().tilesLeft, 144);
    const BoardGrid dealt = shell().app.game.boardGrid;
    state().elapsedSeconds = 42;
    driver.command(command::autoPlay);
    ASSERT_TRUE(waitForTheWorker());
    EXPECT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(shell().app.game.boardGrid, dealt);
    EXPECT_EQ(driver.statusText(), "144 tiles" + blanks + "Time : 00:00:00") << "restarted after the demonstration";
}

// F8 shows the table loaded and writes nothing; a win asks the name (Escape
// does not close that dialog), shows the table and writes its file.
TEST_F(PlayDriver, ClickingTheSolutionPairsWinsTheGameAndEntersTheHallOfFame) {
    const std::string scores = driver.start_.path + "\\SCORES\\DEFAULT.TVS";
    shell().app.hallOfFame.entries[0].playerName = "Earlier";
    answerWinDialogs("");
    driver.key(VK_F8);
    EXPECT_EQ(winDialogsSeen().hallOfFameDialogs, 1);
    EXPECT_FALSE(std::filesystem::exists(scores));

    answerWinDialogs("Marguerite");
    state().elapsedSeconds = 65;
    for (int k = 0; k < tileCount / 2; ++k) {
        driver.removePair(k);
        ASSERT_EQ(state().tilesLeft, tileCount - 2 * k - 2) << k;
    }
    // Whether the end text is still shown depends on whether the win's dialogs took the
    // focus (losing it ends the showing); the clock has stopped either way.
    const std::string status = driver.statusText();
    EXPECT_EQ(status.substr(0, 42), "0 tiles" + blanks + "Time : 00:01:05") << status;
    const WinDialogsSeen& seen = winDialogsSeen();
    EXPECT_EQ(seen.nameDialogs, 1);
    EXPECT_TRUE(seen.escapeIgnored);
    EXPECT_EQ(seen.prompt, shell().app.language.WINNAME);
    EXPECT_EQ(seen.hallOfFameDialogs, 1);
    ASSERT_EQ(seen.names.size(), 10u);
    EXPECT_EQ(seen.names[0] + seen.times[0] + seen.names[1] + seen.times[9], "Marguerite00:01:05Earlier00:13:00");
    EXPECT_NE(readText(scores).find("Marguerite"), std::string::npos);
}
