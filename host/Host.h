// The one seam between the portable game and the outside world. The Windows
// shell implements it with Win32 calls; the native tests with a recording fake.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>

#include "files/ScreenMetrics.h"

struct HallOfFame;

enum class MessageIcon { information, exclamation, stop };

struct Host {
    virtual ~Host() = default;

    // A modal message box owned by the main window.
    virtual void showMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
    // Plays a wave file to its end before returning.
    // The winner's name dialog: at most 21 characters, possibly empty; it
    // cannot be cancelled.
    virtual std::string askWinnerName() = 0;
    // The hall-of-fame dialog showing the kept entries.
    virtual void showHallOfFame(const HallOfFame& hallOfFame) = 0;
    virtual void playSound(const std::filesystem::path& path) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void postStatus(const std::string& text) = 0;
    // Shows a finished 2D frame: width x height pixels, top row first, each
    // 0x00RRGGBB (a top-down 32-bit DIB), at the top left of the board area.
    virtual void presentFrame(const uint32_t* pixels, int width, int height) = 0;
    // Asks the window thread to repaint the whole window.
    virtual void requestRepaint() = 0;
    // Starts the end of the program; the caller's remaining steps still run.
    virtual void closeDown() = 0;
    // Calendar time in seconds, the seed of every srand.
    virtual std::time_t calendarTime() = 0;
    // A high-resolution monotonic clock.
    virtual int64_t microseconds() = 0;
    virtual void sleepMilliseconds(int milliseconds) = 0;
    // The screen as the settings see it: default window size and menu pages.
    virtual ScreenMetrics screenMetrics() = 0;
};
