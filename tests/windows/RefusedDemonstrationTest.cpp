// A demonstration refused (the deal is no longer fresh) says so in a message
// box shown from the worker's thread, and a box needs its owner's thread: it
// disables the main window through messages sent to it. A command that ends
// the demonstration and waits for its worker must keep answering them
// meanwhile, or neither thread ever goes on.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "dialogs/WideText.h"
#include "files/Caption.h"
#include "game/AutoPlay.h"
#include "game/Commands.h"
#include "shell/Shell.h"
#include "shell/WinHost.h"

namespace {

constexpr UINT ownerPatience = 5000;
std::atomic<int> boxes{0};
std::atomic<bool> ownerAnswered{false};
std::string boxText;

// A real box disables its owner, and EnableWindow waits for the owner's
// thread to handle WM_ENABLE. This waits for it the same way with an empty
// message, but gives up after a while, so a fault fails the test instead of
// hanging it.
int boxNeedingItsOwner(HWND owner, const wchar_t* text, const wchar_t*, UINT) {
    DWORD_PTR result = 0;
    ownerAnswered = SendMessageTimeoutA(owner, WM_NULL, 0, 0, SMTO_NORMAL, ownerPatience, &result) != 0;
    boxText = utf8FromWide(text);
    ++boxes;
    return IDOK;
}

}  // namespace

TEST(RefusedDemonstration, ALoadWaitingForTheWorkerAnswersItsMessageBox) {
    ShellDriver driver;
    driver.install(playSettings + "EasyMode = 1\r\n");
    ASSERT_TRUE(driver.startForPlay());
    driver.removePair();
    messageBoxHook = boxNeedingItsOwner;
    // The load command follows before the window thread handles anything else.
    SendMessageA(driver.window, WM_COMMAND, command::autoPlay, 0);
    answerDialogs({{productCaption, [](HWND dialog) { typeFileName(dialog, ""); }}});
    const DWORD started = GetTickCount();
    driver.command(command::loadGame);
    const DWORD took = GetTickCount() - started;
    stopAnsweringWinDialogs();
    EXPECT_FALSE(autoPlayerBusy(shell().app));
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(ownerAnswered) << "the window thread did not answer the box for " << ownerPatience << " ms";
    EXPECT_LT(took, ownerPatience);
    EXPECT_EQ(boxText, shell().app.language.MesAutoplayError);
    EXPECT_EQ(answersLeft(), 0u) << "the open dialog came after the wait";
}
