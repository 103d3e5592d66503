#include <gtest/gtest.h>

#include <algorithm>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "engine/Commands.h"
#include "files/HallOfFameFile.h"
#include "shell/Shell.h"

namespace {

const std::string blanks(20, ' ');

// A layout's command, found by its label in the layout menu, whose list of
// files follows the menu's first four items.
unsigned layoutCommand(HMENU bar, const std::string& label) {
    const std::vector<std::string> layouts = menuTexts(subMenuTitled(bar, "&Layout"));
    const auto found = std::find(layouts.begin(), layouts.end(), label);
    EXPECT_NE(found, layouts.end()) << label;
    return 22000u + static_cast<unsigned>(found - layouts.begin() - 4);
}

struct PlayDriver : ::testing::Test {
    void SetUp() override {
        driver.copyShippedData();
        driver.writeSettings(
            "; settings\r\n\r\nLanguage        = \"ENGLISH.TXT\"\r\nLayout          = \"DEFAULT.TVL\"\r\n"
            "RemoveTileTime  = 0\r\nShowChrono      = 1\r\nEasyMode        = 1\r\n");
        ASSERT_TRUE(driver.start());
        // Ticks are sent by the tests, so no real second can slip in between.
        KillTimer(driver.window, 900);
#if TAVREK_3D
        driver.key(VK_SPACE);  // clicks go to the 2D view
#endif
    }
    GameState& state() { return shell().app.game.state; }
    ShellDriver driver;
};

}  // namespace

TEST_F(PlayDriver, TheTitleNamesTheLayoutAndTheStatusBarTheTilesAndClock) {
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    state().elapsedSeconds = 3725;
    driver.command(command::showChrono);
    driver.command(command::showChrono);
    EXPECT_EQ(driver.statusText(), "144 tiles" + blanks + "Time : 01:02:05");
    driver.key(VK_F11);
    EXPECT_EQ(driver.statusText(), "144 tiles");
}

