#include <gtest/gtest.h>

#include <windows.h>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "engine/Commands.h"
#include "resources/resource.h"
#include "shell/Shell.h"

namespace {

struct SeenAbout {
    bool seen = false;
    std::string product;
    std::string copyright;
    std::string ok;
};
SeenAbout seenAbout;

std::string itemText(HWND dialog, int id) {
    char buffer[512] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

// Runs inside the dialog's own loop: reads its texts, then presses OK.
void CALLBACK answerAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ownDialog(shell().app.language.ABOUTCAPTION);
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    seenAbout.seen = true;
    seenAbout.product = itemText(dialog, IDC_ABOUT_PRODUCT);
    seenAbout.copyright = itemText(dialog, IDC_ABOUT_COPYRIGHT);
    seenAbout.ok = itemText(dialog, IDC_ABOUT_OK);
    SendMessageA(dialog, WM_COMMAND, IDC_ABOUT_OK, 0);
}

}  // namespace

TEST(About, TheToolbarButtonOpensTheDialogInTheCurrentLanguage) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings("; settings\r\n\r\nLanguage        = \"FRANCAIS.TXT\"\r\n");
    ASSERT_TRUE(driver.start());
    ASSERT_FALSE(shell().app.language.ABOUTCAPTION.empty());
    seenAbout = SeenAbout{};
    SetTimer(nullptr, 0, 50, answerAbout);
    driver.command(command::helpAbout);
    EXPECT_TRUE(seenAbout.seen);
    EXPECT_EQ(seenAbout.product, "Tavrek v3.2");
    EXPECT_EQ(seenAbout.copyright, shell().app.language.ABOUTCOPYRIGHT);
    EXPECT_EQ(seenAbout.ok, shell().app.language.OK);
    EXPECT_FALSE(driver.quit);
}
