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
    // The shipped folders grow; tests that count menu entries fix their folder's contents.
    void keepOnly(const char* folder, const std::set<std::string>& names) {
        for (const auto& entry : std::filesystem::directory_iterator(driver.start_.path + "\\" + folder))
            if (!names.count(entry.path().filename().string())) std::filesystem::remove(entry.path());
    }
    ShellDriver driver;
    std::string settings = "; settings\r\n\r\nLanguage        = \"ENGLISH.TXT\"\r\nShowChrono      = 1\r\n";
};

}  // namespace

TEST_F(MenuDriver, TheBarFollowsTheLanguageFileWithoutASoundMenuWhenThereIsNoWaveDevice) {
    ASSERT_TRUE(driver.start());
    const std::vector<std::string> titles = menuTexts(bar());
    if (waveOutGetNumDevs() == 0)
        EXPECT_EQ(titles, (std::vector<std::string>{"&Game", "&Options", "G&raphics", "&Layout", "&Help"}));
    else
        EXPECT_EQ(titles, (std::vector<std::string>{"&Game", "&Options", "&Sound", "G&raphics", "&Layout", "&Help"}));
    const std::vector<std::string> game = menuTexts(GetSubMenu(bar(), 0));
    ASSERT_EQ(game.size(), 13u);
    EXPECT_EQ(game[0], shell().app.language.NEW_GAME);
    EXPECT_NE(game[0].find("\tF2"), std::string::npos);
    EXPECT_EQ(game[4], "-");
    EXPECT_EQ(game[12], shell().app.language.EXIT);
}

TEST_F(MenuDriver, CheckMarksFollowTheirFlagsAfterEveryToggle) {
    ASSERT_TRUE(driver.start());
    EXPECT_TRUE(isChecked(bar(), command::showChrono));
    EXPECT_FALSE(isChecked(bar(), command::shadows));
    driver.key(VK_F9);
    EXPECT_EQ(shell().app.settings.Shadows, 1);
    driver.openMenu();
    EXPECT_TRUE(isChecked(bar(), command::shadows));
    driver.command(command::shadows);
    driver.openMenu();
    EXPECT_FALSE(isChecked(bar(), command::shadows));
    driver.command(command::changeCursor);
    driver.openMenu();
    EXPECT_TRUE(isChecked(bar(), command::changeCursor));
    EXPECT_EQ(shell().normalCursor, LoadCursorA(shell().instance, MAKEINTRESOURCEA(905)));
}

TEST_F(MenuDriver, EasyModeAsksFirstAndCancelChangesNothing) {
    ASSERT_TRUE(driver.start());
    const uint8_t before = shell().app.settings.EasyMode;
    ShellDriver::answer = IDCANCEL;
    driver.command(command::easyMode);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, shell().app.language.MesEasyMode);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(shell().app.settings.EasyMode, before);
    ShellDriver::answer = IDOK;
    driver.command(command::easyMode);
    EXPECT_NE(shell().app.settings.EasyMode, before);
    driver.openMenu();
    EXPECT_EQ(isChecked(bar(), command::easyMode), shell().app.settings.EasyMode == 1);
}

TEST_F(MenuDriver, TileSetsAreListedByLabelAndChoosingOneMovesTheCheckMark) {
    keepOnly("TILESETS", {"CONTRAST.BMP", "STANDARD.BMP"});
    std::filesystem::copy_file(driver.start_.path + "\\TILESETS\\STANDARD.BMP",
                               driver.start_.path + "\\TILESETS\\Forest.BMP",
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(driver.start());
    HMENU tiles = subMenuTitled(subMenuTitled(bar(), "G&raphics"), "&Tile set");
    ASSERT_NE(tiles, nullptr);
    EXPECT_EQ(menuTexts(tiles), (std::vector<std::string>{"CONTRAST", "Forest", "STANDARD"}));
    EXPECT_TRUE(isChecked(tiles, 21002));
    driver.command(21001);
    EXPECT_EQ(shell().app.settings.TileSet, "FOREST.BMP");
    EXPECT_TRUE(isChecked(tiles, 21001));
    EXPECT_FALSE(isChecked(tiles, 21002));
    driver.command(21003);  // no such entry: nothing changes
    EXPECT_EQ(shell().app.settings.TileSet, "FOREST.BMP");
}

TEST_F(MenuDriver, LongFileListsArePagedUnderMore) {
    keepOnly("TILESETS", {"CONTRAST.BMP", "STANDARD.BMP"});
    for (int k = 0; k < 25; ++k)
        std::filesystem::copy_file(driver.start_.path + "\\TILESETS\\STANDARD.BMP",
                                   driver.start_.path + "\\TILESETS\\T" + std::to_string(10 + k) + ".BMP");
    ASSERT_TRUE(driver.start());
    shell().app.settings.menuPageSize = 20;
    driver.command(20002);  // choosing a language (ENGLISH) rebuilds the menus with the page size
    HMENU tiles = subMenuTitled(subMenuTitled(bar(), "G&raphics"), "&Tile set");
    ASSERT_NE(tiles, nullptr);
    const std::vector<std::string> texts = menuTexts(tiles);
    ASSERT_EQ(texts.size(), 8u);  // More, then entries 21 to 27
    EXPECT_EQ(texts[0], "&More");
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(tiles, 0)), 20);
    EXPECT_EQ(GetMenuItemID(tiles, 1), 21020u);
    EXPECT_TRUE(isChecked(tiles, 21001));  // STANDARD sorts second, inside the page
}

