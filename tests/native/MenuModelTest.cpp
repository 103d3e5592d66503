// The file lists and the menu bar made of them. Whole bars are kept as outlines
// under tests/fixtures/menus; the rules that they cannot show have tests of their own.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "game/MenuModel.h"
#include "files/DataDirectories.h"
#include "files/FileList.h"
#include "files/LanguageKeys.h"
#include "files/Settings.h"

static FileList numberedLayouts(int count) {
    FileList list;
    for (int k = 0; k < count; ++k) {
        const std::string label = "L" + std::string(k < 10 ? "0" : "") + std::to_string(k);
        list.push_back({label + ".TVL", label});
    }
    return list;
}

static std::string entries(const FileList& list) {
    std::string out;
    for (const FileEntry& entry : list) out += entry.name + "=" + entry.label + " ";
    return out;
}

// One line an item: its text (a tab shown as "\t"), its command, "[x]" when checked.
static void outline(const std::vector<MenuItem>& items, const std::string& indent, std::string& out) {
    for (const MenuItem& item : items) {
        std::string text = item.kind == MenuItemKind::separator ? "-" : item.text;
        for (size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t')) text.replace(tab, 1, "\\t");
        out += indent + text + (item.command != 0 ? " #" + std::to_string(item.command) : "") +
               (item.checked ? " [x]" : "") + "\n";
        outline(item.items, indent + "  ", out);
    }
}

// Flags are checked only when exactly 1; file lists are numbered from their
// first command and check the current file; 21 layouts open a page of 20, 20
// do not. Without a wave device there is no sound menu; the 2D view offers
// the 3D one and a background, the 3D view the 2D one and its textures.
TEST(MenuBar, TwoWholeBars) {
    Settings settings;
    LanguageTable language;
    FileLists lists;
    // Every text is its own key, so the outline shows which text went where.
    for (const LanguageKey& key : languageKeys()) language.*(key.slot) = key.key + std::string(key.hint);
    settings.menuPageSize = 20;
    settings.ShowChrono = 1, settings.EasyMode = 2, settings.Shadows = 1, settings.NewCursors = 0;
    settings.SoundEffects = 1;
    settings.TileSet = "STANDARD.BMP", settings.Music = "", settings.Layout = "L20.TVL";
    fileListOf(lists, FileListKind::tileSets) = {{"FOREST.BMP", "Forest"}, {"STANDARD.BMP", "standard"}};
    fileListOf(lists, FileListKind::music) = {{"THEME01.MID", "Theme01"}};
    fileListOf(lists, FileListKind::sound2) = {{"REMOVE.WAV", "Remove"}};
    fileListOf(lists, FileListKind::backgrounds) = {{"SUNSET.BMP", "Sunset"}};
    fileListOf(lists, FileListKind::languages) = {{"ENGLISH.TXT", "English"}};
    fileListOf(lists, FileListKind::layouts) = numberedLayouts(21);
    std::string out;
    outline(buildMenuBar(settings, language, lists, true), "", out);
    settings.Layout = "RANDOM.TVL";
#if TAVREK_3D
    settings.view3D = 0;
#endif
    fileListOf(lists, FileListKind::layouts) = numberedLayouts(20);
    out += "==\n";
    outline(buildMenuBar(settings, language, lists, false), "", out);
    expectFixtureText(TAVREK_3D ? "menus/bar-3d.txt" : "menus/bar-lite.txt", out);
}

TEST(MenuBar, FiftyEntriesGiveTwoPagesAndTenPlainItemsNumberedOn) {
    MenuItem menu;
    appendFileItems(menu, numberedLayouts(50), 100, "L45.TVL", 20, "More");
    ASSERT_EQ(menu.items.size(), 12u);
    EXPECT_EQ((std::vector<int>{menu.items[1].items.front().command, menu.items[1].items.back().command,
                                menu.items[2].command, menu.items[11].command}),
              (std::vector<int>{120, 139, 140, 149}));
    EXPECT_TRUE(menu.items[7].checked);
    MenuItem small;
    appendFileItems(small, numberedLayouts(3), 0, "", 0, "More");
    EXPECT_EQ(small.items.size(), 3u) << "a page size below 1 still ends";
}

// Each list is filled from its directory and pattern, starting from an empty
// list (a missing directory gives none); labels sort byte by byte, names are
// upper case.
TEST(FileList, ScanningFillsEachListFromItsDirectory) {
    ScratchDirectory scratch;
    for (const char* file : {"SOUNDS/Select.wav", "SOUNDS/theme01.mid", "BACKGRND/Sunset.bmp", "LANGUAGE/ENGLISH.TXT",
                             "TILESETS/standard.bmp", "TILESETS/Forest.BMP", "TILESETS/zen.bmp", "TILESETS/Acorn.bmp",
                             "TILESETS/note.txt"})
        scratch.write(file, "x");
    DataDirectories dirs;
    initDataDirectories(dirs, scratch.path);
    FileLists lists;
    fileListOf(lists, FileListKind::layouts) = fileListOf(lists, FileListKind::tileSets) = {{"OLD.BMP", "Old"}};
    scanFileLists(lists, dirs);
    std::string found;
    using K = FileListKind;
    for (K kind : {K::sound1, K::sound3, K::music, K::backgrounds, K::languages, K::layouts, K::tileSets})
        found += entries(fileListOf(lists, kind)) + "| ";
    EXPECT_EQ(found, "SELECT.WAV=Select | SELECT.WAV=Select | THEME01.MID=theme01 | SUNSET.BMP=Sunset | "
                     "ENGLISH.TXT=ENGLISH | | ACORN.BMP=Acorn FOREST.BMP=Forest STANDARD.BMP=standard ZEN.BMP=zen | ");
}

// An entry goes in front of entries with an equal label; listed files count
// from the first number.
TEST(FileList, InsertingAndFindingByCommandNumber) {
    FileList list;
    for (const FileEntry& entry : {FileEntry{"B.WAV", "b"}, {"A.WAV", "a"}, {"A.MID", "a"}, {"C.WAV", "c"}})
        insertByLabel(list, entry);
    EXPECT_EQ(entries(list), "A.MID=a A.WAV=a B.WAV=b C.WAV=c ");
    EXPECT_EQ(listedFile(list, 23001, 23001)->name, "A.MID");
    EXPECT_EQ(listedFile(list, 23001, 23004)->name, "C.WAV");
    EXPECT_EQ(listedFile(list, 23001, 23000), nullptr);
    EXPECT_EQ(listedFile(list, 23001, 23005), nullptr);
}
