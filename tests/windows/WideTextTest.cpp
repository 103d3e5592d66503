// Texts in any script reach the player whole: language files in UTF-8 and in
// the player's code page, and names typed in any script.
#include "ShellDriver.h"

#include <gtest/gtest.h>

#include <fstream>

#include "WinDialogs.h"
#include "dialogs/HallOfFameDialog.h"
#include "dialogs/WinnerDialog.h"
#include "game/Commands.h"
#include "files/HallOfFame.h"
#include "resources/resource.h"
#include "shell/Shell.h"
#include "dialogs/WideText.h"

namespace {

const std::string japanese =
    "\xEF\xBB\xBF"
    "GAME = \"\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0(&G)\"\r\n"  // ゲーム(&G)
    "; \xE3\x81\x93\xE3\x82\x81\xE3\x82\x93\xE3\x81\xA8\r\n"
    "T_NEW_GAME = \"\xE6\x96\xB0\xE3\x81\x97\xE3\x81\x84\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0 (F2)\"\r\n"  // 新しいゲーム
    "Tiles = \"\xE7\x89\x8C\"\r\n"                                                                         // 牌
    "HALLFAMECAPTION = \"\xE6\xAE\xBF\xE5\xA0\x82\xE5\x85\xA5\xE3\x82\x8A\"\r\n"                           // 殿堂入り
    "MesEasyMode = \"\xE3\x81\x8B\xE3\x82\x93\xE3\x81\x9F\xE3\x82\x93\xE3\x83\xA2\xE3\x83\xBC\xE3\x83\x89\xEF\xBC\x9F\"\r\n";

std::wstring inAnsiCodePage(const std::string& bytes) {
    std::wstring wide(bytes.size(), L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), int(wide.size()))));
    return wide;
}

struct LanguageDriver {
    explicit LanguageDriver(const std::string& file) {
        driver.install("Language = \"TEST.TXT\"\r\nLayout = \"DEFAULT.TVL\"\r\n");
        std::ofstream(driver.startDirectory / "LANGUAGE" / "TEST.TXT", std::ios::binary) << file;
        started = driver.start();
    }
    // The caption of the hall-of-fame dialog as the window shows it.
    std::wstring hallOfFameCaption() {
        std::wstring caption;
        answerDialogs({{shell().app.language.HALLFAMECAPTION, [&caption](HWND dialog) {
                            wchar_t text[128] = {};
                            GetWindowTextW(dialog, text, 128);
                            caption = text;
                            SendMessageW(dialog, WM_COMMAND, IDC_HALLOFFAME_OK, 0);
                        }}});
        driver.command(command::hallOfFame);
        stopAnsweringWinDialogs();
        return caption;
    }
    ShellDriver driver;
    bool started = false;
};

}  // namespace

