#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "files/Caption.h"
#include "files/SettingsText.h"
#include "resources/resource.h"
#include "shell/Shell.h"
#include "dialogs/WideText.h"

namespace {

// Lists the labels, the selected one in brackets, picks the label ("" keeps
// the selection) and presses OK.
DialogAnswer languageAnswer(const std::string& pick, std::vector<std::string>& seen) {
    return {productCaption, [pick, &seen](HWND dialog) {
                HWND box = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
                const LRESULT selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
                for (LRESULT k = 0; k < SendMessageW(box, CB_GETCOUNT, 0, 0); ++k) {
                    wchar_t label[64] = {};
                    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(label));
                    seen.push_back(k == selected ? "[" + utf8FromWide(label) + "]" : utf8FromWide(label));
                }
                if (!pick.empty())
                    SendMessageW(box, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(wideFromUtf8(pick).c_str()));
                SendMessageA(dialog, WM_COMMAND, IDC_LANGUAGE_OK, 0);
            }};
}

// The settings file as the game reads it: the window's rectangle, the shadows
// flag and, without a wave device (as here), the sound switched off.
void expectWritten(const ShellDriver& driver, const std::vector<int>& rectangle) {
    const std::string text = driver.settingsFile();
    Settings s;
    parseSettingsText(std::vector<uint8_t>(text.begin(), text.end()), s);
    EXPECT_EQ(std::vector<int>({s.WindowXPos, s.WindowYPos, s.WindowXSize, s.WindowYSize}), rectangle) << text;
    EXPECT_EQ(s.Shadows, 1);
    if (waveOutGetNumDevs() != 0) return;
    EXPECT_EQ(std::to_string(s.SoundEffects) + s.Music, "0") << text;
}

}  // namespace

// The language is asked only while no settings file exists. Exit and
// closing the window write the settings with the window's rectangle, and the
// next start places the window by them.
TEST(StartUp, TheFirstStartAsksTheLanguageAndEachShutdownWritesTheSettings) {
    ShellDriver driver;
    driver.install("");
    std::vector<std::string> seen;
    answerDialogs({languageAnswer("FRANCAIS", seen), languageAnswer("", seen)});
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(seen, (std::vector<std::string>{"CESTINA", "DANSK", "DEUTSCH", "ELLINIKA", "[ENGLISH]", "ESPANOL",
                                              "FRANCAIS", "HANGUGEO", "ITALIANO", "MAGYAR", "NEDERLANDS", "NIHONGO",
                                              "NORSK", "POLSKI", "PORTUGUES", "RUSSKIJ", "SVENSKA", "TURKCE",
                                              "UKRAINSKA", "ZHONGWEN-FANTI", "ZHONGWEN-JIANTI"}));
    EXPECT_EQ(menuTexts(GetMenu(driver.window)).front(), "&Partie");
    const Shell& s = shell();
    wchar_t className[64] = {};
    GetClassNameW(driver.window, className, 64);
    EXPECT_EQ(utf8FromWide(className), productCaption);
    EXPECT_EQ(GetDlgCtrlID(s.toolbar), 1);
    EXPECT_EQ(GetDlgCtrlID(s.statusBar), 2);
    EXPECT_EQ(SendMessageA(s.toolbar, TB_BUTTONCOUNT, 0, 0), 13);
    EXPECT_NE(KillTimer(driver.window, 900), 0) << "the clock timer runs";
    driver.key(VK_F9);
    MoveWindow(driver.window, 30, 40, 900, 700, TRUE);
    driver.key(VK_F12);
    EXPECT_TRUE(driver.quit);
    expectWritten(driver, {30, 40, 900, 700});

    driver.stop();
    driver.quit = false;
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(answersLeft(), 1u) << "asked again";
    RECT placed;
    GetWindowRect(driver.window, &placed);
    EXPECT_EQ(std::vector<LONG>({placed.left, placed.top, placed.right, placed.bottom}),
              std::vector<LONG>({30, 40, 930, 740}));
    MoveWindow(driver.window, 50, 60, 800, 600, TRUE);
    SendMessageA(driver.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver.pump());
    driver.window = nullptr;
    expectWritten(driver, {50, 60, 800, 600});
}

TEST(StartUp, WithoutLanguageFilesTheProgramStopsBeforeAnyWindow) {
    ShellDriver driver;
    driver.start_.makeDirectory("LANGUAGE");
    std::vector<std::string> seen;
    answerDialogs({languageAnswer("", seen)});
    EXPECT_FALSE(driver.start());
    EXPECT_EQ(answersLeft(), 0u);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(shell().mainWindow, nullptr);
    EXPECT_TRUE(driver.pump()) << "the quit message was posted";
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, "No language file found ! The game will stop. Please reinstall Tavrek");
    EXPECT_EQ(ShellDriver::messages[0].caption, productCaption);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

// A layout that cannot be played ends the run without storing the settings,
// so the next start plays the layout played before.
TEST(StartUp, ARefusedLayoutEndsTheRunButNotTheNextStart) {
    const std::string settings = "Language = \"ENGLISH.TXT\"\r\nLayout = \"DEFAULT.TVL\"\r\n";
    ShellDriver driver;
    driver.install(settings);
    driver.start_.write("LAYOUTS/BROKEN.TVL", "broken");
    ASSERT_TRUE(driver.start());
    driver.command(layoutCommand(GetMenu(driver.window), "BROKEN"));
    EXPECT_TRUE(driver.quit);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text.rfind("This layout does not hold exactly 144 tiles", 0), 0u);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    driver.stop();
    EXPECT_EQ(driver.settingsFile(), settings);
    driver.quit = false;
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(driver.title(), "Tavrek v3.2 - Default.tvl");
}
