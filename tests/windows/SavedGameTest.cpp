#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "FileDialogs.h"
#include "ShellDriver.h"
#include "engine/Commands.h"
#include "shell/Shell.h"

namespace fs = std::filesystem;

namespace {

std::string longPath(const std::string& path) {
    char full[MAX_PATH] = {};
    GetLongPathNameA(path.c_str(), full, sizeof full);
    std::string text = full;
    if (!text.empty() && text.back() == '\\') text.pop_back();
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(tolower(c)); });
    return text;
}

struct FileDriver : ::testing::Test {
    void SetUp() override {
        driver.copyShippedData();
        driver.writeSettings("Language = \"ENGLISH.TXT\"\r\nLayout = \"DEFAULT.TVL\"\r\nRemoveTileTime = 0\r\n");
        ASSERT_TRUE(driver.startForPlay());
    }
    GameState& state() { return shell().app.game.state; }
    void removePair(int k) {
        driver.clickTile(state().removalOrder[2 * k]);
        driver.clickTile(state().removalOrder[2 * k + 1]);
    }
    void run(unsigned id, const std::vector<std::string>& answers) {
        answerFileDialogs(answers);
        driver.command(id);
    }
    std::string path(const std::string& relative) const { return driver.start_.path + "\\" + relative; }
    void expectDialog(size_t k, const std::string& folder, const std::string& filter) {
        ASSERT_GT(fileDialogsSeen().size(), k);
        EXPECT_EQ(longPath(fileDialogsSeen()[k].folder), longPath(path(folder)));
        EXPECT_EQ(fileDialogsSeen()[k].filter, filter);
    }
    ShellDriver driver;
};

}  // namespace

TEST_F(FileDriver, AGameSavedUnderANewNameLoadsAgainAndCancelledDialogsChangeNothing) {
    removePair(0);
    run(command::saveGame, {"Level7"});
    expectDialog(0, "SAVEGAME", shell().app.language.FilterSaveGame);
    EXPECT_EQ(fs::file_size(path("SAVEGAME\\Level7.TVM")), 9445u);
    driver.key(VK_F2);
    run(command::saveGame, {""});
    run(command::loadGame, {""});
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    run(command::loadGame, {"Level7.TVM"});
    expectDialog(0, "SAVEGAME", shell().app.language.FilterSaveGame);
    EXPECT_EQ(state().tilesLeft, 142);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Level7.tvm");
    EXPECT_EQ(std::distance(fs::directory_iterator(path("SAVEGAME")), fs::directory_iterator()), 2);
    EXPECT_TRUE(ShellDriver::messages.empty());
}

TEST_F(FileDriver, SavingOverAFileAsksFirst) {
    run(command::saveGame, {"A"});
    const auto earlier = fs::last_write_time(path("SAVEGAME\\A.TVM"));
    const uintmax_t size = fs::file_size(path("SAVEGAME\\A.TVM"));
    removePair(0);
    run(command::saveGame, {"A.TVM", "no", ""});
    ASSERT_EQ(fileDialogsSeen().size(), 3u);
    EXPECT_TRUE(fileDialogsSeen()[1].overwritePrompt);
    EXPECT_EQ(fs::last_write_time(path("SAVEGAME\\A.TVM")), earlier);
    run(command::saveGame, {"A.TVM", "yes"});
    EXPECT_EQ(fileDialogsSeen().size(), 2u);
    EXPECT_EQ(fs::file_size(path("SAVEGAME\\A.TVM")), size);
    driver.key(VK_F2);
    run(command::loadGame, {"A.TVM"});
    EXPECT_EQ(state().tilesLeft, 142) << "the second save replaced the first";
}

TEST_F(FileDriver, ASavedLayoutIsListedCheckedAndNamedInTheTitle) {
    removePair(0);
    run(command::saveLayout, {"Mine"});
    expectDialog(0, "LAYOUTS", shell().app.language.FilterLayout);
    EXPECT_EQ(shell().app.settings.Layout, "MINE.TVL");
    EXPECT_TRUE(fs::exists(path("LAYOUTS\\Mine.TVL")));
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Mine.tvl");
    EXPECT_EQ(state().tilesLeft, 142) << "the board is untouched";
    EXPECT_TRUE(isChecked(GetMenu(driver.window), layoutCommand(GetMenu(driver.window), "Mine")));
}
