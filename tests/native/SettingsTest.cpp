// The settings file written, read and loaded; the start-up failures and the
// file written at shutdown are tested with the real window.
#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <string>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "files/SettingsFile.h"
#include "files/SettingsText.h"
#include "game/App.h"
#include "game/SettingsStore.h"

static const ScreenMetrics screen{1288, 1062, 4, 4, 20};

static std::string written(const Settings& settings) {
    const std::vector<uint8_t> bytes = formatSettingsText(settings, screen);
    return std::string(bytes.begin(), bytes.end());
}

static Settings parsed(const std::string& text, Settings settings = defaultSettings(screen)) {
    parseSettingsText(std::vector<uint8_t>(text.begin(), text.end()), settings);
    return settings;
}

// A settings file as the full program writes it; the lite program writes
// the same file without the 3D section.
static std::string expectedFile(const std::string& name) {
    const std::string text = readText(fixturePath("settings/" + name));
    return TAVREK_3D ? text : text.substr(0, text.find("\r\n\r\n; 3D values"));
}

// Every field away from its default, so that a value written from the wrong
// field or in the wrong width shows.
static Settings everyValueChanged() {
    Settings s = defaultSettings(screen);
    s.BackgroundColor = makeColour(1, 2, 3), s.SidesColor = makeColour(255, 0, 128);
    s.AutoPlaySleep = -7, s.RemoveTileTime = 2000000000;
    s.EasyMode = 0, s.ShowChrono = 0, s.Shadows = 1, s.StretchTiles = 0, s.SelectMode = 0, s.SoundEffects = 0;
    s.NewCursors = 1, s.CoolMenu = 1, s.lay = 1, s.ShadowsValue = 200, s.BorderSize = -3, s.ShadowSize = 0;
    s.Language = "FRANCAIS.TXT", s.Layout = "RANDOM.TVL", s.TileSet = "WOOD.BMP", s.Background = "";
    s.Sound1 = "", s.Sound2 = "B.WAV", s.Sound3 = "", s.Music = "";
    s.WindowXPos = 12, s.WindowYPos = 34, s.WindowXSize = 800, s.WindowYSize = 600;
#if TAVREK_3D
    s.Textures = 0;
    s.SelectColor = makeColour(9, 8, 7);
    for (int i = 0; i < 4; ++i) s.RGBVal[i] = makeColour(10 + i, 20 + i, 30 + i);
    for (int i = 0; i < 5; ++i) s.RGBLevel[i] = makeColour(100 + i, 110 + i, 120 + i);
    float* reals[] = {&s.XPosition, &s.YPosition,   &s.ZPosition,      &s.XView,          &s.YView,
                      &s.ZView,     &s.lightPosX,   &s.lightPosY,      &s.lightPosZ,      &s.MinZoom,
                      &s.MaxZoom,   &s.Inclination, &s.dessinZ,        &s.contourZ,       &s.ombreZ,
                      &s.MinInclination, &s.MaxInclination, &s.StepInclination, &s.StepRotation};
    for (int i = 0; i < 19; ++i) *reals[i] = 1.5f * static_cast<float>(i + 1) - 40;
#endif
    return s;
}

// Written exactly, and read back (over other values too, so that every line
// must be read into its own field) to the same bytes; only `.lay`, written
// just when on, cannot be read back as off.
TEST(SettingsWriting, DefaultsAndChangedValuesGiveTheExactFilesAndReadBack) {
    EXPECT_EQ(written(defaultSettings(screen)), expectedFile("defaults.ini"));
    EXPECT_EQ(written(everyValueChanged()), expectedFile("every-value.ini"));
    Settings others = everyValueChanged();
    others.lay = 0;
    for (const char* name : {"defaults.ini", "every-value.ini"}) {
        const std::string file = expectedFile(name);
        EXPECT_EQ(written(parsed(file)), file) << name;
        EXPECT_EQ(written(parsed(file, others)), file) << name;
    }
    for (uint8_t value : {0, 2}) {
        others.lay = value;
        EXPECT_EQ(written(others).find(".lay"), std::string::npos) << "the flag is on only at 1";
    }
#if TAVREK_3D
    for (float value : {0.1f, -0.0f, 1e-7f, 123456.789f, 16777217.0f, 3.0e12f, FLT_MAX, -FLT_MAX, 10.1f}) {
        others.ZView = value;
        EXPECT_EQ(written(parsed(written(others))), written(others)) << value << " survives its six decimals";
    }
#endif
}

