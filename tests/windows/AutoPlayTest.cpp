#include <gtest/gtest.h>

#include "ShellDriver.h"
#include "game/AutoPlay.h"
#include "engine/Commands.h"
#include "shell/Shell.h"

namespace {

struct AutoPlayDriver : ::testing::Test {
    void SetUp() override {
        driver.copyShippedData();
        driver.writeSettings(
            "; settings\r\n\r\nLanguage        = \"ENGLISH.TXT\"\r\nLayout          = \"DEFAULT.TVL\"\r\n"
            "AutoPlaySleep   = 10\r\nShowChrono      = 1\r\nEasyMode        = 1\r\n");
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

TEST_F(AutoPlayDriver, AutoPlayFromTheMenuFinishesWithTheBoardBackAtItsStart) {
    const BoardGrid dealt = shell().app.game.boardGrid;
    state().elapsedSeconds = 42;
    driver.command(command::autoPlay);
    ASSERT_TRUE(waitForTheWorker());
    EXPECT_TRUE(ShellDriver::messages.empty());
    EXPECT_EQ(shell().app.game.boardGrid, dealt);
    EXPECT_EQ(state().tilesLeft, tileCount);
    EXPECT_EQ(state().movesMade, 0);
    EXPECT_EQ(state().elapsedSeconds, 0) << "the restart after the demonstration";
    EXPECT_EQ(state().autoPlayRunning, 0);
    EXPECT_EQ(driver.statusText(), "144 tiles" + std::string(20, ' ') + "Time : 00:00:00");
}

TEST_F(AutoPlayDriver, AfterAMoveAutoPlayIsRefusedWithAMessage) {
    driver.clickTile(state().removalOrder[0]);
    driver.clickTile(state().removalOrder[1]);
    ASSERT_EQ(state().tilesLeft, 142);
    driver.command(command::autoPlay);
    ASSERT_TRUE(waitForTheWorker());
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, shell().app.language.MesAutoplayError);
    EXPECT_EQ(ShellDriver::messages[0].caption, "Tavrek v3.2");
    EXPECT_EQ(ShellDriver::messages[0].type, UINT(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(state().tilesLeft, 142);
}
