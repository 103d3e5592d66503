// Saved games and layouts through the program's real open and save dialogs:
// the folder and file type they show, the files on disk, title and check marks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "files/Caption.h"
#include "game/Commands.h"
#include "shell/Shell.h"

namespace fs = std::filesystem;

namespace {

struct FileDriver : ::testing::Test {
    void SetUp() override {
        driver.install(playSettings);
        ASSERT_TRUE(driver.startForPlay());
    }
    GameState& state() { return shell().app.game.state; }
    // Types the name into an open or save dialog and confirms it ("" cancels),
    // noting the folder and the file type the dialog shows.
    DialogAnswer fileAnswer(const std::string& name) {
        return {productCaption, [this, name](HWND dialog) {
                    wchar_t folder[MAX_PATH] = {};  // the program's dialogs are the wide ones
                    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
                    shown.push_back(fs::path(folder).filename().string() + ": " + itemText(dialog, cmb1));
                    typeFileName(dialog, name);
                }};
    }
    // Each name answers one file dialog in turn; a button, IDYES or IDNO, the
    // question asked after the first before a file is replaced. Gives what the
    // first dialog showed.
    std::string run(unsigned id, const std::vector<std::string>& names, int overwrite = 0) {
        shown.clear();
        std::vector<DialogAnswer> answers;
        for (const std::string& name : names) answers.push_back(fileAnswer(name));
        const auto answerQuestion = [overwrite](HWND question) { SendMessageA(question, WM_COMMAND, overwrite, 0); };
        if (overwrite != 0) answers.insert(answers.begin() + 1, {productCaption, answerQuestion});
        answerDialogs(answers);
        driver.command(id);
        stopAnsweringWinDialogs();
        EXPECT_EQ(answersLeft(), 0u);
        EXPECT_EQ(dialogsLeftOpen(), 0);
        return shown.empty() ? "" : shown[0];
    }
    std::string path(const std::string& relative) const { return driver.start_.path + "\\" + relative; }
    std::vector<std::string> checkedLayouts() { return checkedItems(subMenuTitled(GetMenu(driver.window), "&Layout")); }
    ShellDriver driver;
    std::vector<std::string> shown;
};

}  // namespace

// Saving over a file asks first: No leaves it, Yes replaces it.
TEST_F(FileDriver, SavedGamesLoadAgainAndCancelledDialogsOrARefusedReplacementChangeNothing) {
    driver.removePair();
    EXPECT_EQ(run(command::saveGame, {"Level7"}), "SAVEGAME: " + shell().app.language.FilterSaveGame);
    EXPECT_EQ(fs::file_size(path("SAVEGAME\\Level7.TVM")), 9445u);
    driver.key(VK_F2);
    run(command::saveGame, {"Level7.TVM", ""}, IDNO);
    run(command::loadGame, {""});
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    EXPECT_EQ(run(command::loadGame, {"Level7.TVM"}), "SAVEGAME: " + shell().app.language.FilterSaveGame);
    EXPECT_EQ(state().tilesLeft, 142);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Level7.tvm");
    driver.key(VK_F2);
    run(command::saveGame, {"Level7.TVM"}, IDYES);
    driver.removePair();
    run(command::loadGame, {"Level7.TVM"});
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_EQ(std::distance(fs::directory_iterator(path("SAVEGAME")), fs::directory_iterator()), 2);
    EXPECT_TRUE(ShellDriver::messages.empty());
}

// A layout is chosen from the menu or loaded by name (in upper case); a saved
// one joins the menu. Each is dealt, named in the title and checked alone.
TEST_F(FileDriver, LayoutsChosenLoadedOrSavedAreDealtNamedAndChecked) {
    EXPECT_EQ(checkedLayouts(), std::vector<std::string>{"DEFAULT"});
    driver.removePair();
    driver.command(layoutCommand(GetMenu(driver.window), "PYRAMID"));
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Pyramid.tvl");
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_EQ(checkedLayouts(), std::vector<std::string>{"PYRAMID"});
    driver.command(command::randomLayout);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Random.tvl");
    EXPECT_EQ(checkedLayouts(), std::vector<std::string>{"&Random layout"});

    EXPECT_EQ(run(command::loadLayout, {""}), "LAYOUTS: " + shell().app.language.FilterLayout);
    EXPECT_EQ(shell().app.settings.Layout, "RANDOM.TVL");
    run(command::loadLayout, {"Cross.tvl"});
    EXPECT_EQ(shell().app.settings.Layout, "CROSS.TVL");
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Cross.tvl");
    EXPECT_EQ(checkedLayouts(), std::vector<std::string>{"CROSS"});

    driver.removePair();
    EXPECT_EQ(run(command::saveLayout, {"Mine"}), "LAYOUTS: " + shell().app.language.FilterLayout);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Mine.tvl");
    EXPECT_EQ(state().tilesLeft, 142) << "the board is untouched";
    EXPECT_EQ(checkedLayouts(), std::vector<std::string>{"Mine"});
}
