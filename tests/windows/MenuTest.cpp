// The menu bar as Win32 builds it from the game's menu model, its check marks
// kept in step with the settings, and the tool tips.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <filesystem>
#include <set>

#include "ShellDriver.h"
#include "engine/Commands.h"
#include "shell/Shell.h"

namespace {

struct MenuDriver : ::testing::Test {
    void SetUp() override {
        driver.copyShippedData();
        driver.writeSettings(settings);
    }
    HMENU bar() const { return GetMenu(driver.window); }
    std::string toolTip(unsigned id) {
        NMTTDISPINFOA request = {};
        request.hdr.hwndFrom = shell().toolbar;
        request.hdr.idFrom = id;
        request.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(driver.window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return request.lpszText != nullptr ? request.lpszText : "";
    }
    // The shipped folders grow; tests that count menu entries fix their folder's contents.
    void keepOnly(const char* folder, const std::set<std::string>& names) {
        for (const auto& entry : std::filesystem::directory_iterator(driver.start_.path + "\\" + folder))
            if (!names.count(entry.path().filename().string())) std::filesystem::remove(entry.path());
    }
    ShellDriver driver;
    std::string settings = "; settings\r\n\r\nLanguage        = \"ENGLISH.TXT\"\r\nShowChrono      = 1\r\n";
};

}  // namespace

TEST_F(MenuDriver, TheBarAndToolTipsFollowTheLanguageChosenFromIt) {
    ASSERT_TRUE(driver.start());
    std::vector<std::string> titles = {"&Game", "&Options", "G&raphics", "&Layout", "&Help"};
    if (waveOutGetNumDevs() != 0) titles.insert(titles.begin() + 2, "&Sound");
    EXPECT_EQ(menuTexts(bar()), titles);
    const std::vector<std::string> game = menuTexts(GetSubMenu(bar(), 0));
    ASSERT_EQ(game.size(), 13u);
    EXPECT_EQ(game[0], "&New game\tF2");
    EXPECT_EQ(game[4], "-");
    EXPECT_EQ(game[12], shell().app.language.EXIT);
    EXPECT_EQ(menuTexts(subMenuTitled(subMenuTitled(bar(), "&Options"), "&Language")),
              (std::vector<std::string>{"DANSK", "DEUTSCH", "ENGLISH", "ESPANOL", "FRANCAIS", "ITALIANO",
                                        "NEDERLANDS", "NORSK", "PORTUGUES", "SVENSKA"}));
    EXPECT_TRUE(isChecked(bar(), 20002));
    const std::string english = toolTip(command::newGame);
    EXPECT_EQ(english, shell().app.language.T_NEW_GAME);

    driver.command(20004);
    EXPECT_EQ(shell().app.settings.Language, "FRANCAIS.TXT");
    EXPECT_EQ(menuTexts(bar()).front(), "&Partie");
    EXPECT_TRUE(isChecked(bar(), 20004));
    EXPECT_FALSE(isChecked(bar(), 20002));
    EXPECT_EQ(toolTip(command::newGame), shell().app.language.T_NEW_GAME);
    EXPECT_NE(toolTip(command::newGame), english);
}

// Toggles change their flags at once; the marks follow when a menu opens.
TEST_F(MenuDriver, CheckMarksFollowTheFlagsAndEasyModeAsksFirst) {
    ASSERT_TRUE(driver.start());
    EXPECT_TRUE(isChecked(bar(), command::showChrono));
    EXPECT_FALSE(isChecked(bar(), command::shadows));
    driver.key(VK_F9);
    driver.openMenu();
    EXPECT_TRUE(isChecked(bar(), command::shadows));
    driver.command(command::shadows);
    driver.openMenu();
    EXPECT_FALSE(isChecked(bar(), command::shadows));
    driver.command(command::changeCursor);
    driver.openMenu();
    EXPECT_TRUE(isChecked(bar(), command::changeCursor));
    EXPECT_EQ(shell().normalCursor, LoadCursorA(shell().instance, MAKEINTRESOURCEA(905)));

    const uint8_t easy = shell().app.settings.EasyMode;
    ShellDriver::answer = IDCANCEL;
    driver.command(command::easyMode);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, shell().app.language.MesEasyMode);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(shell().app.settings.EasyMode, easy);
    ShellDriver::answer = IDOK;
    driver.command(command::easyMode);
    EXPECT_NE(shell().app.settings.EasyMode, easy);
    driver.openMenu();
    EXPECT_EQ(isChecked(bar(), command::easyMode), shell().app.settings.EasyMode == 1);
}

// Files are listed by label; choosing one moves the check mark, and the
// background's first item, none, empties the setting.
TEST_F(MenuDriver, ChoosingATileSetOrBackgroundMovesItsCheckMark) {
    keepOnly("TILESETS", {"CONTRAST.BMP", "STANDARD.BMP"});
    keepOnly("BACKGRND", {"JADE.BMP", "SLATE.BMP", "SUNSET.BMP"});
    std::filesystem::copy_file(driver.start_.path + "\\TILESETS\\STANDARD.BMP",
                               driver.start_.path + "\\TILESETS\\Forest.BMP");
    ASSERT_TRUE(driver.start());
#if TAVREK_3D
    driver.key(VK_SPACE);  // the 2D view has the background menu, and no camera
    const float turn = shell().app.settings.YPosition;
    driver.key(VK_LEFT);
    EXPECT_EQ(shell().app.settings.YPosition, turn);
#endif
    HMENU graphics = subMenuTitled(bar(), "G&raphics");
    HMENU tiles = subMenuTitled(graphics, "&Tile set");
    ASSERT_NE(tiles, nullptr);
    EXPECT_EQ(menuTexts(tiles), (std::vector<std::string>{"CONTRAST", "Forest", "STANDARD"}));
    EXPECT_TRUE(isChecked(tiles, 21002));
    driver.command(21001);
    EXPECT_EQ(shell().app.settings.TileSet, "FOREST.BMP");
    EXPECT_TRUE(isChecked(tiles, 21001));
    EXPECT_FALSE(isChecked(tiles, 21002));
    driver.command(21003);  // no such entry: nothing changes
    EXPECT_EQ(shell().app.settings.TileSet, "FOREST.BMP");

    HMENU backgrounds = subMenuTitled(graphics, "&Background");
    ASSERT_NE(backgrounds, nullptr);
    EXPECT_EQ(menuTexts(backgrounds).size(), 2u + 3u);
    driver.command(27000);
    EXPECT_EQ(shell().app.settings.Background, "");
    EXPECT_TRUE(isChecked(backgrounds, 27000));
    driver.command(27002);
    EXPECT_EQ(shell().app.settings.Background, "SLATE.BMP");
    EXPECT_FALSE(isChecked(backgrounds, 27000));
    EXPECT_TRUE(isChecked(backgrounds, 27002));
}

TEST_F(MenuDriver, CoolMenuGivesNineCommandsTheirToolbarPicture) {
    driver.writeSettings(settings + "CoolMenu        = 1\r\n");
    ASSERT_TRUE(driver.start());
    const auto picture = [this](unsigned id) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        EXPECT_TRUE(GetMenuItemInfoA(bar(), id, FALSE, &info)) << id;
        EXPECT_EQ(info.hbmpChecked, info.hbmpUnchecked) << id;
        return info.hbmpUnchecked;
    };
    for (unsigned id : {40018u, 40000u, 40006u, 40005u, 40004u, 40017u, 40021u, 40022u, 40010u})
        EXPECT_NE(picture(id), nullptr) << id;
    EXPECT_EQ(picture(40001), nullptr);
}