TEST(SettingsWriting, WindowLinesOnlyForAWindowOnTheScreen) {
    const struct { int32_t x, y, width, height; bool writtenBack; } cases[] = {
        {0, 0, 1288, 1062, true},    {1288, 1062, 10, 10, true},  // the maximized area; the far edge still counts
        {-32000, -32000, 160, 28, false},                         // minimized
        {-1, 100, 800, 600, false},  {100, -1, 800, 600, false},  {1289, 0, 800, 600, false},
        {0, 1063, 800, 600, false},  {0, 0, 1289, 600, false},    {0, 0, 800, 1063, false}};
    for (const auto& c : cases) {
        Settings s = defaultSettings(screen);
        s.WindowXPos = c.x, s.WindowYPos = c.y, s.WindowXSize = c.width, s.WindowYSize = c.height;
        EXPECT_EQ(written(s).find("Window") != std::string::npos, c.writtenBack) << c.x << " " << c.y;
    }
}

// The reading rules, each as a text read over the defaults and the value of
// one key in the file written afterwards.
TEST(SettingsReading, Rules) {
    const std::string piece(253, ';'), nul("EasyMode = 0\0\nShadows = 1\n", 26);
    const struct { std::string text; const char* key; const char* value; } rules[] = {
        // Keys are case-sensitive and need their separator apart.
        {"easymode = 0\n", "EasyMode", "1"}, {"EasyMode= 0\n", "EasyMode", "1"}, {"EasyMode =0\n", "EasyMode", "1"},
        {"EasyMode : 0\n", "EasyMode", "0"}, {"\t EasyMode\t=\t0\r\n", "EasyMode", "0"},
        {"EasyMode = 0", "EasyMode", "0"},  // no line end on the last line
        {"EasyMode = x0\n", "EasyMode", "1"}, {"AutoPlaySleep = 25ms\n", "AutoPlaySleep", "25"},
        {"AutoPlaySleep = +25\n", "AutoPlaySleep", "25"}, {"AutoPlaySleep = -\n", "AutoPlaySleep", "500"},
        // Comments, short lines and foreign keys change nothing.
        {"; EasyMode = 0\n;EasyMode = 0\nX\n\nUnknown = 5\n", "EasyMode", "1"},
        {"Shadows = 1 ; a comment after the value is harmless\n", "Shadows", "1"},
        // Colour channels are cut to eight bits; only nine characters of a channel count.
        {"SidesColor = 300 -1 24\n", "SidesColor", "44 255 24"}, {"SidesColor = abc 7x 1\n", "SidesColor", "0 7 1"},
        {"SidesColor = 0000000017 1 2\n", "SidesColor", "1 1 2"}, {"SidesColor = 1 2\n", "SidesColor", "184 120 24"},
        // Numbers are stored in their field's width, and taken as read otherwise.
        {"ShadowsValue = 300\n", "ShadowsValue", "44"}, {"EasyMode = 258\n", "EasyMode", "2"},
        {"BorderSize = 70000\n", "BorderSize", "4464"},
        {"BorderSize = 0\n", "BorderSize", "0"}, {"ShadowSize = -40000\n", "ShadowSize", "25536"},
        {"RemoveTileTime = 4294967297\n", "RemoveTileTime", "1"},
        {"RemoveTileTime = -2147483648\n", "RemoveTileTime", "-2147483648"},
        // SelectMode takes only its two words.
        {"SelectMode = INVERT\n", "SelectMode", "INVERT"},
        {"SelectMode = INVERT\nSelectMode = DARKER\n", "SelectMode", "DARKER"},
        {"SelectMode = INVERT\nSelectMode = darker\n", "SelectMode", "INVERT"}, {"SelectMode =\n", "SelectMode", "DARKER"},
        {"SelectMode = INVERT\nSelectMode = DARKEST\nSelectMode = 1\n", "SelectMode", "INVERT"},
        // Names are quoted and upper-cased; "none" only in lower case and only for optional names.
        {"Layout = \"My Heap.tvl\"\n", "Layout", "\"MY HEAP.TVL\""},
        {"Layout = x\"pyramid.tvl\" y\n", "Layout", "\"PYRAMID.TVL\""},
        {"Layout = none\n", "Layout", "\"DEFAULT.TVL\""}, {"Background = none\n", "Background", "none"},
        {"Background = NONE\n", "Background", "\"SUNSET.BMP\""}, {"Background = \"none\"\n", "Background", "\"NONE\""},
        {"Sound2 =\"x.wav\"\n", "Sound2", "\"REMOVE.WAV\""},  // a third word must come first
        {"TileSet \"wood.bmp\"\n", "TileSet", "\"WOOD.BMP\""},
        // An open quote runs to the line end and no further.
        {"TileSet = \"wood.bmp\r\nLayout = \"a.tvl\"\n", "TileSet", "\"WOOD.BMP\""},
        {"TileSet = \"wood.bmp\r\nLayout = \"a.tvl\"\n", "Layout", "\"A.TVL\""},
        {"TileSet = \"wood.bmp", "TileSet", "\"WOOD.BMP\""}, {"Sound2 = \"\n", "Sound2", "none"},
        // Duplicated keys take the last value.
        {"EasyMode = 0\nLayout = \"A.TVL\"\nEasyMode = 1\nLayout = \"B.TVL\"\nEasyMode = 7\n", "EasyMode", "7"},
        // Lines are read in 254-character pieces: a full piece ends a line. A text stops at a NUL byte.
        {";" + piece + "EasyMode = 0\n", "EasyMode", "0"}, {piece + "EasyMode = 0\n", "EasyMode", "1"},
        {"Layout = \"" + std::string(300, 'a') + "\"\nShadows = 1\n", "Shadows", "1"},
        {nul, "Shadows", "1"}, {std::string("Layout = \"A\0B.TVL\"\n", 19), "Layout", "\"A\""},
    };
    for (const auto& rule : rules) {
        const std::string file = "\r\n" + written(parsed(rule.text)) + "\r\n", key = rule.key;
        const std::string line = "\r\n" + key + std::string(16 - key.size(), ' ') + "= " + rule.value + "\r\n";
        EXPECT_NE(file.find(line), std::string::npos) << rule.text;
    }
    // A name longer than a piece is cut at the piece's end.
    EXPECT_EQ(parsed("Layout = \"" + std::string(300, 'a') + "\"\n").Layout, std::string(254 - 10, 'A'));
#if TAVREK_3D
    const Settings s = parsed(
        "ZView = 12.5\nRGBLevel[3]Color = 1 2 3\nTextures = 0\nlightPosX = -4e1\nMaxZoom = 5abc\n"
        "MinZoom = nan\nXView = inf\nYView = 1e39\nZPosition = abc\nlightposy = 3\n");
    EXPECT_EQ((std::vector<float>{s.ZView, s.lightPosX, s.MaxZoom}), (std::vector<float>{12.5f, -40.0f, 5.0f}));
    EXPECT_EQ((std::vector<Colour>{s.RGBLevel[3], s.RGBLevel[2]}),
              (std::vector<Colour>{makeColour(1, 2, 3), makeColour(255, 255, 255)}));
    EXPECT_EQ(s.Textures, 0);
    // Values the view could not compare or divide by are refused.
    EXPECT_EQ((std::vector<float>{s.MinZoom, s.XView, s.YView, s.ZPosition, s.lightPosY}), std::vector<float>(5, 0.0f));
#else
    const Settings s = parsed("ZView = 12.5\nTextures = 0\nRGBLevel[3]Color = 1 2 3\nShadows = 1\n");
    EXPECT_EQ(written(s), written(parsed("Shadows = 1\n"))) << "3D keys are foreign to the lite program";
#endif
}

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
    for (const std::string* name :
         {&s.Language, &s.Layout, &s.TileSet, &s.Background, &s.Sound1, &s.Sound2, &s.Sound3, &s.Music})
        line += (line.empty() ? "" : " ") + (name->empty() ? "-" : *name);
    return line;
}

TEST(SettingsLoading, FileNamesAreRepairedFromWhatTheDirectoriesHold) {
    // A settings file (none for nullptr), the files added and removed, and the names loaded.
    const struct { const char* text; std::vector<const char*> added, removed; const char* names; } cases[] = {
        // The second and third default sounds are missing: the first sound stands in.
        {nullptr, {}, {},
         "ENGLISH.TXT DEFAULT.TVL STANDARD.BMP SUNSET.BMP SELECT.WAV SELECT.WAV SELECT.WAV THEME01.MID"},
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
        EXPECT_EQ(std::make_pair(s.WindowYSize, int(s.menuPageSize)), std::make_pair(200, pageSize)) << menuBarHeight;
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
    EXPECT_EQ(describe(start.host.messages[0]), "TAVREK32.INI : cannot be written|Tavrek v3.2|1");
}
