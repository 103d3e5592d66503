#include <gtest/gtest.h>

#include "TestFiles.h"
#include "engine/MenuModel.h"
#include "files/DataDirectories.h"
#include "files/LanguageTable.h"
#include "files/Settings.h"

namespace {

struct MenuFixture : ::testing::Test {
    MenuFixture() {
        language.GAME = "Game";
        language.OPTIONS = "Options";
        language.SOUNDS = "Sounds";
        language.GRAPHICS = "Graphics";
        language.LAYOUT = "Layout";
        language.HELP = "Help";
        language.NEW_GAME = "New\tF2";
        language.EXIT = "Exit\tF12";
        language.NONE = "None";
        language.MORE = "More";
        language.BACKGROUND = "Background";
#if TAVREK_3D
        language.GO2D = "2D";
        language.GO3D = "3D";
        language.USE_TEXTURES = "Textures";
#endif
        settings.menuPageSize = 20;
    }

    FileList numberedLayouts(int count) {
        FileList list;
        for (int k = 0; k < count; ++k) {
            const std::string label = "L" + std::string(k < 10 ? "0" : "") + std::to_string(k);
            list.push_back({label + ".TVL", label});
        }
        return list;
    }

    std::vector<MenuItem> bar(bool withSounds = true) {
        return buildMenuBar(settings, language, lists, withSounds);
    }

    Settings settings;
    LanguageTable language;
    FileLists lists;
};

std::vector<std::string> texts(const std::vector<MenuItem>& items) {
    std::vector<std::string> out;
    for (const MenuItem& entry : items)
        out.push_back(entry.kind == MenuItemKind::separator ? "-" : entry.text);
    return out;
}

const MenuItem& menuTitled(const std::vector<MenuItem>& bar, const std::string& title) {
    for (const MenuItem& entry : bar)
        if (entry.text == title) return entry;
    throw std::runtime_error("no menu " + title);
}

}  // namespace

TEST_F(MenuFixture, TheBarOrderLeavesOutSoundsWithoutAWaveDevice) {
    EXPECT_EQ(texts(bar(true)), (std::vector<std::string>{"Game", "Options", "Sounds", "Graphics",
                                                          "Layout", "Help"}));
    EXPECT_EQ(texts(bar(false)),
              (std::vector<std::string>{"Game", "Options", "Graphics", "Layout", "Help"}));
}

TEST_F(MenuFixture, GameMenuHoldsItsCommandsAndSeparatorsInOrder) {
    const std::vector<MenuItem> menus = bar();
    const MenuItem& game = menus[0];
    ASSERT_EQ(game.items.size(), 13u);
    const CommandId ids[] = {40000, 40001, 40002, 40003, 0, 40004, 40005, 40006, 0, 40007, 40008, 0, 40010};
    for (size_t k = 0; k < 13; ++k) {
        EXPECT_EQ(game.items[k].kind == MenuItemKind::separator, ids[k] == 0) << k;
        EXPECT_EQ(game.items[k].command, ids[k]) << k;
    }
    EXPECT_EQ(game.items[0].text, "New\tF2");
    EXPECT_EQ(game.items[12].text, "Exit\tF12");
}

TEST_F(MenuFixture, CheckMarksFollowTheFlagsThatAreExactlyOne) {
    settings.ShowChrono = 1;
    settings.EasyMode = 2;
    settings.Shadows = 1;
    settings.NewCursors = 0;
    settings.SoundEffects = 1;
    const std::vector<MenuItem> menus = bar();
    EXPECT_TRUE(findMenuItem(menus, command::showChrono)->checked);
    EXPECT_FALSE(findMenuItem(menus, command::easyMode)->checked);
    EXPECT_TRUE(findMenuItem(menus, command::shadows)->checked);
    EXPECT_FALSE(findMenuItem(menus, command::changeCursor)->checked);
    EXPECT_TRUE(findMenuItem(menus, command::useSounds)->checked);
    EXPECT_FALSE(findMenuItem(menus, command::randomLayout)->checked);
    settings.Layout = "RANDOM.TVL";
    EXPECT_TRUE(findMenuItem(bar(), command::randomLayout)->checked);
}

TEST_F(MenuFixture, FileListsAreNumberedAndCheckTheCurrentFile) {
    fileListOf(lists, FileListKind::tileSets) = {{"FOREST.BMP", "Forest"}, {"STANDARD.BMP", "standard"}};
    fileListOf(lists, FileListKind::music) = {{"THEME01.MID", "Theme01"}};
    settings.TileSet = "STANDARD.BMP";
    settings.Music = "";
    const std::vector<MenuItem> menus = bar();
    const MenuItem& tiles = menuTitled(menus, "Graphics").items[0];
    ASSERT_EQ(tiles.items.size(), 2u);
    EXPECT_EQ(tiles.items[0].command, 21000);
    EXPECT_FALSE(tiles.items[0].checked);
    EXPECT_EQ(tiles.items[1].command, 21001);
    EXPECT_TRUE(tiles.items[1].checked);
    const MenuItem& music = menuTitled(menus, "Sounds").items[0];
    EXPECT_EQ(texts(music.items), (std::vector<std::string>{"None", "-", "Theme01"}));
    EXPECT_EQ(music.items[0].command, 26000);
    EXPECT_TRUE(music.items[0].checked);
    EXPECT_EQ(music.items[2].command, 26001);
    EXPECT_FALSE(music.items[2].checked);
}

