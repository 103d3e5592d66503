// The Win32 side of the host seam.
#pragma once

#include <windows.h>

#include "host/Host.h"
#include "host/StatusMailbox.h"

// Wakes the window thread to show the status text posted last.
constexpr UINT statusPostedMessage = WM_APP + 1;

// Message boxes go through this hook when it is set, so tests can answer
// them instead of a player; it takes the texts as the box would show them and
// returns the button pressed (IDOK, IDCANCEL).
using MessageBoxHook = int (*)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
extern MessageBoxHook messageBoxHook;

// The texts are UTF-8.
int showMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

struct WinHost : Host {
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
    std::string askWinnerName() override;
    void showHallOfFame(const HallOfFame& hallOfFame) override;
    bool chooseFile(const FileChoice& choice, std::string& name) override;
    void playSound(const std::filesystem::path& path) override;
    void setTitle(const std::string& title) override;
    void postStatus(const std::string& text) override;
    void presentFrame(const uint32_t* pixels, int width, int height) override;
    void requestRepaint() override;
    void closeDown() override;
    std::time_t calendarTime() override;
    int64_t microseconds() override;
    void sleepMilliseconds(int milliseconds) override;
    void waitAnswering(int milliseconds) override;
    ScreenMetrics screenMetrics() override;

    // Status texts from any thread on their way to the status bar.
    StatusMailbox statusMailbox;
};

// On statusPostedMessage: the status bar shows the latest text posted.
void showPostedStatus();
