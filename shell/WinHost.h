// The Win32 side of the host seam.
#pragma once

#include <windows.h>

#include "host/Host.h"

// Message boxes go through this hook when it is set, so tests can answer
// them instead of a player; it returns the button pressed (IDOK, IDCANCEL).
using MessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, UINT type);
extern MessageBoxHook messageBoxHook;

int showMessageBox(HWND owner, const char* text, const char* caption, UINT type);

struct WinHost : Host {
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
    std::string askWinnerName() override;
    void showHallOfFame(const HallOfFame& hallOfFame) override;
    void playSound(const std::filesystem::path& path) override;
    void setTitle(const std::string& title) override;
    void postStatus(const std::string& text) override;
    void presentFrame(const uint32_t* pixels, int width, int height) override;
    void requestRepaint() override;
    void closeDown() override;
    std::time_t calendarTime() override;
    int64_t microseconds() override;
    void sleepMilliseconds(int milliseconds) override;
    ScreenMetrics screenMetrics() override;

    // The status text posted last; it must outlive the posted message.
    char statusText[512] = {};
};
