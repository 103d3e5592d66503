#include "shell/WinHost.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "dialogs/HallOfFameDialog.h"
#include "dialogs/WinnerDialog.h"
#include "shell/BoardWindow.h"
#include "shell/FileChooser.h"
#include "shell/Shell.h"
#include "shell/Sound.h"
#include "shell/StartUp.h"
#include "dialogs/WideText.h"

MessageBoxHook messageBoxHook = nullptr;

int showMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    const std::wstring wideText = wideFromUtf8(text);
    const std::wstring wideCaption = wideFromUtf8(caption);
    if (messageBoxHook != nullptr) return messageBoxHook(owner, wideText.c_str(), wideCaption.c_str(), type);
    return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
}

namespace {

UINT iconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::information: return MB_ICONINFORMATION;
        case MessageIcon::exclamation: return MB_ICONEXCLAMATION;
        case MessageIcon::stop: return MB_ICONSTOP;
    }
    return 0;
}

}  // namespace

void WinHost::showMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    showMessageBox(shell().mainWindow, text, caption, MB_OK | iconStyle(icon));
}

std::string WinHost::askWinnerName() {
    Shell& s = shell();
    return askWinnerNameDialog(s.instance, s.mainWindow, s.app.language);
}

void WinHost::showHallOfFame(const HallOfFame& hallOfFame) {
    Shell& s = shell();
    showHallOfFameDialog(s.instance, s.mainWindow, s.app.language, hallOfFame);
}

bool WinHost::chooseFile(const FileChoice& choice, std::string& name) {
    return ::chooseFile(shell().mainWindow, choice, name);
}

void WinHost::playSound(const std::filesystem::path& path) {
    multimedia.playSound(path.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

void WinHost::setTitle(const std::string& title) {
    SetWindowTextW(shell().mainWindow, wideFromUtf8(title).c_str());
}

// The text stays in the mailbox until the window thread takes its own copy,
// so a sender never writes where the status bar reads.
void WinHost::postStatus(const std::string& text) {
    // Before the status bar exists (the language loaded at start-up) there is nothing to post to.
    Shell& s = shell();
    if (s.statusBar == nullptr) return;
    if (depositStatus(statusMailbox, text)) PostMessageW(s.mainWindow, statusPostedMessage, 0, 0);
}

void showPostedStatus() {
    Shell& s = shell();
    const std::wstring text = wideFromUtf8(collectStatus(s.host.statusMailbox));
    SendMessageW(s.statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void WinHost::presentFrame(const uint32_t* pixels, int width, int height) {
    blitFrame(pixels, width, height);
}

void WinHost::requestRepaint() { InvalidateRect(shell().mainWindow, nullptr, FALSE); }

void WinHost::closeDown() { ::closeDown(); }

std::time_t WinHost::calendarTime() { return std::time(nullptr); }

int64_t WinHost::microseconds() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart / frequency.QuadPart * 1000000 +
           counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

void WinHost::sleepMilliseconds(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

// Only what other threads send is handled here; posted input waits for the
// message loop, so no game operation starts inside the one that waits.
void WinHost::waitAnswering(int milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_SENDMESSAGE);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

ScreenMetrics WinHost::screenMetrics() {
    ScreenMetrics metrics;
    metrics.maximizedWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    metrics.maximizedHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    metrics.frameWidth = GetSystemMetrics(SM_CXFRAME);
    metrics.frameHeight = GetSystemMetrics(SM_CYFRAME);
    metrics.menuBarHeight = GetSystemMetrics(SM_CYMENU);
    return metrics;
}
