// The demonstration goes on while the window thread is inside a menu's or a
// dialog's own message loop: a thread timer, dispatched by that loop, watches
// the tiles left and closes the menu or dialog once pairs have gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "ShellDriver.h"
#include "game/Commands.h"
#include "game/AutoPlay.h"
#include "resources/resource.h"
#include "shell/Shell.h"
#include "dialogs/WideText.h"

namespace {

struct Watch {
    int first = -1;
    int last = -1;
    DWORD startedAt = 0;
    std::function<void()> close;
    bool closed = false;
};
Watch watch;

int tilesLeft() {
    App& app = shell().app;
    const GameHold hold = holdForWindow(app.gameLock);
    return app.game.state.tilesLeft;
}

// Two pairs gone, or ten seconds without them, ends the wait.
void CALLBACK watchTiles(HWND, UINT, UINT_PTR, DWORD) {
    if (watch.closed) return;
    watch.last = tilesLeft();
    if (watch.first < 0) watch.first = watch.last;
    if (watch.first - watch.last < 4 && GetTickCount() - watch.startedAt < 10000) return;
    watch.closed = true;
    watch.close();
}

struct Demonstration : ::testing::Test {
    void SetUp() override {
        driver.install(playSettings + "AutoPlaySleep = 30\r\nEasyMode = 1\r\n");
        ASSERT_TRUE(driver.startForPlay());
        watch = Watch{};
        watch.startedAt = GetTickCount();
        timer = SetTimer(nullptr, 0, 15, watchTiles);
        driver.command(command::autoPlay);
    }
    void TearDown() override {
        KillTimer(nullptr, timer);
        stopAutoPlayAndWait(shell().app);
    }
    ShellDriver driver;
    UINT_PTR timer = 0;
};

HWND hallOfFameDialog() {
    return FindWindowW(MAKEINTATOM(32770), wideFromUtf8(shell().app.language.HALLFAMECAPTION).c_str());
}

}  // namespace

// The menu bar's loop runs inside DefWindowProc, as for a player's Alt key;
// the arrow key drops the first menu.
TEST_F(Demonstration, RemovesPairsWhileAMenuIsHeldOpen) {
    watch.close = [] { EndMenu(); };
    PostMessageA(driver.window, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(driver.window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_TRUE(watch.closed);
    EXPECT_GE(watch.first - watch.last, 4) << "tiles left went from " << watch.first << " to " << watch.last;
}

TEST_F(Demonstration, RemovesPairsWhileTheHallOfFameIsOpen) {
    watch.close = [] { PostMessageA(hallOfFameDialog(), WM_COMMAND, IDC_HALLOFFAME_OK, 0); };
    driver.command(command::hallOfFame);
    EXPECT_TRUE(watch.closed);
    EXPECT_GE(watch.first - watch.last, 4) << "tiles left went from " << watch.first << " to " << watch.last;
    EXPECT_EQ(hallOfFameDialog(), nullptr);
}
