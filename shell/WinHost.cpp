#include "shell/WinHost.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>

#include "dialogs/HallOfFameDialog.h"
#include "dialogs/WinnerDialog.h"
#include "shell/BoardWindow.h"
#include "shell/Shell.h"
#include "shell/StartUp.h"

MessageBoxHook messageBoxHook = nullptr;

int showMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (messageBoxHook != nullptr) return messageBoxHook(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
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
    showMessageBox(shell().mainWindow, text.c_str(), caption.c_str(), MB_OK | iconStyle(icon));
}

std::string WinHost::askWinnerName() {
    Shell& s = shell();
    return askWinnerNameDialog(s.instance, s.mainWindow, s.app.language);
}

void WinHost::showHallOfFame(const HallOfFame& hallOfFame) {
    Shell& s = shell();
    showHallOfFameDialog(s.instance, s.mainWindow, s.app.language, hallOfFame);
}

void WinHost::playSound(const std::filesystem::path& path) {
    PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_SYNC);
}

void WinHost::setTitle(const std::string& title) {
    SetWindowTextA(shell().mainWindow, title.c_str());
}

void WinHost::postStatus(const std::string& text) {
    const size_t length = std::min(text.size(), sizeof statusText - 1);
    std::memcpy(statusText, text.data(), length);
    statusText[length] = '\0';
    // Before the status bar exists (the language loaded at start-up) there is nothing to post to.
    HWND bar = shell().statusBar;
    if (bar != nullptr) PostMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(statusText));
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

ScreenMetrics WinHost::screenMetrics() {
    ScreenMetrics metrics;
    metrics.maximizedWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    metrics.maximizedHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    metrics.frameWidth = GetSystemMetrics(SM_CXFRAME);
    metrics.frameHeight = GetSystemMetrics(SM_CYFRAME);
    metrics.menuBarHeight = GetSystemMetrics(SM_CYMENU);
    return metrics;
}
