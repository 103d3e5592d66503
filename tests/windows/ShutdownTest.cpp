#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

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
    return text;
}

// The general keys as written; the 3D block that follows them in tavrek is
// the settings writer's own concern.
std::string generalPart(const std::string& file) {
#if TAVREK_3D
    const size_t block = file.find("\r\n\r\n; 3D values\r\nTextures         = ");
    EXPECT_NE(block, std::string::npos);
    return file.substr(0, block);
#else
    return file;
#endif
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
    EXPECT_EQ(generalPart(driver.settingsFile()), expectedFile(true));
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
    EXPECT_EQ(generalPart(driver.settingsFile()), expected);
    EXPECT_FALSE(IsWindow(driver.window));
    driver.window = nullptr;
}

// A layout that cannot be played ends the run without storing the settings,
// so the next start plays the layout played before.
TEST(Shutdown, ARefusedLayoutEndsTheRunButNotTheNextStart) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.start_.write("LAYOUTS/BROKEN.TVL", "broken");
    driver.writeSettings(startSettings);
    ASSERT_TRUE(driver.start());
    const std::vector<std::string> layouts = menuTexts(subMenuTitled(GetMenu(driver.window), "&Layout"));
    const auto broken = std::find(layouts.begin(), layouts.end(), "BROKEN");
    ASSERT_NE(broken, layouts.end());
    driver.command(22000u + static_cast<unsigned>(broken - layouts.begin() - 4));
    EXPECT_TRUE(driver.quit);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text.rfind("This layout does not hold exactly 144 tiles", 0), 0u);
    driver.stop();
    EXPECT_EQ(driver.settingsFile(), startSettings);
    driver.quit = false;
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    EXPECT_EQ(shell().app.game.state.tilesLeft, 144);
    EXPECT_EQ(ShellDriver::messages.size(), 1u);
}
