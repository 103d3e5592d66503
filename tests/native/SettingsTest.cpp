// The settings file as text: the exact bytes written and the reading rules.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "RecordingHost.h"
#include "files/SettingsFile.h"
#include "files/SettingsText.h"

namespace {

const ScreenMetrics screen{1288, 1062, 4, 4, 20};

std::string written(const Settings& settings) {
    const std::vector<uint8_t> bytes = formatSettingsText(settings, screen);
    return std::string(bytes.begin(), bytes.end());
}

Settings parsed(const std::string& text, Settings settings = defaultSettings(screen)) {
    parseSettingsText(std::vector<uint8_t>(text.begin(), text.end()), settings);
    return settings;
}

const char* const defaultGeneralLines =
    "; Tavrek v3.2 INI File, do not edit\r\n"
    "\r\nBackgroundColor = 0 160 0"
    "\r\nSidesColor      = 184 120 24"
    "\r\nEasyMode        = 1"
    "\r\nAutoPlaySleep   = 500"
    "\r\nRemoveTileTime  = 500"
    "\r\nShowChrono      = 1"
    "\r\nShadows         = 0"
    "\r\nStretchTiles    = 1"
    "\r\nSelectMode      = DARKER"
    "\r\nLanguage        = \"ENGLISH.TXT\""
    "\r\nLayout          = \"DEFAULT.TVL\""
    "\r\nTileSet         = \"STANDARD.BMP\""
    "\r\nBackground      = \"SUNSET.BMP\""
    "\r\nSoundEffects    = 1"
    "\r\nSound1          = \"SELECT.WAV\""
    "\r\nSound2          = \"REMOVE.WAV\""
    "\r\nSound3          = \"BESIDE.WAV\""
    "\r\nMusic           = \"THEME01.MID\""
    "\r\nWindowXPos      = 0"
    "\r\nWindowYPos      = 0"
    "\r\nWindowXSize     = 1280"
    "\r\nWindowYSize     = 1054"
    "\r\nShadowsValue    = 64"
    "\r\nNewCursors      = 0"
    "\r\nBorderSize      = 8"
    "\r\nShadowSize      = 4"
    "\r\nCoolMenu        = 0";

#if TAVREK_3D
const char* const default3DLines =
    "\r\n\r\n; 3D values"
    "\r\nTextures         = 1"
    "\r\nSelectColor      = 255 255 0"
    "\r\nRGBVal[0]Color   = 0 137 219"
    "\r\nRGBVal[1]Color   = 0 164 102"
    "\r\nRGBVal[2]Color   = 150 52 22"
    "\r\nRGBVal[3]Color   = 255 52 38"
    "\r\nRGBLevel[0]Color = 255 255 255"
    "\r\nRGBLevel[1]Color = 192 192 192"
    "\r\nRGBLevel[2]Color = 255 255 255"
    "\r\nRGBLevel[3]Color = 192 192 192"
    "\r\nRGBLevel[4]Color = 255 255 255"
    "\r\nXPosition        = 0.000000"
    "\r\nYPosition        = 0.000000"
    "\r\nZPosition        = 0.000000"
    "\r\nXView            = 0.000000"
    "\r\nYView            = 0.000000"
    "\r\nZView            = 325.000000"
    "\r\nlightPosX        = 0.000000"
    "\r\nlightPosY        = 0.000000"
    "\r\nlightPosZ        = 325.000000"
    "\r\nMinZoom          = 0.000000"
    "\r\nMaxZoom          = 1000.000000"
    "\r\nInclination      = 0.000000"
    "\r\ndessinZ          = 10.100000"
    "\r\ncontourZ         = 0.100000"
    "\r\nombreZ           = 0.200000"
    "\r\nMinInclination   = -20.000000"
    "\r\nMaxInclination   = 20.000000"
    "\r\nStepInclination  = 1.000000"
    "\r\nStepRotation     = 5.000000";
#else
const char* const default3DLines = "";
#endif

// Every field away from its default, so that a value written from the wrong
// field or in the wrong width shows.
Settings everyValueChanged() {
    Settings s = defaultSettings(screen);
    s.BackgroundColor = makeColour(1, 2, 3);
    s.SidesColor = makeColour(255, 0, 128);
    s.EasyMode = 0;
    s.AutoPlaySleep = -7;
    s.RemoveTileTime = 2000000000;
    s.ShowChrono = 0;
    s.Shadows = 1;
    s.StretchTiles = 0;
    s.SelectMode = 0;
    s.Language = "FRANCAIS.TXT";
    s.Layout = "RANDOM.TVL";
    s.TileSet = "WOOD.BMP";
    s.Background = "";
    s.SoundEffects = 0;
    s.Sound1 = "";
    s.Sound2 = "B.WAV";
    s.Sound3 = "";
    s.Music = "";
    s.WindowXPos = 12;
    s.WindowYPos = 34;
    s.WindowXSize = 800;
    s.WindowYSize = 600;
    s.ShadowsValue = 200;
    s.NewCursors = 1;
    s.BorderSize = -3;
    s.ShadowSize = 0;
    s.CoolMenu = 1;
    s.lay = 1;
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

}  // namespace

TEST(SettingsWriting, DefaultsGiveTheExactFile) {
    EXPECT_EQ(written(defaultSettings(screen)), std::string(defaultGeneralLines) + default3DLines);
}

TEST(SettingsWriting, EveryChangedValueIsWrittenInItsPlaceAndForm) {
    const std::string expected =
        "; Tavrek v3.2 INI File, do not edit\r\n"
        "\r\nBackgroundColor = 1 2 3"
        "\r\nSidesColor      = 255 0 128"
        "\r\nEasyMode        = 0"
        "\r\nAutoPlaySleep   = -7"
        "\r\nRemoveTileTime  = 2000000000"
        "\r\nShowChrono      = 0"
        "\r\nShadows         = 1"
        "\r\nStretchTiles    = 0"
        "\r\nSelectMode      = INVERT"
        "\r\nLanguage        = \"FRANCAIS.TXT\""
        "\r\nLayout          = \"RANDOM.TVL\""
        "\r\nTileSet         = \"WOOD.BMP\""
        "\r\nBackground      = none"
        "\r\nSoundEffects    = 0"
        "\r\nSound1          = none"
        "\r\nSound2          = \"B.WAV\""
        "\r\nSound3          = none"
        "\r\nMusic           = none"
        "\r\nWindowXPos      = 12"
        "\r\nWindowYPos      = 34"
        "\r\nWindowXSize     = 800"
        "\r\nWindowYSize     = 600"
        "\r\nShadowsValue    = 200"
        "\r\nNewCursors      = 1"
        "\r\nBorderSize      = -3"
        "\r\nShadowSize      = 0"
        "\r\nCoolMenu        = 1"
        "\r\n.lay            = 1"
#if TAVREK_3D
        "\r\n\r\n; 3D values"
        "\r\nTextures         = 0"
        "\r\nSelectColor      = 9 8 7"
        "\r\nRGBVal[0]Color   = 10 20 30"
        "\r\nRGBVal[1]Color   = 11 21 31"
        "\r\nRGBVal[2]Color   = 12 22 32"
        "\r\nRGBVal[3]Color   = 13 23 33"
        "\r\nRGBLevel[0]Color = 100 110 120"
        "\r\nRGBLevel[1]Color = 101 111 121"
        "\r\nRGBLevel[2]Color = 102 112 122"
        "\r\nRGBLevel[3]Color = 103 113 123"
        "\r\nRGBLevel[4]Color = 104 114 124"
        "\r\nXPosition        = -38.500000"
        "\r\nYPosition        = -37.000000"
        "\r\nZPosition        = -35.500000"
        "\r\nXView            = -34.000000"
        "\r\nYView            = -32.500000"
        "\r\nZView            = -31.000000"
        "\r\nlightPosX        = -29.500000"
        "\r\nlightPosY        = -28.000000"
        "\r\nlightPosZ        = -26.500000"
        "\r\nMinZoom          = -25.000000"
        "\r\nMaxZoom          = -23.500000"
        "\r\nInclination      = -22.000000"
        "\r\ndessinZ          = -20.500000"
        "\r\ncontourZ         = -19.000000"
        "\r\nombreZ           = -17.500000"
        "\r\nMinInclination   = -16.000000"
        "\r\nMaxInclination   = -14.500000"
        "\r\nStepInclination  = -13.000000"
        "\r\nStepRotation     = -11.500000"
#endif
        ;
    EXPECT_EQ(written(everyValueChanged()), expected);
}

TEST(SettingsWriting, WindowLinesOnlyForAWindowOnTheScreen) {
    struct Case {
        int32_t x, y, width, height;
        bool writtenBack;
    };
    const Case cases[] = {
        {0, 0, 1288, 1062, true},         // the whole maximized area
        {1288, 1062, 10, 10, true},       // starting on the far edge still counts
        {-32000, -32000, 160, 28, false}, // minimized
        {-1, 100, 800, 600, false},       // partly off to the left
        {100, -1, 800, 600, false},       // partly off the top
        {1289, 0, 800, 600, false},       // beyond the right edge
        {0, 1063, 800, 600, false},       // beyond the bottom edge
        {0, 0, 1289, 600, false},         // wider than the screen
        {0, 0, 800, 1063, false},         // taller than the screen
    };
    for (const Case& c : cases) {
        Settings s = defaultSettings(screen);
        s.WindowXPos = c.x;
        s.WindowYPos = c.y;
        s.WindowXSize = c.width;
        s.WindowYSize = c.height;
        const std::string text = written(s);
        const std::string lines = "\r\nWindowXPos      = " + std::to_string(c.x) + "\r\nWindowYPos      = " +
                                  std::to_string(c.y) + "\r\nWindowXSize     = " + std::to_string(c.width) +
                                  "\r\nWindowYSize     = " + std::to_string(c.height);
        EXPECT_EQ(text.find(lines) != std::string::npos, c.writtenBack) << c.x << " " << c.y;
        EXPECT_EQ(text.find("Window") != std::string::npos, c.writtenBack) << c.x << " " << c.y;
    }
}

TEST(SettingsWriting, LayLineOnlyWhenTheFlagIsOne) {
    Settings s = defaultSettings(screen);
    s.lay = 1;
    EXPECT_NE(written(s).find("\r\nCoolMenu        = 0\r\n.lay            = 1"), std::string::npos);
    for (uint8_t value : {0, 2}) {
        s.lay = value;
        EXPECT_EQ(written(s).find(".lay"), std::string::npos);
    }
}

TEST(SettingsWriting, AWrittenFileReadBackGivesTheSameBytes) {
    for (const Settings& original : {defaultSettings(screen), everyValueChanged()}) {
        const std::string first = written(original);
        const Settings again = parsed(first);
        EXPECT_EQ(written(again), first);
        EXPECT_EQ(again.WindowXSize, original.WindowXSize);
        EXPECT_EQ(again.SelectMode, original.SelectMode);
        EXPECT_EQ(again.Background, original.Background);
    }
}

#if TAVREK_3D
TEST(SettingsWriting, FloatsSurviveTheirSixDecimals) {
    for (float value : {0.1f, -0.0f, 1e-7f, 123456.789f, 16777217.0f, 3.0e12f, FLT_MAX, -FLT_MAX, 10.1f}) {
        Settings s = defaultSettings(screen);
        s.ZView = value;
        const std::string first = written(s);
        EXPECT_EQ(written(parsed(first)), first) << value;
    }
}
#endif

TEST(SettingsReading, KeysAreCaseSensitiveAndNeedTheirSeparatorApart) {
    EXPECT_EQ(parsed("easymode = 0\n").EasyMode, 1);
    EXPECT_EQ(parsed("EASYMODE = 0\n").EasyMode, 1);
    EXPECT_EQ(parsed("EasyMode=0\n").EasyMode, 1);
    EXPECT_EQ(parsed("EasyMode =0\n").EasyMode, 1);
    EXPECT_EQ(parsed("EasyMode= 0\n").EasyMode, 1);
    EXPECT_EQ(parsed("EasyMode : 0\n").EasyMode, 0);
    EXPECT_EQ(parsed("\t EasyMode\t=\t0\r\n").EasyMode, 0);
    EXPECT_EQ(parsed("EasyMode = 0").EasyMode, 0);  // no line end on the last line
    EXPECT_EQ(parsed("EasyMode = x0\n").EasyMode, 1);
    EXPECT_EQ(parsed("AutoPlaySleep = 25ms\n").AutoPlaySleep, 25);
    EXPECT_EQ(parsed("AutoPlaySleep = +25\n").AutoPlaySleep, 25);
    EXPECT_EQ(parsed("AutoPlaySleep = -\n").AutoPlaySleep, 500);
}

TEST(SettingsReading, CommentsShortLinesAndForeignKeysChangeNothing) {
    const Settings s = parsed(
        "; EasyMode = 0\n"
        ";EasyMode = 0\n"
        "Shadows = 1 ; a comment after the value is harmless\n"
        "X\n"
        "\n"
        "Unknown = 5\n");
    EXPECT_EQ(s.EasyMode, 1);
    EXPECT_EQ(s.Shadows, 1);
    EXPECT_EQ(written(s), written(parsed("Shadows = 1\n")));
}

TEST(SettingsReading, ColourChannelsAreCutToEightBits) {
    EXPECT_EQ(parsed("SidesColor = 300 -1 24\n").SidesColor, makeColour(44, 255, 24));
    EXPECT_EQ(parsed("SidesColor = abc 7x 1\n").SidesColor, makeColour(0, 7, 1));
    // Only the first nine characters of a channel count.
    EXPECT_EQ(parsed("SidesColor = 0000000017 1 2\n").SidesColor, makeColour(1, 1, 2));
    EXPECT_EQ(parsed("SidesColor = 1 2\n").SidesColor, makeColour(184, 120, 24));
    EXPECT_EQ(parsed("BackgroundColor = 256 512 1023\n").BackgroundColor, makeColour(0, 0, 255));
}

TEST(SettingsReading, NumbersAreStoredInTheFieldsWidth) {
    EXPECT_EQ(parsed("ShadowsValue = 300\n").ShadowsValue, 44);
    EXPECT_EQ(parsed("EasyMode = 257\n").EasyMode, 1);
    EXPECT_EQ(parsed("EasyMode = 258\n").EasyMode, 2);
    EXPECT_EQ(parsed("BorderSize = 70000\n").BorderSize, 70000 - 65536);
    EXPECT_EQ(parsed("ShadowSize = -40000\n").ShadowSize, -40000 + 65536);
    EXPECT_EQ(parsed("RemoveTileTime = 4294967297\n").RemoveTileTime, 1);
    EXPECT_EQ(parsed("RemoveTileTime = -2147483648\n").RemoveTileTime, INT32_MIN);
}

TEST(SettingsReading, DangerousValuesAreTakenAsRead) {
    const Settings s = parsed("BorderSize = 0\nShadowSize = 0\nAutoPlaySleep = -100\nRemoveTileTime = -1\n");
    EXPECT_EQ(s.BorderSize, 0);
    EXPECT_EQ(s.ShadowSize, 0);
    EXPECT_EQ(s.AutoPlaySleep, -100);
    EXPECT_EQ(s.RemoveTileTime, -1);
}

TEST(SettingsReading, SelectModeTakesOnlyItsTwoWords) {
    Settings invert = defaultSettings(screen);
    invert.SelectMode = 0;
    EXPECT_EQ(parsed("SelectMode = INVERT\n").SelectMode, 0);
    EXPECT_EQ(parsed("SelectMode = DARKER\n", invert).SelectMode, 1);
    for (const char* other : {"SelectMode = darker\n", "SelectMode = 1\n", "SelectMode = DARKEST\n", "SelectMode =\n"})
        EXPECT_EQ(parsed(other, invert).SelectMode, 0) << other;
}

TEST(SettingsReading, NamesAreQuotedUpperCasedAndNoneOnlyInLowerCase) {
    EXPECT_EQ(parsed("Layout = \"My Heap.tvl\"\n").Layout, "MY HEAP.TVL");
    EXPECT_EQ(parsed("Layout = x\"pyramid.tvl\" y\n").Layout, "PYRAMID.TVL");
    EXPECT_EQ(parsed("Layout = none\n").Layout, "DEFAULT.TVL");  // no quote: the line is ignored
    EXPECT_EQ(parsed("Background = none\n").Background, "");
    EXPECT_EQ(parsed("Music = none\n").Music, "");
    EXPECT_EQ(parsed("Background = NONE\n").Background, "SUNSET.BMP");
    EXPECT_EQ(parsed("Background = \"none\"\n").Background, "NONE");
    EXPECT_EQ(parsed("Sound2 = \"x.wav\"\n").Sound2, "X.WAV");
    // The optional names need a third word before the quote counts.
    EXPECT_EQ(parsed("Sound2 =\"x.wav\"\n").Sound2, "REMOVE.WAV");
    EXPECT_EQ(parsed("TileSet \"wood.bmp\"\n").TileSet, "WOOD.BMP");
}

TEST(SettingsReading, AnOpenQuoteRunsToTheLineEndAndNoFurther) {
    const Settings s = parsed("TileSet = \"wood.bmp\r\nLayout = \"a.tvl\"\n");
    EXPECT_EQ(s.TileSet, "WOOD.BMP");
    EXPECT_EQ(s.Layout, "A.TVL");
    EXPECT_EQ(parsed("TileSet = \"wood.bmp").TileSet, "WOOD.BMP");
}

TEST(SettingsReading, DuplicatedKeysTakeTheLastValue) {
    const Settings s = parsed("EasyMode = 0\nLayout = \"A.TVL\"\nEasyMode = 1\nLayout = \"B.TVL\"\nEasyMode = 7\n");
    EXPECT_EQ(s.EasyMode, 7);
    EXPECT_EQ(s.Layout, "B.TVL");
}

TEST(SettingsReading, LongLinesAreReadIn254CharacterPieces) {
    // 254 characters make a full piece: what follows is read as a line of its own.
    EXPECT_EQ(parsed(std::string(254, ';') + "EasyMode = 0\n").EasyMode, 0);
    // One character fewer, and the key is cut by the piece boundary.
    EXPECT_EQ(parsed(std::string(253, ';') + "EasyMode = 0\n").EasyMode, 1);
    // A name longer than a piece is cut at the piece's end.
    const Settings s = parsed("Layout = \"" + std::string(300, 'a') + "\"\nShadows = 1\n");
    EXPECT_EQ(s.Layout, std::string(254 - 10, 'A'));
    EXPECT_EQ(s.Shadows, 1);
}

TEST(SettingsReading, ATextStopsAtANulByte) {
    const std::string text("EasyMode = 0\0\nShadows = 1\n", 26);
    const Settings s = parsed(text);
    EXPECT_EQ(s.EasyMode, 0);
    EXPECT_EQ(s.Shadows, 1);
    EXPECT_EQ(parsed(std::string("Layout = \"A\0B.TVL\"\n", 19)).Layout, "A");
}

#if TAVREK_3D
TEST(SettingsReading, ThreeDimensionalValues) {
    const Settings s = parsed(
        "ZView = 12.5\nRGBLevel[3]Color = 1 2 3\nTextures = 0\nlightPosX = -4e1\nMaxZoom = 5abc\n"
        "MinZoom = nan\nXView = inf\nYView = 1e39\nZPosition = abc\nlightposy = 3\n");
    EXPECT_EQ(s.ZView, 12.5f);
    EXPECT_EQ(s.RGBLevel[3], makeColour(1, 2, 3));
    EXPECT_EQ(s.RGBLevel[2], makeColour(255, 255, 255));
    EXPECT_EQ(s.Textures, 0);
    EXPECT_EQ(s.lightPosX, -40.0f);
    EXPECT_EQ(s.MaxZoom, 5.0f);
    // Values the view could not compare or divide by are refused.
    EXPECT_EQ(s.MinZoom, 0.0f);
    EXPECT_EQ(s.XView, 0.0f);
    EXPECT_EQ(s.YView, 0.0f);
    EXPECT_EQ(s.ZPosition, 0.0f);
    EXPECT_EQ(s.lightPosY, 0.0f);
}
#else
TEST(SettingsReading, ThreeDimensionalKeysAreForeignInTheLiteProgram) {
    const Settings s = parsed("ZView = 12.5\nTextures = 0\nRGBLevel[3]Color = 1 2 3\nShadows = 1\n");
    EXPECT_EQ(written(s), written(parsed("Shadows = 1\n")));
    EXPECT_EQ(written(s).find("3D"), std::string::npos);
}
#endif
