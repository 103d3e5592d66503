#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "ShellDriver.h"
#include "engine/Commands.h"
#include "shell/Shell.h"

namespace {

const char* const startSettings =
    "; settings\r\n\r\nLanguage        = \"ENGLISH.TXT\"\r\nLayout          = \"DEFAULT.TVL\"\r\n"
    "TileSet         = \"STANDARD.BMP\"\r\nBackground      = \"JADE.BMP\"\r\n"
    "Sound1          = none\r\nSound2          = none\r\nSound3          = none\r\nMusic           = none\r\n"
    "WindowXPos      = 30\r\nWindowYPos      = 40\r\nWindowXSize     = 900\r\nWindowYSize     = 700\r\n";

std::string expectedFile(bool shadows) {
    std::string text =
        "; Tavrek v3.2 INI File, do not edit\r\n"
        "\r\nBackgroundColor = 0 160 0"
        "\r\nSidesColor      = 184 120 24"
        "\r\nEasyMode        = 1"
        "\r\nAutoPlaySleep   = 500"
        "\r\nRemoveTileTime  = 500"
        "\r\nShowChrono      = 1"
        "\r\nShadows         = " + std::string(shadows ? "1" : "0") +
        "\r\nStretchTiles    = 1"
        "\r\nSelectMode      = DARKER"
        "\r\nLanguage        = \"ENGLISH.TXT\""
        "\r\nLayout          = \"DEFAULT.TVL\""
        "\r\nTileSet         = \"STANDARD.BMP\""
        "\r\nBackground      = \"JADE.BMP\""
        "\r\nSoundEffects    = 0"
        "\r\nSound1          = none"
        "\r\nSound2          = none"
        "\r\nSound3          = none"
        "\r\nMusic           = none"
        "\r\nWindowXPos      = 30"
        "\r\nWindowYPos      = 40"
        "\r\nWindowXSize     = 900"
        "\r\nWindowYSize     = 700"
        "\r\nShadowsValue    = 64"
        "\r\nNewCursors      = 0"
        "\r\nBorderSize      = 8"
        "\r\nShadowSize      = 4"
        "\r\nCoolMenu        = 0";
#if TAVREK_3D
    text +=
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
#endif
    return text;
}

}  // namespace

// Without a wave output device (as under headless Wine) the sound settings
// are written switched off.
TEST(Shutdown, ExitWritesTheSettingsWithTheWindowRectangle) {
    if (waveOutGetNumDevs() != 0) GTEST_SKIP() << "a wave output device exists";
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings(startSettings);
    ASSERT_TRUE(driver.start());
    driver.key(VK_F9);
    driver.key(VK_F12);
    EXPECT_TRUE(driver.quit);
    EXPECT_EQ(driver.settingsFile(), expectedFile(true));
}

TEST(Shutdown, ClosingTheWindowWritesTheSameWayOnce) {
    if (waveOutGetNumDevs() != 0) GTEST_SKIP() << "a wave output device exists";
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings(startSettings);
    ASSERT_TRUE(driver.start());
    MoveWindow(driver.window, 50, 60, 800, 600, TRUE);
    SendMessageA(driver.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver.pump());
    std::string expected = expectedFile(false);
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"WindowXPos      = 30", "WindowXPos      = 50"},
                                   {"WindowYPos      = 40", "WindowYPos      = 60"},
                                   {"WindowXSize     = 900", "WindowXSize     = 800"},
                                   {"WindowYSize     = 700", "WindowYSize     = 600"}})
        expected.replace(expected.find(from), from.size(), to);
    EXPECT_EQ(driver.settingsFile(), expected);
    EXPECT_FALSE(IsWindow(driver.window));
    driver.window = nullptr;
}
