// Loading and saving TAVREK32.INI in a start directory: defaults, the repair
// of file names and a failed write. (The start-up failures and the file
// written at shutdown are tested with the real window.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "files/SettingsFile.h"
#include "game/App.h"
#include "game/SettingsStore.h"

// A start directory holding one file of each kind the settings name.
struct StartDirectory {
    StartDirectory() : app(host) {
        scratch.write("LANGUAGE/ENGLISH.TXT", "MesNoLayout \"No layout found\"\nMesWriteError \"cannot be written\"\n");
        for (const char* file : {"LAYOUTS/DEFAULT.TVL", "TILESETS/STANDARD.BMP", "BACKGRND/SUNSET.BMP",
                                 "SOUNDS/SELECT.WAV", "SOUNDS/THEME01.MID"})
            scratch.write(file, "x");
        initDataDirectories(app.dirs, scratch.path);
    }
    void writeSettings(const std::string& text) const { scratch.write(settingsFileName, text); }
    std::string settingsText() const { return readText(scratch.path + "/" + settingsFileName); }

    ScratchDirectory scratch;
    RecordingHost host;
    App app;
};

// The eight file names after loading, "-" for none.
static std::string names(const Settings& s) {
    std::string line;
    for (const std::string* name : {&s.Language, &s.Layout, &s.TileSet, &s.Background, &s.Sound1, &s.Sound2, &s.Sound3, &s.Music})
        line += (line.empty() ? "" : " ") + (name->empty() ? "-" : *name);
    return line;
}

TEST(SettingsLoading, FileNamesAreRepairedFromWhatTheDirectoriesHold) {
    const struct {
        const char* text;  // nullptr: no settings file
        std::vector<const char*> added, removed;
        const char* names;
    } cases[] = {
        // The second and third default sounds are missing: the first sound stands in.
        {nullptr, {}, {}, "ENGLISH.TXT DEFAULT.TVL STANDARD.BMP SUNSET.BMP SELECT.WAV SELECT.WAV SELECT.WAV THEME01.MID"},
        {"Shadows = 1\n", {}, {}, "ENGLISH.TXT DEFAULT.TVL STANDARD.BMP - - - - -"},
        // Missing files give the default, or the first file when the default is missing too.
        {"TileSet = \"gone.bmp\"\nBackground = \"gone.bmp\"\nLayout = \"RANDOM.TVL\"\n"
         "Sound1 = \"gone.wav\"\nMusic = none\nLanguage = \"GONE.TXT\"\n",
         {"TILESETS/Wood.bmp", "BACKGRND/aurora.bmp"}, {},
         "ENGLISH.TXT RANDOM.TVL STANDARD.BMP SUNSET.BMP SELECT.WAV - - -"},
        {"TileSet = \"gone.bmp\"\nBackground = \"gone.bmp\"\n", {"TILESETS/Wood.bmp", "BACKGRND/aurora.bmp"},
         {"TILESETS/STANDARD.BMP", "BACKGRND/SUNSET.BMP"}, "ENGLISH.TXT DEFAULT.TVL WOOD.BMP AURORA.BMP - - - -"},
        {"TileSet = \"wood.BMP\"\n", {"TILESETS/Wood.bmp"}, {}, "ENGLISH.TXT DEFAULT.TVL WOOD.BMP - - - - -"},
        // Names reaching out of their directory count as missing.
        {"Layout = \"SUB/OTHER.TVL\"\nTileSet = \"../LAYOUTS/DEFAULT.TVL\"\nLanguage = \"..\"\n"
         "Background = \"C:SUNSET.BMP\"\n",
         {"LAYOUTS/SUB/OTHER.TVL"}, {}, "ENGLISH.TXT DEFAULT.TVL STANDARD.BMP SUNSET.BMP - - - -"},
        // A random layout needs no layout file.
        {"Layout = \"random.tvl\"\n", {}, {"LAYOUTS/DEFAULT.TVL"}, "ENGLISH.TXT RANDOM.TVL STANDARD.BMP - - - - -"},
    };
    for (const auto& c : cases) {
        StartDirectory start;
        if (c.text != nullptr) start.writeSettings(c.text);
        for (const char* file : c.added) start.scratch.write(file, "x");
        for (const char* file : c.removed) std::filesystem::remove(start.scratch.path + "/" + file);
        ASSERT_TRUE(loadSettings(start.app)) << c.names;
        EXPECT_EQ(names(start.app.settings), c.names);
        EXPECT_TRUE(start.host.messages.empty()) << c.names;
    }
}

// The defaults fill the maximized area within the sizing frame; a menu page
// fits the default window height, whatever the file says, and is never empty.
TEST(SettingsLoading, DefaultsAndTheMenuPageFollowTheScreenAndTheLanguageIsRead) {
    StartDirectory start;
    start.app.settings.Shadows = 1;
    ASSERT_TRUE(loadSettings(start.app));
    const Settings& s = start.app.settings;
    EXPECT_EQ((std::vector<int>{s.Shadows, s.WindowXSize, s.WindowYSize}), (std::vector<int>{0, 1288 - 8, 1062 - 8}));
    EXPECT_EQ(start.app.language.MesNoLayout, "No layout found");
    start.writeSettings("WindowYSize = 200\n");
    for (const auto& [menuBarHeight, pageSize] : {std::pair{20, (1062 - 8) / 20 - 4}, {0, 10}, {300, 1}}) {
        start.host.screen.menuBarHeight = menuBarHeight;
        ASSERT_TRUE(loadSettings(start.app));
        EXPECT_EQ((std::vector<int>{s.WindowYSize, s.menuPageSize}), (std::vector<int>{200, pageSize})) << menuBarHeight;
    }
}

TEST(SettingsSaving, AFailedWriteIsReportedAndKeepsTheOldFile) {
    StartDirectory start;
    start.writeSettings("Shadows = 1\n");
    ASSERT_TRUE(loadSettings(start.app));
    // A directory where the temporary file should go makes the write fail.
    start.scratch.makeDirectory(std::string(settingsFileName) + ".tmp");
    start.app.settings.Shadows = 0;
    EXPECT_FALSE(saveSettings(start.app, WindowRectangle{0, 0, 800, 600}));
    EXPECT_EQ(start.settingsText(), "Shadows = 1\n");
    ASSERT_EQ(start.host.messages.size(), 1u);
    const RecordedMessage& m = start.host.messages[0];
    EXPECT_EQ(std::tie(m.text, m.caption, m.icon), std::make_tuple(std::string("TAVREK32.INI : cannot be written"),
                                                                    std::string("Tavrek v3.2"), MessageIcon::exclamation));
}
