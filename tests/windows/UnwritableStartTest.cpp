// A start folder the player cannot write to (tests/windows/unwritable-start.sh
// puts it on a read-only or a full file system): the settings at shutdown,
// the scores of a win, a saved game and a saved layout each get the write
// error, the game goes on, and no file in the folder changes. The scores of
// the win belong to the layout saved last.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "files/Caption.h"
#include "game/Commands.h"
#include "shell/Shell.h"

namespace fs = std::filesystem;

namespace {

// Every file below the folder with its size.
std::map<std::string, uintmax_t> filesIn(const fs::path& folder) {
    std::map<std::string, uintmax_t> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().string()] = entry.file_size();
    return files;
}

void saveThroughDialog(ShellDriver& driver, unsigned id, const std::string& name) {
    answerDialogs({{productCaption, [name](HWND dialog) { typeFileName(dialog, name); }}});
    driver.command(id);
    stopAnsweringWinDialogs();
}

}  // namespace

TEST(UnwritableStart, EveryWriteGetsTheWriteErrorAndNoFileChanges) {
    const char* folder = std::getenv("TAVREK_UNWRITABLE_START");
    if (folder == nullptr) GTEST_SKIP() << "run by unwritable-start.sh";
    const auto before = filesIn(folder);
    ShellDriver driver(folder);
    ASSERT_TRUE(driver.startForPlay());
    const std::string error = " : " + shell().app.language.MesWriteError;
    saveThroughDialog(driver, command::saveGame, "MINE.TVM");
    saveThroughDialog(driver, command::saveLayout, "MINE.TVL");
    answerWinDialogs("Ada");
    for (int k = 0; k < 72; ++k) driver.removePair(k);
    stopAnsweringWinDialogs();
    EXPECT_EQ(shell().app.game.state.tilesLeft, 0) << "the game went on to its end";
    EXPECT_EQ(winDialogsSeen().hallOfFameDialogs, 1);
    driver.stop();
    std::vector<std::string> texts;
    for (const ShownMessage& shown : ShellDriver::messages) {
        texts.push_back(shown.text);
        EXPECT_EQ(shown.type, UINT(MB_OK | MB_ICONEXCLAMATION)) << shown.text;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"MINE.TVM" + error, "MINE.TVL" + error, "MINE.TVS" + error,
                                               "TAVREK32.INI" + error}));
    EXPECT_EQ(filesIn(folder), before);
}
