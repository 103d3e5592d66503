#include <gtest/gtest.h>

#include <windows.h>

#include "ShellDriver.h"
#include "shell/Shell.h"

namespace {

const char* const startSettings =
    "; settings\r\n\r\nLanguage        = \"ENGLISH.TXT\"\r\nLayout          = \"DEFAULT.TVL\"\r\n"
    "WindowXPos      = 30\r\nWindowYPos      = 40\r\nWindowXSize     = 900\r\nWindowYSize     = 700\r\n";

// The lines the file must hold for the window's rectangle and the shadows flag.
void expectWritten(const std::string& file, int x, int y, int width, int height, int shadows) {
    const auto expectLine = [&file](std::string key, int value) {
        key.resize(16, ' ');
        const std::string line = key + "= " + std::to_string(value) + "\r\n";
        EXPECT_NE(file.find("\r\n" + line), std::string::npos) << line << "in\n" << file;
    };
    expectLine("WindowXPos", x);
    expectLine("WindowYPos", y);
    expectLine("WindowXSize", width);
    expectLine("WindowYSize", height);
    expectLine("Shadows", shadows);
}

}  // namespace

TEST(Shutdown, ExitAndClosingTheWindowWriteTheSettingsWithTheWindowRectangle) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings(startSettings);
    ASSERT_TRUE(driver.start());
    driver.key(VK_F9);
    driver.key(VK_F12);
    EXPECT_TRUE(driver.quit);
    expectWritten(driver.settingsFile(), 30, 40, 900, 700, 1);

    driver.stop();
    driver.quit = false;
    ASSERT_TRUE(driver.start());
    MoveWindow(driver.window, 50, 60, 800, 600, TRUE);
    SendMessageA(driver.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver.pump());
    EXPECT_FALSE(IsWindow(driver.window));
    driver.window = nullptr;
    expectWritten(driver.settingsFile(), 50, 60, 800, 600, 1);
}

// A layout that cannot be played ends the run without storing the settings,
// so the next start plays the layout played before.
TEST(Shutdown, ARefusedLayoutEndsTheRunButNotTheNextStart) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.start_.write("LAYOUTS/BROKEN.TVL", "broken");
    driver.writeSettings(startSettings);
    ASSERT_TRUE(driver.start());
    driver.command(layoutCommand(GetMenu(driver.window), "BROKEN"));
    EXPECT_TRUE(driver.quit);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text.rfind("This layout does not hold exactly 144 tiles", 0), 0u);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    driver.stop();
    EXPECT_EQ(driver.settingsFile(), startSettings);
    driver.quit = false;
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
    EXPECT_EQ(ShellDriver::messages.size(), 1u);
}
