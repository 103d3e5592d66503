// The menu bar as data. One whole bar is kept as an outline under
// tests/fixtures/menus; the rules that it cannot show have tests of their own.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "engine/MenuModel.h"
#include "files/DataDirectories.h"
#include "files/LanguageKeys.h"
#include "files/Settings.h"

namespace {

struct MenuFixture : ::testing::Test {
    MenuFixture() {
        // Every text is its own key, so the outline shows which text went where.
        for (const LanguageKey& key : languageKeys()) language.*(key.slot) = key.key + std::string(key.hint);
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

    std::vector<MenuItem> bar(bool withSounds = true) { return buildMenuBar(settings, language, lists, withSounds); }

    Settings settings;
    LanguageTable language;
    FileLists lists;
};

// One line an item: its text (a tab shown as "\t"), its command, "[x]" when checked.
void outline(const std::vector<MenuItem>& items, const std::string& indent, std::string& out) {
    for (const MenuItem& item : items) {
        std::string text = item.kind == MenuItemKind::separator ? "-" : item.text;
        for (size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t')) text.replace(tab, 1, "\\t");
        out += indent + text + (item.command != 0 ? " #" + std::to_string(item.command) : "") +
               (item.checked ? " [x]" : "") + "\n";
        outline(item.items, indent + "  ", out);
    }
}

std::string outlineOf(const std::vector<MenuItem>& bar) {
    std::string out;
    outline(bar, "", out);
    return out;
}

const MenuItem& menuTitled(const std::vector<MenuItem>& bar, const std::string& title) {
    for (const MenuItem& entry : bar)
        if (entry.text == title) return entry;
    throw std::runtime_error("no menu " + title);
}

}  // namespace

// Flags are checked only when exactly 1; file lists are numbered from their
// first command and check the current file; 21 layouts open a page of 20.
TEST_F(MenuFixture, TheWholeBar) {
    settings.ShowChrono = 1;
    settings.EasyMode = 2;
    settings.Shadows = 1;
    settings.NewCursors = 0;
    settings.SoundEffects = 1;
    settings.TileSet = "STANDARD.BMP";
    settings.Music = "";
    settings.Layout = "L20.TVL";
    fileListOf(lists, FileListKind::tileSets) = {{"FOREST.BMP", "Forest"}, {"STANDARD.BMP", "standard"}};
    fileListOf(lists, FileListKind::music) = {{"THEME01.MID", "Theme01"}};
    fileListOf(lists, FileListKind::sound2) = {{"REMOVE.WAV", "Remove"}};
    fileListOf(lists, FileListKind::backgrounds) = {{"SUNSET.BMP", "Sunset"}};
    fileListOf(lists, FileListKind::languages) = {{"ENGLISH.TXT", "English"}};
    fileListOf(lists, FileListKind::layouts) = numberedLayouts(21);
#if TAVREK_3D
    expectFixtureText("menus/bar-3d.txt", outlineOf(bar()));
#else
    expectFixtureText("menus/bar-lite.txt", outlineOf(bar()));
#endif
}

TEST_F(MenuFixture, SoundsOnlyWithAWaveDevicePagesOnlyPastTwenty) {
    std::vector<MenuItem> menus = bar(false);
    EXPECT_EQ(menus.size(), 5u);
    EXPECT_EQ(menus[1].text, "OPTIONS");
    EXPECT_EQ(menus[2].text, "GRAPHICS");
    fileListOf(lists, FileListKind::layouts) = numberedLayouts(20);
    EXPECT_EQ(menuTitled(bar(), "LAYOUT").items.size(), 4u + 20u + 2u);
    EXPECT_FALSE(findMenuItem(bar(), command::randomLayout)->checked);
    settings.Layout = "RANDOM.TVL";
    EXPECT_TRUE(findMenuItem(bar(), command::randomLayout)->checked);
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
    const std::vector<MenuItem> menus = bar();
    EXPECT_EQ(menuTitled(menus, "OPTIONS").items[0].text, "GO3D");
    EXPECT_EQ(menuTitled(menus, "GRAPHICS").items[1].text, "BACKGROUND");
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
