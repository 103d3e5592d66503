// Players name their folders after themselves. Started from such a folder,
// the program finds its data there, plays, saves and loads a game, records a
// win and keeps its settings.
#include <gtest/gtest.h>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "files/Caption.h"
#include "game/Commands.h"
#include "shell/Shell.h"

using StartFolder = ::testing::TestWithParam<const char*>;

TEST_P(StartFolder, TheProgramFindsItsFilesSavesAGameRecordsAWinAndKeepsItsSettings) {
    const std::string name = GetParam();
    ShellDriver driver(name);
    driver.install(playSettings + "TileSet         = \"STANDARD.BMP\"\r\nBackground      = \"JADE.BMP\"\r\n"
                                  "ShowChrono      = 1\r\n");
    ASSERT_TRUE(driver.startForPlay()) << (ShellDriver::messages.empty() ? "" : ShellDriver::messages[0].text);
    EXPECT_TRUE(ShellDriver::messages.empty());
    const App& app = shell().app;
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    EXPECT_GT(app.view.tileSet.fileImage.width, 0);
    EXPECT_GT(app.view.background.fileImage.width, 0);
    EXPECT_GT(menuTexts(subMenuTitled(GetMenu(driver.window), "&Layout")).size(), 30u);
    driver.removePair();
    // The game is saved under the player's name, which the title shows once it is loaded.
    answerDialogs({{productCaption, [name](HWND dialog) { typeFileName(dialog, name); }}});
    driver.command(command::saveGame);
    answerWinDialogs("Marguerite");
    for (int k = 1; k < tileCount / 2; ++k) driver.removePair(k);
    EXPECT_EQ(winDialogsSeen().hallOfFameDialogs, 1);
    EXPECT_NE(readText(driver.startDirectory / "SCORES" / "DEFAULT.TVS").find("Marguerite"), std::string::npos);
    answerDialogs({{productCaption, [name](HWND dialog) { typeFileName(dialog, name + ".TVM"); }}});
    driver.command(command::loadGame);
    EXPECT_EQ(app.game.state.tilesLeft, tileCount - 2) << "the game saved in this folder comes back";
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - " + name + ".tvm");
    driver.command(command::showChrono);
    driver.stop();
    EXPECT_NE(driver.settingsFile().find("\r\nShowChrono      = 0\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(PlayerNames, StartFolder,
                         ::testing::Values("J\xC3\xBCrgen", "\xE3\x83\x97\xE3\x83\xAC\xE3\x82\xA4\xE3\x83\xA4\xE3\x83\xBC"));