TEST_F(MenuFixture, TwentyLayoutsNeedNoPageAndTwentyOneOpenOne) {
    fileListOf(lists, FileListKind::layouts) = numberedLayouts(20);
    EXPECT_EQ(menuTitled(bar(), "Layout").items.size(), 4u + 20u + 2u);
    fileListOf(lists, FileListKind::layouts) = numberedLayouts(21);
    settings.Layout = "L20.TVL";
    const std::vector<MenuItem> menus = bar();
    const MenuItem& layout = menuTitled(menus, "Layout");
    ASSERT_EQ(layout.items.size(), 4u + 2u + 2u);
    EXPECT_EQ(layout.items[4].kind, MenuItemKind::popup);
    EXPECT_EQ(layout.items[4].text, "More");
    EXPECT_EQ(layout.items[4].items.size(), 20u);
    EXPECT_EQ(layout.items[4].items[19].command, 22019);
    EXPECT_EQ(layout.items[5].text, "L20");
    EXPECT_EQ(layout.items[5].command, 22020);
    EXPECT_TRUE(layout.items[5].checked);
}

TEST_F(MenuFixture, FiftyEntriesGiveTwoPagesAndTenPlainItemsNumberedOn) {
    MenuItem menu;
    const FileList list = numberedLayouts(50);
    appendFileItems(menu, list, 100, "L45.TVL", 20, "More");
    ASSERT_EQ(menu.items.size(), 12u);
    EXPECT_EQ(menu.items[1].items.front().command, 120);
    EXPECT_EQ(menu.items[1].items.back().command, 139);
    EXPECT_EQ(menu.items[2].command, 140);
    EXPECT_EQ(menu.items[11].command, 149);
    EXPECT_TRUE(menu.items[7].checked);
    MenuItem small;
    appendFileItems(small, numberedLayouts(3), 0, "", 0, "More");
    EXPECT_EQ(small.items.size(), 3u);  // a page size below 1 still ends
}

#if TAVREK_3D
TEST_F(MenuFixture, TheViewDecidesTheSwitchTextAndBackgroundOrTextures) {
    settings.view3D = 0;
    std::vector<MenuItem> menus = bar();
    EXPECT_EQ(menuTitled(menus, "Options").items[0].text, "3D");
    EXPECT_EQ(menuTitled(menus, "Options").items[0].command, 40028);
    EXPECT_EQ(menuTitled(menus, "Graphics").items[1].text, "Background");
    settings.view3D = 1;
    settings.Textures = 1;
    menus = bar();
    EXPECT_EQ(menuTitled(menus, "Options").items[0].text, "2D");
    EXPECT_EQ(menuTitled(menus, "Graphics").items[1].text, "Textures");
    EXPECT_TRUE(menuTitled(menus, "Graphics").items[1].checked);
}
#else
TEST_F(MenuFixture, TheLiteProgramHasNoViewSwitchAndAlwaysBackgrounds) {
    const std::vector<MenuItem> menus = bar();
    EXPECT_EQ(menuTitled(menus, "Options").items[0].command, command::showChrono);
    EXPECT_EQ(menuTitled(menus, "Graphics").items[1].text, "Background");
}
#endif

TEST(MenuFileLists, ScanningFillsEachListFromItsDirectory) {
    ScratchDirectory scratch;
    scratch.write("SOUNDS/Select.wav", "x");
    scratch.write("SOUNDS/theme01.mid", "x");
    scratch.write("BACKGRND/Sunset.bmp", "x");
    scratch.write("LANGUAGE/ENGLISH.TXT", "x");
    DataDirectories dirs;
    initDataDirectories(dirs, scratch.path);
    FileLists lists;
    scanFileLists(lists, dirs);
    EXPECT_EQ(fileListOf(lists, FileListKind::sound1).size(), 1u);
    EXPECT_EQ(fileListOf(lists, FileListKind::sound3)[0].name, "SELECT.WAV");
    EXPECT_EQ(fileListOf(lists, FileListKind::music)[0].name, "THEME01.MID");
    EXPECT_EQ(fileListOf(lists, FileListKind::backgrounds)[0].label, "Sunset");
    EXPECT_EQ(fileListOf(lists, FileListKind::languages)[0].label, "ENGLISH");
    EXPECT_TRUE(fileListOf(lists, FileListKind::tileSets).empty());
}
