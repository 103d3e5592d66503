// Saved games and layouts through the program's real open and save dialogs:
// the folder and file type they show, the files on disk, title and check marks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "engine/Caption.h"
#include "engine/Commands.h"
#include "shell/Shell.h"

namespace fs = std::filesystem;

namespace {

struct FileDriver : ::testing::Test {
    void SetUp() override {
        driver.copyShippedData();
        driver.writeSettings("Language = \"ENGLISH.TXT\"\r\nLayout = \"DEFAULT.TVL\"\r\nRemoveTileTime = 0\r\n");
        ASSERT_TRUE(driver.startForPlay());
    }
    GameState& state() { return shell().app.game.state; }
    void removePair() {
        driver.clickTile(state().removalOrder[0]);
        driver.clickTile(state().removalOrder[1]);
    }
    // Types the name into an open or save dialog and confirms it; "" cancels.
    DialogAnswer fileAnswer(const std::string& name) {
        return {productCaption, [this, name](HWND dialog) {
                    // The program's dialogs are the wide ones, which answer in wide characters.
                    wchar_t folder[MAX_PATH] = {};
                    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
                    seen.push_back({folder, itemText(dialog, cmb1)});
                    typeFileName(dialog, name);
                }};
    }
    // Each name answers one file dialog in turn; a button, IDYES or IDNO, the
    // question asked after the first before a file is replaced.
    void run(unsigned id, const std::vector<std::string>& names, int overwrite = 0) {
        seen.clear();
        std::vector<DialogAnswer> answers;
        for (const std::string& name : names) answers.push_back(fileAnswer(name));
        const auto answerQuestion = [overwrite](HWND question) { SendMessageA(question, WM_COMMAND, overwrite, 0); };
        if (overwrite != 0) answers.insert(answers.begin() + 1, {productCaption, answerQuestion});
        answerDialogs(answers);
        driver.command(id);
        stopAnsweringWinDialogs();
        EXPECT_EQ(answersLeft(), 0u);
        EXPECT_EQ(dialogsLeftOpen(), 0);
    }
    std::string path(const std::string& relative) const { return driver.start_.path + "\\" + relative; }
    // The folder and file type the first dialog showed.
    void expectShown(const std::string& folder, const std::string& filter) {
        ASSERT_FALSE(seen.empty());
        std::error_code error;
        EXPECT_TRUE(fs::equivalent(seen[0].first, path(folder), error)) << seen[0].first;
        EXPECT_EQ(seen[0].second, filter);
    }
    bool layoutChecked(const std::string& label) {
        HMENU bar = GetMenu(driver.window);
        return isChecked(bar, label == "RANDOM" ? command::randomLayout : layoutCommand(bar, label));
    }
    ShellDriver driver;
    std::vector<std::pair<fs::path, std::string>> seen;
};

}  // namespace

// Saving over a file asks first: No leaves it, Yes replaces it.
TEST_F(FileDriver, SavedGamesLoadAgainAndCancelledDialogsOrARefusedReplacementChangeNothing) {
    removePair();
    run(command::saveGame, {"Level7"});
    expectShown("SAVEGAME", shell().app.language.FilterSaveGame);
    EXPECT_EQ(fs::file_size(path("SAVEGAME\\Level7.TVM")), 9445u);
    driver.key(VK_F2);
    run(command::saveGame, {"Level7.TVM", ""}, IDNO);
    run(command::loadGame, {""});
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    run(command::loadGame, {"Level7.TVM"});
    expectShown("SAVEGAME", shell().app.language.FilterSaveGame);
    EXPECT_EQ(state().tilesLeft, 142);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Level7.tvm");
    driver.key(VK_F2);
    run(command::saveGame, {"Level7.TVM"}, IDYES);
    removePair();
    run(command::loadGame, {"Level7.TVM"});
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_EQ(std::distance(fs::directory_iterator(path("SAVEGAME")), fs::directory_iterator()), 2);
    EXPECT_TRUE(ShellDriver::messages.empty());
}

// A layout is chosen from the menu or loaded by name (in upper case); a saved
// one joins the menu. Each is dealt, named in the title and checked alone.
TEST_F(FileDriver, LayoutsChosenLoadedOrSavedAreDealtNamedAndChecked) {
    EXPECT_TRUE(layoutChecked("DEFAULT"));
    removePair();
    driver.command(layoutCommand(GetMenu(driver.window), "PYRAMID"));
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Pyramid.tvl");
    EXPECT_EQ(state().tilesLeft, 144);
    EXPECT_TRUE(layoutChecked("PYRAMID"));
    EXPECT_FALSE(layoutChecked("DEFAULT"));
    driver.command(command::randomLayout);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Random.tvl");
    EXPECT_TRUE(layoutChecked("RANDOM"));
    EXPECT_FALSE(layoutChecked("PYRAMID"));

    run(command::loadLayout, {""});
    expectShown("LAYOUTS", shell().app.language.FilterLayout);
    EXPECT_EQ(shell().app.settings.Layout, "RANDOM.TVL");
    run(command::loadLayout, {"Cross.tvl"});
    EXPECT_EQ(shell().app.settings.Layout, "CROSS.TVL");
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Cross.tvl");
    EXPECT_TRUE(layoutChecked("CROSS"));
    EXPECT_FALSE(layoutChecked("RANDOM"));

    removePair();
    run(command::saveLayout, {"Mine"});
    expectShown("LAYOUTS", shell().app.language.FilterLayout);
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Mine.tvl");
    EXPECT_EQ(state().tilesLeft, 142) << "the board is untouched";
    EXPECT_TRUE(layoutChecked("Mine"));
    EXPECT_FALSE(layoutChecked("CROSS"));
}