// The rules of pausing and focus are the game's own (tested natively); here, that
// the keys and window messages reach them.
TEST_F(PlayDriver, PauseFocusAndTheClockTimerReachTheGame) {
    driver.key(VK_F5);
    EXPECT_EQ(state().tilesHidden, 1);
    EXPECT_EQ(driver.statusText(), "144 tiles" + blanks + "Time : paused");
    driver.key(VK_F5);
    const int32_t before = state().elapsedSeconds;
    SendMessageA(driver.window, WM_TIMER, 900, 0);
    EXPECT_EQ(state().elapsedSeconds, before + 1);
    SendMessageA(driver.window, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(state().tilesHidden, 1);
    SendMessageA(driver.window, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(state().tilesHidden, 0);
}

TEST_F(PlayDriver, ClickingTheSolutionPairsWinsTheGameAndEntersTheHallOfFame) {
    answerWinDialogs("Marguerite");
    state().elapsedSeconds = 65;
    const std::array<uint8_t, tileCount> order = state().removalOrder;
    for (int k = 0; k < tileCount; k += 2) {
        driver.clickTile(order[static_cast<size_t>(k)]);
        ASSERT_EQ(state().selectedTile, order[static_cast<size_t>(k)]) << k;
        driver.clickTile(order[static_cast<size_t>(k + 1)]);
        ASSERT_EQ(state().tilesLeft, tileCount - k - 2) << k;
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
    EXPECT_EQ(seen.names[0], "Marguerite");
    EXPECT_EQ(seen.times[0], "00:01:05");
    EXPECT_EQ(seen.times[9], "00:13:00");
    const std::vector<uint8_t> bytes = readScoresFile(driver);
    HallOfFame stored;
    ASSERT_TRUE(decodeHallOfFame(bytes.data(), bytes.size(), stored));
    EXPECT_EQ(stored.entries[0].playerName, "Marguerite");
    EXPECT_EQ(stored.entries[0].timeSeconds, 65);
    SendMessageA(driver.window, WM_TIMER, 900, 0);
    EXPECT_EQ(state().elapsedSeconds, 65) << "the clock stopped at the win";
    EXPECT_EQ(winDialogsSeen().nameDialogs, 1);
    stopAnsweringWinDialogs();
}

TEST_F(PlayDriver, TheRightButtonUndoesLikeF7) {
    const std::array<uint8_t, tileCount> order = state().removalOrder;
    driver.clickTile(order[0]);
    driver.clickTile(order[1]);
    driver.clickTile(order[2]);
    driver.clickTile(order[3]);
    ASSERT_EQ(state().tilesLeft, 140);
    SendMessageA(driver.window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(state().tilesLeft, 142);
    driver.key(VK_F7);
    EXPECT_EQ(state().tilesLeft, 144);
}

TEST_F(PlayDriver, AClickBesideTheTilesSelectsNothing) {
    driver.clickTile(state().removalOrder[0]);
    ASSERT_NE(state().selectedTile, noTile);
    driver.click(1, shell().toolbarHeight + 1);
    EXPECT_EQ(state().selectedTile, noTile);
}

TEST_F(PlayDriver, NewGameFromKeyMenuAndToolbarRunTheSameCommand) {
    for (const auto& input : {0, 1}) {
        driver.clickTile(state().removalOrder[0]);
        driver.clickTile(state().removalOrder[1]);
        ASSERT_EQ(state().tilesLeft, 142);
        if (input == 0)
            driver.key(VK_F2);
        else
            driver.command(command::newGame);
        EXPECT_EQ(state().tilesLeft, 144) << input;
        EXPECT_EQ(state().elapsedSeconds, 0) << input;
    }
}

TEST_F(PlayDriver, ChoosingALayoutDealsItAndMovesTheCheckMarks) {
    HMENU bar = GetMenu(driver.window);
    const unsigned pyramidId = layoutCommand(bar, "PYRAMID");
    const unsigned defaultId = layoutCommand(bar, "DEFAULT");
    EXPECT_TRUE(isChecked(bar, defaultId));
    driver.clickTile(state().removalOrder[0]);
    driver.clickTile(state().removalOrder[1]);
    driver.command(pyramidId);
    EXPECT_EQ(shell().app.settings.Layout, "PYRAMID.TVL");
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Pyramid.tvl");
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_TRUE(isChecked(bar, pyramidId));
    EXPECT_FALSE(isChecked(bar, defaultId));
    driver.command(command::randomLayout);
    EXPECT_EQ(shell().app.settings.Layout, "RANDOM.TVL");
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Random.tvl");
    EXPECT_TRUE(isChecked(bar, command::randomLayout));
    EXPECT_FALSE(isChecked(bar, pyramidId));
    driver.command(defaultId);
    EXPECT_FALSE(isChecked(bar, command::randomLayout));
    EXPECT_TRUE(isChecked(bar, defaultId));
}

TEST_F(PlayDriver, TheHelpKeyShowsNoMessageWithoutAHelpPage) {
    shell().app.language.helpFileName.clear();
    driver.key(VK_F1);
    EXPECT_TRUE(ShellDriver::messages.empty());
    EXPECT_FALSE(driver.quit);
}

namespace {

std::string typedLayoutName;

// Runs inside the open dialog's own loop: types a bare name and confirms,
// or cancels when no name is given.
void CALLBACK answerFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(MAKEINTATOM(32770), "Tavrek v3.2");
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    if (typedLayoutName.empty()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    HWND nameField = GetDlgItem(dialog, 0x047C);  // the file name combo box
    if (nameField == nullptr) nameField = GetDlgItem(dialog, 0x0480);  // or the plain edit
    SetWindowTextA(nameField, typedLayoutName.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST_F(PlayDriver, LoadLayoutTakesTheChosenNameInUpperCaseOrChangesNothing) {
    typedLayoutName.clear();
    SetTimer(nullptr, 0, 100, answerFileDialog);
    driver.key(VK_F4);
    EXPECT_EQ(shell().app.settings.Layout, "DEFAULT.TVL");
    typedLayoutName = "Cross.tvl";
    SetTimer(nullptr, 0, 100, answerFileDialog);
    driver.key(VK_F4);
    EXPECT_EQ(shell().app.settings.Layout, "CROSS.TVL");
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Cross.tvl");
    HMENU bar = GetMenu(driver.window);
    EXPECT_TRUE(isChecked(bar, layoutCommand(bar, "CROSS")));
    EXPECT_FALSE(isChecked(bar, layoutCommand(bar, "DEFAULT")));
}

TEST_F(PlayDriver, ResizingFollowsTheBoardAreaAndKeepsTheStatusBarAtTheBottom) {
    const Shell& s = shell();
    for (const auto& [width, height] : {std::pair<int, int>{600, 450}, {1100, 900}}) {
        MoveWindow(driver.window, 10, 10, width, height, TRUE);
        driver.pump();
        EXPECT_EQ(s.app.view.boardWidth, width - 2 * GetSystemMetrics(SM_CXDLGFRAME)) << width;
        EXPECT_EQ(s.app.view.boardHeight,
                  height - s.nonClientHeight - s.toolbarHeight - s.statusBarHeight) << width;
        EXPECT_EQ(s.app.view.boardTop, s.toolbarHeight);
        RECT client;
        RECT bar;
        GetClientRect(driver.window, &client);
        GetWindowRect(s.statusBar, &bar);
        MapWindowPoints(nullptr, driver.window, reinterpret_cast<POINT*>(&bar), 2);
        EXPECT_EQ(bar.bottom, client.bottom) << width;
        EXPECT_EQ(bar.right - bar.left, client.right) << width;
    }
    // The heap is laid out anew: a click on a tile still finds it.
    driver.clickTile(state().removalOrder[0]);
    EXPECT_EQ(state().selectedTile, state().removalOrder[0]);
}

TEST_F(PlayDriver, DraggingWithTheLeftButtonShowsTheBusyCursor) {
    SendMessageA(driver.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 80));
    EXPECT_EQ(GetCursor(), shell().busyCursor);
    SendMessageA(driver.window, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 80));
    EXPECT_EQ(GetCursor(), shell().normalCursor);
    SendMessageA(driver.window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 80));
    EXPECT_EQ(GetCursor(), shell().normalCursor);
    EXPECT_NE(shell().busyCursor, shell().normalCursor);
}

TEST_F(PlayDriver, F8ShowsTheTableOfTheLayoutLoaded) {
    shell().app.hallOfFame.entries[0].playerName = "Earlier";
    answerWinDialogs("");
    driver.key(VK_F8);
    ASSERT_EQ(winDialogsSeen().hallOfFameDialogs, 1);
    EXPECT_EQ(winDialogsSeen().names[0], "Earlier");
    EXPECT_EQ(winDialogsSeen().times[1], "00:06:00");
    EXPECT_EQ(winDialogsSeen().nameDialogs, 0);
    EXPECT_TRUE(readScoresFile(driver).empty());
    stopAnsweringWinDialogs();
}
