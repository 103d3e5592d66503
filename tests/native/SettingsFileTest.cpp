// Loading and saving TAVREK32.INI in a start directory: defaults, the repair
// of file names, the start-up failures and the safe replacement of the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "game/App.h"
#include "files/SettingsFile.h"
#include "game/SettingsStore.h"

namespace {

const char* const englishText =
    "MesNoLayout \"No layout found\"\n"
    "MesNoTileSet \"No tile set found\"\n"
    "MesWriteError \"cannot be written\"\n";

// A start directory holding one file of each kind the settings name.
struct StartDirectory {
    StartDirectory() : app(host) {
        scratch.write("LANGUAGE/ENGLISH.TXT", englishText);
        scratch.write("LAYOUTS/DEFAULT.TVL", "layout");
        scratch.write("TILESETS/STANDARD.BMP", "bitmap");
        scratch.write("BACKGRND/SUNSET.BMP", "bitmap");
        scratch.write("SOUNDS/SELECT.WAV", "wave");
        scratch.write("SOUNDS/THEME01.MID", "music");
        initDataDirectories(app.dirs, scratch.path);
    }
    void writeSettings(const std::string& text) const { scratch.write(settingsFileName, text); }
    std::string settingsText() const { return readText(scratch.path + "/" + settingsFileName); }

    ScratchDirectory scratch;
    RecordingHost host;
    App app;
};

}  // namespace

// The eight file names after loading, "-" for none.
std::string names(const Settings& s) {
    std::string line;
    for (const std::string* name : {&s.Language, &s.Layout, &s.TileSet, &s.Background, &s.Sound1, &s.Sound2,
                                     &s.Sound3, &s.Music})
        line += (line.empty() ? "" : " ") + (name->empty() ? "-" : *name);
    return line;
}

TEST(SettingsLoading, FileNamesAreRepairedFromWhatTheDirectoriesHold) {
    struct Case {
        const char* text;  // nullptr: no settings file
        std::vector<const char*> added, removed;
        const char* names;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        StartDirectory start;
        if (c.text != nullptr) start.writeSettings(c.text);
        for (const char* file : c.added) start.scratch.write(file, "x");
        for (const char* file : c.removed) std::filesystem::remove(start.scratch.path + "/" + file);
        ASSERT_TRUE(loadSettings(start.app)) << c.names;
        EXPECT_EQ(names(start.app.settings), c.names);
        EXPECT_TRUE(start.host.messages.empty()) << c.names;
    }
}

TEST(SettingsLoading, DefaultsFollowTheScreenAndTheLanguageIsRead) {
    StartDirectory start;
    start.app.settings.Shadows = 1;
    ASSERT_TRUE(loadSettings(start.app));
    EXPECT_EQ(start.app.settings.Shadows, 0);
    EXPECT_EQ(start.app.settings.WindowXSize, 1288 - 8);
    EXPECT_EQ(start.app.settings.WindowYSize, 1062 - 8);
    EXPECT_EQ(start.app.language.MesNoLayout, "No layout found");
}

TEST(SettingsLoading, MenuPageSizeComesFromTheDefaultWindowHeight) {
    StartDirectory start;
    start.writeSettings("WindowYSize = 200\n");
    ASSERT_TRUE(loadSettings(start.app));
    EXPECT_EQ(start.app.settings.WindowYSize, 200);
    EXPECT_EQ(start.app.settings.menuPageSize, (1062 - 8) / 20 - 4);

    start.host.screen.menuBarHeight = 0;
    ASSERT_TRUE(loadSettings(start.app));
    EXPECT_EQ(start.app.settings.menuPageSize, 10);

    start.host.screen.menuBarHeight = 300;
    ASSERT_TRUE(loadSettings(start.app));
    EXPECT_EQ(start.app.settings.menuPageSize, 1);  // never an empty page
}

TEST(SettingsLoading, StartUpEndsWithoutLanguageLayoutOrTileSet) {
    struct Case {
        const char* removed;
        const char* message;
    };
    const Case cases[] = {
        {"LANGUAGE/ENGLISH.TXT", "No language file found ! The game will stop. Please reinstall Tavrek"},
        {"LAYOUTS/DEFAULT.TVL", "No layout found"},
        {"TILESETS/STANDARD.BMP", "No tile set found"},
    };
    for (const Case& c : cases) {
        StartDirectory start;
        std::filesystem::remove(start.scratch.path + "/" + c.removed);
        EXPECT_FALSE(loadSettings(start.app)) << c.removed;
        ASSERT_EQ(start.host.messages.size(), 1u) << c.removed;
        EXPECT_EQ(start.host.messages[0].text, c.message);
        EXPECT_EQ(start.host.messages[0].caption, "Tavrek v3.2");
        EXPECT_EQ(start.host.messages[0].icon, MessageIcon::stop);
    }
}

TEST(SettingsSaving, WritesTheWindowRectangleAndReadsBackTheSame) {
    StartDirectory start;
    ASSERT_TRUE(loadSettings(start.app));
    start.app.settings.Background = "";
    ASSERT_TRUE(saveSettings(start.app, WindowRectangle{10, 20, 810, 620}));
    const std::string text = start.settingsText();
    EXPECT_NE(text.find("\r\nWindowXPos      = 10\r\nWindowYPos      = 20\r\n"
                        "WindowXSize     = 800\r\nWindowYSize     = 600\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nBackground      = none\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(start.scratch.path + "/" + settingsFileName + ".tmp"));

    ASSERT_TRUE(loadSettings(start.app));
    EXPECT_EQ(start.app.settings.WindowXSize, 800);
    EXPECT_EQ(start.app.settings.Background, "");
    ASSERT_TRUE(saveSettings(start.app, WindowRectangle{10, 20, 810, 620}));
    EXPECT_EQ(start.settingsText(), text);
}

TEST(SettingsSaving, AMinimizedWindowIsNotWrittenBack) {
    StartDirectory start;
    ASSERT_TRUE(loadSettings(start.app));
    ASSERT_TRUE(saveSettings(start.app, WindowRectangle{-32000, -32000, -31840, -31972}));
    EXPECT_EQ(start.settingsText().find("Window"), std::string::npos);
    ASSERT_TRUE(loadSettings(start.app));
    EXPECT_EQ(start.app.settings.WindowXPos, 0);
    EXPECT_EQ(start.app.settings.WindowXSize, 1280);
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
    EXPECT_EQ(start.host.messages[0].text, "TAVREK32.INI : cannot be written");
    EXPECT_EQ(start.host.messages[0].caption, "Tavrek v3.2");
    EXPECT_EQ(start.host.messages[0].icon, MessageIcon::exclamation);
}
