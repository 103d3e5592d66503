// The menu bar as Win32 builds it from the game's menu model, its check marks
// kept in step with the settings, and the tool tips.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <filesystem>
#include <set>

#include "ShellDriver.h"
#include "game/Commands.h"
#include "shell/Shell.h"

namespace fs = std::filesystem;

namespace {

struct MenuDriver : ::testing::Test {
    void SetUp() override {
        driver.install("Language = \"ENGLISH.TXT\"\r\nShowChrono = 1\r\nCoolMenu = 1\r\n");
        // The shipped folders grow; the lists counted here are fixed.
        keepOnly("TILESETS", {"CONTRAST.BMP", "STANDARD.BMP"});
        keepOnly("BACKGRND", {"JADE.BMP", "SLATE.BMP", "SUNSET.BMP"});
        fs::copy_file(path("TILESETS\\STANDARD.BMP"), path("TILESETS\\Forest.BMP"));
        ASSERT_TRUE(driver.start());
    }
    std::string path(const std::string& relative) const { return driver.start_.path + "\\" + relative; }
    void keepOnly(const char* folder, const std::set<std::string>& names) {
        for (const auto& entry : fs::directory_iterator(path(folder)))
            if (!names.count(entry.path().filename().string())) fs::remove(entry.path());
    }
    HMENU bar() const { return GetMenu(driver.window); }
    std::string toolTip() { return driver.toolTip(command::newGame); }
    // The picture the item shows checked and unchecked alike, or null.
    HBITMAP picture(unsigned id) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        EXPECT_TRUE(GetMenuItemInfoW(bar(), id, FALSE, &info)) << id;
        EXPECT_EQ(info.hbmpChecked, info.hbmpUnchecked) << id;
        return info.hbmpUnchecked;
    }
    ShellDriver driver;
};

}  // namespace

TEST_F(MenuDriver, TheBarAndToolTipsFollowTheLanguageChosenFromIt) {
    std::vector<std::string> titles = {"&Game", "&Options", "G&raphics", "&Layout", "&Help"};
    if (waveOutGetNumDevs() != 0) titles.insert(titles.begin() + 2, "&Sound");
    EXPECT_EQ(menuTexts(bar()), titles);
    const std::vector<std::string> game = menuTexts(GetSubMenu(bar(), 0));
    ASSERT_EQ(game.size(), 13u);
    EXPECT_EQ(game[0] + game[4] + game[12], "&New game\tF2-E&xit\tF12");
    // The languages are listed by file name: ENGLISH is the fifth, FRANCAIS the seventh.
    const unsigned english = 20004, francais = 20006;
    EXPECT_TRUE(isChecked(bar(), english));
    EXPECT_EQ(toolTip(), "New game (F2)");
    driver.command(francais);
    EXPECT_EQ(menuTexts(bar()).front(), "&Partie");
    EXPECT_TRUE(isChecked(bar(), francais));
    EXPECT_FALSE(isChecked(bar(), english));
    EXPECT_EQ(toolTip(), shell().app.language.T_NEW_GAME);
}

// Toggles change their flags at once; the marks follow when a menu opens.
// Cool menus give nine commands their toolbar picture.
TEST_F(MenuDriver, CheckMarksFollowTheFlagsAndEasyModeAsksFirst) {
    for (unsigned id : {40018u, 40000u, 40006u, 40005u, 40004u, 40017u, 40021u, 40022u, 40010u})
        EXPECT_NE(picture(id), nullptr) << id;
    EXPECT_EQ(picture(command::restartGame), nullptr);
    EXPECT_TRUE(isChecked(bar(), command::showChrono));
    EXPECT_FALSE(isChecked(bar(), command::shadows));
    driver.key(VK_F9);
    driver.openMenu();
    EXPECT_TRUE(isChecked(bar(), command::shadows));
    driver.command(command::changeCursor);
    driver.openMenu();
    EXPECT_TRUE(isChecked(bar(), command::changeCursor));
    // The program's own cursor, loaded at the window's scaling.
    EXPECT_NE(shell().normalCursor, nullptr);
    EXPECT_EQ(shell().normalCursor, shell().ownCursors.normal);
    EXPECT_NE(shell().normalCursor, LoadCursorW(nullptr, IDC_ARROW));

    const uint8_t easy = shell().app.settings.EasyMode;
    ShellDriver::answer = IDCANCEL;
    driver.command(command::easyMode);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, shell().app.language.MesEasyMode);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(shell().app.settings.EasyMode, easy);
    ShellDriver::answer = IDOK;
    driver.command(command::easyMode);
    driver.openMenu();
    EXPECT_EQ(isChecked(bar(), command::easyMode), easy != 1) << "inverted";
}

// Files are listed by label; choosing one moves the check mark, and the
// background's first item, none, empties the setting.
TEST_F(MenuDriver, ChoosingATileSetOrBackgroundMovesItsCheckMark) {
#if TAVREK_3D
    driver.key(VK_SPACE);  // the 2D view has the background menu, and no camera
    const Settings before = shell().app.settings;
    driver.key(VK_LEFT);
    SendMessageA(driver.window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    const Settings& now = shell().app.settings;
    EXPECT_EQ(std::make_pair(now.YPosition, now.ZView), std::make_pair(before.YPosition, before.ZView));
#endif
    HMENU graphics = subMenuTitled(bar(), "G&raphics");
    HMENU tiles = subMenuTitled(graphics, "&Tile set");
    HMENU backgrounds = subMenuTitled(graphics, "&Background");
    EXPECT_EQ(menuTexts(tiles), (std::vector<std::string>{"CONTRAST", "Forest", "STANDARD"}));
    EXPECT_EQ(checkedItems(tiles), std::vector<std::string>{"STANDARD"});
    driver.command(21001);
    EXPECT_EQ(shell().app.settings.TileSet, "FOREST.BMP");
    EXPECT_EQ(checkedItems(tiles), std::vector<std::string>{"Forest"});
    driver.command(21003);  // no such entry: nothing changes
    EXPECT_EQ(shell().app.settings.TileSet, "FOREST.BMP");

    driver.command(27002);
    EXPECT_EQ(shell().app.settings.Background, "SLATE.BMP");
    EXPECT_EQ(checkedItems(backgrounds), std::vector<std::string>{"SLATE"});
    driver.command(27000);
    EXPECT_EQ(shell().app.settings.Background, "");
    EXPECT_EQ(checkedItems(backgrounds), std::vector<std::string>{menuTexts(backgrounds).front()});
}
