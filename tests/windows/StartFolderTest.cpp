// Players name their folders after themselves. Started from such a folder,
// the program finds its data there, plays, saves and loads a game, records a
// win and keeps its settings.
#include <gtest/gtest.h>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "engine/Caption.h"
#include "engine/Commands.h"
#include "shell/Shell.h"

namespace {

struct StartFolder : ::testing::TestWithParam<const char*> {
    void SetUp() override {
        driver.nameStartFolder(GetParam());
        driver.copyShippedData();
        driver.writeSettings(
            "Language        = \"ENGLISH.TXT\"\r\nLayout          = \"DEFAULT.TVL\"\r\n"
            "TileSet         = \"STANDARD.BMP\"\r\nBackground      = \"JADE.BMP\"\r\n"
            "RemoveTileTime  = 0\r\nShowChrono      = 1\r\nEasyMode        = 1\r\n");
    }
    ShellDriver driver;
};

}  // namespace

TEST_P(StartFolder, TheProgramFindsItsFilesSavesAGameRecordsAWinAndKeepsItsSettings) {
    ASSERT_TRUE(driver.start()) << (ShellDriver::messages.empty() ? "" : ShellDriver::messages[0].text);
    EXPECT_TRUE(ShellDriver::messages.empty());
    const App& app = shell().app;
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    EXPECT_GT(app.view.tileSet.fileImage.width, 0);
    EXPECT_GT(app.view.background.fileImage.width, 0);
    EXPECT_GT(menuTexts(subMenuTitled(GetMenu(driver.window), "&Layout")).size(), 30u);
    KillTimer(driver.window, 900);
#if TAVREK_3D
    driver.key(VK_SPACE);  // clicks go to the 2D view
#endif
    const GameState& state = app.game.state;
    const std::array<uint8_t, tileCount> order = state.removalOrder;
    driver.clickTile(order[0]);
    driver.clickTile(order[1]);
    // The game is saved under the player's name, which the title shows once it is loaded.
    const std::string name = GetParam();
    answerDialogs({{productCaption, [name](HWND dialog) { typeFileName(dialog, name); }}});
    driver.command(command::saveGame);
    answerWinDialogs("Marguerite");
    for (size_t k = 2; k < order.size(); ++k) driver.clickTile(order[k]);
    EXPECT_EQ(state.tilesLeft, 0);
    stopAnsweringWinDialogs();
    EXPECT_EQ(winDialogsSeen().hallOfFameDialogs, 1);
    EXPECT_NE(readText(driver.startDirectory / "SCORES" / "DEFAULT.TVS").find("Marguerite"), std::string::npos);
    answerDialogs({{productCaption, [name](HWND dialog) { typeFileName(dialog, name + ".TVM"); }}});
    driver.command(command::loadGame);
    stopAnsweringWinDialogs();
    EXPECT_EQ(state.tilesLeft, tileCount - 2) << "the game saved in this folder comes back";
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - " + name + ".tvm");
    driver.command(command::showChrono);
    driver.stop();
    EXPECT_NE(driver.settingsFile().find("\r\nShowChrono      = 0\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(PlayerNames, StartFolder,
                         ::testing::Values("J\xC3\xBCrgen", "\xE3\x83\x97\xE3\x83\xAC\xE3\x82\xA4\xE3\x83\xA4\xE3\x83\xBC"));