TEST_F(MenuDriver, ChoosingALanguageRebuildsTheBarAtOnce) {
    ASSERT_TRUE(driver.start());
    HMENU languages = subMenuTitled(subMenuTitled(bar(), "&Options"), "&Language");
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(menuTexts(languages),
              (std::vector<std::string>{"DANSK", "DEUTSCH", "ENGLISH", "ESPANOL", "FRANCAIS", "ITALIANO",
                                        "NEDERLANDS", "NORSK", "PORTUGUES", "SVENSKA"}));
    EXPECT_TRUE(isChecked(bar(), 20002));
    driver.command(20004);
    EXPECT_EQ(shell().app.settings.Language, "FRANCAIS.TXT");
    EXPECT_EQ(menuTexts(bar()).front(), "&Partie");
    EXPECT_TRUE(isChecked(bar(), 20004));
    EXPECT_FALSE(isChecked(bar(), 20002));
}

TEST_F(MenuDriver, ToolTipsComeFromTheCurrentLanguage) {
    ASSERT_TRUE(driver.start());
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = shell().toolbar;
    request.hdr.idFrom = command::newGame;
    request.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(driver.window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(std::string(request.lpszText), shell().app.language.T_NEW_GAME);
    driver.command(20004);
    request = {};
    request.hdr.idFrom = command::newGame;
    request.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(driver.window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(std::string(request.lpszText), shell().app.language.T_NEW_GAME);
    EXPECT_NE(std::string(request.lpszText), "New game (F2)");
}

TEST_F(MenuDriver, TheBackgroundNoneItemEmptiesTheSetting) {
    keepOnly("BACKGRND", {"JADE.BMP", "SLATE.BMP", "SUNSET.BMP"});
    ASSERT_TRUE(driver.start());
#if TAVREK_3D
    driver.key(VK_SPACE);  // the 2D view has the background menu
#endif
    HMENU backgrounds = subMenuTitled(subMenuTitled(bar(), "G&raphics"), "&Background");
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
    for (unsigned id : {40018u, 40000u, 40006u, 40005u, 40004u, 40017u, 40021u, 40022u, 40010u}) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS;
        ASSERT_TRUE(GetMenuItemInfoA(bar(), id, FALSE, &info)) << id;
        EXPECT_NE(info.hbmpUnchecked, nullptr) << id;
        EXPECT_EQ(info.hbmpChecked, info.hbmpUnchecked) << id;
    }
    MENUITEMINFOA sound = {};
    sound.cbSize = sizeof sound;
    sound.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoA(bar(), 40001, FALSE, &sound);
    EXPECT_EQ(sound.hbmpUnchecked, nullptr);
    for (HBITMAP picture : shell().menuPictures) EXPECT_NE(picture, nullptr);
}

#if TAVREK_3D
TEST_F(MenuDriver, TheCameraKeysActInTheThreeDViewOnly) {
    ASSERT_TRUE(driver.start());
    Settings& s = shell().app.settings;
    ASSERT_EQ(s.view3D, 1);
    s.StepRotation = 5;
    driver.key(VK_LEFT);
    EXPECT_EQ(s.YPosition, -5.0f);
    driver.key(VK_NEXT);
    EXPECT_EQ(s.ZView, 330.0f);
    SendMessageA(driver.window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(s.ZView, 325.0f);
    driver.key(VK_SPACE);
    EXPECT_EQ(s.view3D, 0);
    EXPECT_EQ(menuTexts(subMenuTitled(bar(), "&Options")).front(), shell().app.language.GO3D);
    driver.key(VK_LEFT);
    driver.key('4');
    SendMessageA(driver.window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(s.YPosition, -5.0f);
    EXPECT_EQ(s.XView, 0.0f);
    EXPECT_EQ(s.ZView, 325.0f);
}
#endif