TEST(WideText, ConvertsEveryScriptAndReplacesWhatIsMalformed) {
    EXPECT_EQ(wideFromUtf8("Gr\xC3\xBC\xC3\x9F" "e \xE6\xAE\xBF \xF0\x9F\x80\x84"), L"Grüße 殿 \U0001F004");
    EXPECT_EQ(utf8FromWide(L"Grüße 殿 \U0001F004"), "Gr\xC3\xBC\xC3\x9F" "e \xE6\xAE\xBF \xF0\x9F\x80\x84");
    EXPECT_EQ(wideFromUtf8("a\xFF" "b"), L"a\xFFFD" L"b");
    EXPECT_EQ(wideFromUtf8("a\xE6\xAE"), L"a\xFFFD");
    EXPECT_EQ(utf8FromWide(std::wstring(L"a") + wchar_t(0xD800) + L"b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(wideFromUtf8(""), L"");
    EXPECT_EQ(utf8FromAnsi("Plain ASCII"), "Plain ASCII");
}

// Whatever the code page, a text it can hold comes back as it was written.
TEST(WideText, AnsiTextComesBackInUtf8) {
    for (const wchar_t* text : {L"Zoë", L"Grüße", L"Ærø"}) {
        char bytes[32] = {};
        BOOL lost = FALSE;
        WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, &lost);
        if (lost) continue;
        EXPECT_EQ(utf8FromAnsi(bytes), utf8FromWide(text));
    }
}

TEST(WideText, FirstCharactersNeverSplitsASurrogatePair) {
    const std::wstring tiles = L"\U0001F004\U0001F005ab";
    EXPECT_EQ(firstCharacters(tiles, 1), L"\U0001F004");
    EXPECT_EQ(firstCharacters(tiles, 3), L"\U0001F004\U0001F005a");
    EXPECT_EQ(firstCharacters(tiles, 9), tiles);
    EXPECT_EQ(firstCharacters(L"abc", 0), L"");
}

TEST(WideText, AJapaneseLanguageFileShowsWholeInMenusToolTipsStatusDialogsAndBoxes) {
    LanguageDriver run(japanese);
    ASSERT_TRUE(run.started);
    wchar_t menu[64] = {};
    GetMenuStringW(GetMenu(run.driver.window), 0, menu, 64, MF_BYPOSITION);
    EXPECT_STREQ(menu, L"ゲーム(&G)");
    EXPECT_EQ(wideFromUtf8(run.driver.toolTip(command::newGame)), L"新しいゲーム (F2)");
    EXPECT_NE(wideFromUtf8(run.driver.statusText()).find(L"144 牌"), std::wstring::npos);
    EXPECT_EQ(run.hallOfFameCaption(), L"殿堂入り");
    ShellDriver::answer = IDCANCEL;
    run.driver.command(command::easyMode);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(wideFromUtf8(ShellDriver::messages[0].text), L"かんたんモード？");
}

// An old file, in the player's code page without the mark, shows as the
// program always showed it.
TEST(WideText, AnOldLanguageFileInTheCodePageShowsAsBefore) {
    const std::string menuBytes = "Gr\xFC\xDF" "e";
    const std::string captionBytes = "Zo\xEB";
    LanguageDriver run("GAME = \"&" + menuBytes + "\"\r\nHALLFAMECAPTION = \"" + captionBytes + "\"\r\n");
    ASSERT_TRUE(run.started);
    wchar_t menu[64] = {};
    GetMenuStringW(GetMenu(run.driver.window), 0, menu, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(menu), L"&" + inAnsiCodePage(menuBytes));
    EXPECT_EQ(run.hallOfFameCaption(), inAnsiCodePage(captionBytes));
}

// Names in three scripts, one too long, typed into the name dialog and shown
// back in the hall of fame.
TEST(WideText, NamesInAnyScriptGoThroughTheNameDialogWholeAndAtMost21Characters) {
    ShellDriver driver;
    driver.install(playSettings);
    ASSERT_TRUE(driver.start());
    const Shell& s = shell();
    const std::vector<std::wstring> typed = {L"Ζωή Παπαδοπούλου", L"山田太郎", L"Анна-Мария Соколова",
                                             L"\U0001F004" + std::wstring(25, L'x')};
    HallOfFame table;
    fillDefaultHallOfFame(table);
    for (size_t k = 0; k < typed.size(); ++k) {
        answerDialogs({{s.app.language.WINCAPTION, [&typed, k](HWND dialog) {
                            SetDlgItemTextW(dialog, IDC_WINNER_NAME, typed[k].c_str());
                            SendMessageW(dialog, WM_COMMAND, IDC_WINNER_OK, 0);
                        }}});
        table.entries[k].playerName = askWinnerNameDialog(s.instance, s.mainWindow, s.app.language);
        stopAnsweringWinDialogs();
    }
    EXPECT_EQ(table.entries[3].playerName, utf8FromWide(L"\U0001F004" + std::wstring(20, L'x')));
    std::vector<std::wstring> shown;
    answerDialogs({{s.app.language.HALLFAMECAPTION, [&shown](HWND dialog) {
                        for (int k = 0; k < 4; ++k) shown.push_back(wideFromUtf8(itemText(dialog, IDC_HALLOFFAME_NAMES + k)));
                        SendMessageW(dialog, WM_COMMAND, IDC_HALLOFFAME_OK, 0);
                    }}});
    showHallOfFameDialog(s.instance, s.mainWindow, s.app.language, table);
    stopAnsweringWinDialogs();
    EXPECT_EQ(shown, (std::vector<std::wstring>{typed[0], typed[1], typed[2], L"\U0001F004" + std::wstring(20, L'x')}));
}
