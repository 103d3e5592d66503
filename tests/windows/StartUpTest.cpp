#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "engine/Caption.h"
#include "resources/resource.h"
#include "shell/Shell.h"

namespace {

struct LanguageQuestion {
    std::vector<std::string> items;
    std::string selected;
};

std::string comboText(HWND box, LRESULT index) {
    const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// Reads the list, picks the label ("" keeps the selection) and presses OK.
DialogAnswer languageAnswer(const std::string& pick, LanguageQuestion& seen) {
    return {productCaption, [pick, &seen](HWND dialog) {
                HWND box = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
                const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
                for (LRESULT k = 0; k < count; ++k) seen.items.push_back(comboText(box, k));
                const LRESULT selected = SendMessageA(box, CB_GETCURSEL, 0, 0);
                if (selected != CB_ERR) seen.selected = comboText(box, selected);
                if (!pick.empty())
                    SendMessageA(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pick.c_str()));
                SendMessageA(dialog, WM_COMMAND, IDC_LANGUAGE_OK, 0);
            }};
}

}  // namespace

// The language is asked only while no settings file exists: the exit writes one.
TEST(StartUp, TheFirstStartAsksForTheLanguageAndBuildsTheWindowTheNextDoesNotAsk) {
    ShellDriver driver;
    driver.copyShippedData();
    LanguageQuestion seen;
    answerDialogs({languageAnswer("FRANCAIS", seen), languageAnswer("", seen)});
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(seen.items, (std::vector<std::string>{"DANSK", "DEUTSCH", "ENGLISH", "ESPANOL", "FRANCAIS",
                                                    "ITALIANO", "NEDERLANDS", "NORSK", "PORTUGUES", "SVENSKA"}));
    EXPECT_EQ(seen.selected, "ENGLISH");
    EXPECT_EQ(menuTexts(GetMenu(driver.window)).front(), "&Partie");
    const Shell& s = shell();
    char className[64] = {};
    GetClassNameA(driver.window, className, sizeof className);
    EXPECT_STREQ(className, productCaption);
    EXPECT_EQ(GetDlgCtrlID(s.toolbar), 1);
    EXPECT_EQ(GetDlgCtrlID(s.statusBar), 2);
    EXPECT_EQ(SendMessageA(s.toolbar, TB_BUTTONCOUNT, 0, 0), 13);
    EXPECT_NE(KillTimer(driver.window, 900), 0) << "the clock timer runs";

    driver.stop();
    driver.quit = false;
    ASSERT_TRUE(driver.start());
    EXPECT_EQ(answersLeft(), 1u) << "asked again";
    EXPECT_EQ(shell().app.settings.Language, "FRANCAIS.TXT");
    stopAnsweringWinDialogs();
}

TEST(StartUp, WithoutLanguageFilesTheProgramStopsBeforeAnyWindow) {
    ShellDriver driver;
    driver.start_.makeDirectory("LANGUAGE");
    LanguageQuestion seen;
    answerDialogs({languageAnswer("", seen)});
    EXPECT_FALSE(driver.start());
    EXPECT_EQ(answersLeft(), 0u);
    EXPECT_TRUE(seen.items.empty());
    EXPECT_EQ(shell().mainWindow, nullptr);
    EXPECT_TRUE(driver.pump()) << "the quit message was posted";
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, "No language file found ! The game will stop. Please reinstall Tavrek");
    EXPECT_EQ(ShellDriver::messages[0].caption, productCaption);
    EXPECT_EQ(ShellDriver::messages[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    stopAnsweringWinDialogs();
}
