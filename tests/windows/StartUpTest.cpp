#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "engine/Caption.h"
#include "resources/resource.h"
#include "shell/Shell.h"

namespace {

// What the language dialog showed when the timer found it open.
struct SeenDialog {
    bool seen = false;
    std::vector<std::string> items;
    std::string selected;
    std::string pick;  // the label to choose before pressing OK, or "" to keep the selection
};
SeenDialog seenDialog;

std::string comboText(HWND box, LRESULT index) {
    const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// Runs inside the dialog's own message loop: reads the list, picks, presses OK.
void CALLBACK answerLanguageDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ownDialog(productCaption);
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    HWND box = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    seenDialog.seen = true;
    const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
    for (LRESULT k = 0; k < count; ++k) seenDialog.items.push_back(comboText(box, k));
    const LRESULT selected = SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR) seenDialog.selected = comboText(box, selected);
    if (!seenDialog.pick.empty())
        SendMessageA(box, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(seenDialog.pick.c_str()));
    SendMessageA(dialog, WM_COMMAND, IDC_LANGUAGE_OK, 0);
}

void expectLanguageDialog(const std::string& pick) {
    seenDialog = SeenDialog{};
    seenDialog.pick = pick;
    SetTimer(nullptr, 0, 50, answerLanguageDialog);
}

}  // namespace

TEST(StartUp, AFirstStartAsksForTheLanguageWithEnglishPreselected) {
    ShellDriver driver;
    driver.copyShippedData();
    expectLanguageDialog("FRANCAIS");
    ASSERT_TRUE(driver.start());
    EXPECT_TRUE(seenDialog.seen);
    EXPECT_EQ(seenDialog.items,
              (std::vector<std::string>{"DANSK", "DEUTSCH", "ENGLISH", "ESPANOL", "FRANCAIS", "ITALIANO",
                                        "NEDERLANDS", "NORSK", "PORTUGUES", "SVENSKA"}));
    EXPECT_EQ(seenDialog.selected, "ENGLISH");
    EXPECT_EQ(shell().app.settings.Language, "FRANCAIS.TXT");
    EXPECT_EQ(menuTexts(GetMenu(driver.window)).front(), "&Partie");
}

TEST(StartUp, ASettingsFileMeansNoLanguageDialog) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings("; settings\r\n\r\nLanguage        = \"FRANCAIS.TXT\"\r\n");
    seenDialog = SeenDialog{};
    ASSERT_TRUE(driver.start());
    EXPECT_FALSE(seenDialog.seen);
    EXPECT_EQ(shell().app.settings.Language, "FRANCAIS.TXT");
}

TEST(StartUp, WithoutLanguageFilesTheProgramStopsBeforeAnyWindow) {
    ShellDriver driver;
    driver.start_.makeDirectory("LANGUAGE");
    expectLanguageDialog("");
    EXPECT_FALSE(driver.start());
    EXPECT_TRUE(seenDialog.seen);
    EXPECT_TRUE(seenDialog.items.empty());
    EXPECT_EQ(shell().app.settings.Language, "ENGLISH.TXT");
    EXPECT_EQ(shell().mainWindow, nullptr);
    EXPECT_TRUE(driver.pump());  // the quit message was posted
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text,
              "No language file found ! The game will stop. Please reinstall Tavrek");
    EXPECT_EQ(ShellDriver::messages[0].caption, productCaption);
    EXPECT_EQ(ShellDriver::messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
}

TEST(StartUp, WithoutLayoutsOrTileSetsTheProgramStopsWithTheLanguagesMessage) {
    for (const char* missing : {"LAYOUTS", "TILESETS"}) {
        ShellDriver driver;
        driver.copyShippedData();
        driver.writeSettings("; settings\r\n");
        std::filesystem::remove_all(driver.start_.path + "\\" + missing);
        EXPECT_FALSE(driver.start()) << missing;
        EXPECT_EQ(shell().mainWindow, nullptr) << missing;
        ASSERT_EQ(ShellDriver::messages.size(), 1u) << missing;
        const std::string expected = std::string(missing) == "LAYOUTS"
                                         ? shell().app.language.MesNoLayout
                                         : shell().app.language.MesNoTileSet;
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(ShellDriver::messages[0].text, expected) << missing;
        EXPECT_TRUE(driver.pump());
    }
}

TEST(StartUp, TheWindowIsBuiltInOrderWithItsTimerToolbarAndStatusBar) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings("; settings\r\n");
    ASSERT_TRUE(driver.start());
    const Shell& s = shell();
    char className[64] = {};
    GetClassNameA(driver.window, className, sizeof className);
    EXPECT_STREQ(className, productCaption);
    EXPECT_EQ(GetDlgCtrlID(s.toolbar), 1);
    EXPECT_EQ(GetDlgCtrlID(s.statusBar), 2);
    EXPECT_GT(s.toolbarHeight, 0);
    EXPECT_GT(s.statusBarHeight, 0);
    EXPECT_EQ(SendMessageA(s.toolbar, TB_BUTTONCOUNT, 0, 0), 13);
    EXPECT_NE(KillTimer(driver.window, 900), 0);  // the clock timer runs
    SetTimer(driver.window, 900, 1000, nullptr);
    EXPECT_EQ(s.app.game.state.tilesLeft, 144);
    EXPECT_EQ(s.app.game.state.selectedTile, noTile);
}
