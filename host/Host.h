// The one seam between the portable game and the outside world. The Windows
// shell implements it with Win32 calls; the native tests with a recording fake.
//
// Threads: every operation is called on the window thread. The automatic
// player's thread calls those marked "any thread" as well. It never sleeps
// or plays a sound while it holds the game lock, and it must never wait for
// the window thread: apart from the message box, none of those may need the
// window thread to answer before it returns. The boxes and dialogs are shown
// without the game lock (game/Modal.h), since their message loops dispatch
// the window's messages, which take it.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>

#include "files/ScreenMetrics.h"

struct HallOfFame;

enum class MessageIcon { information, exclamation, stop };

enum class FileDialogMode { open, save };

// A file dialog bound to one data directory and one pattern ("*.TVM"), whose
// single filter is described by a language text.
struct FileChoice {
    FileDialogMode mode;
    std::filesystem::path directory;
    std::string pattern;
    std::string filterText;
};

struct Host {
    virtual ~Host() = default;

    // A modal message box owned by the main window. Any thread, without
    // the game lock.
    virtual void showMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
    // The winner's name dialog: at most 21 characters, possibly empty; it
    // cannot be cancelled. Window thread, without the game lock.
    virtual std::string askWinnerName() = 0;
    // The hall-of-fame dialog showing the kept entries. Window thread,
    // without the game lock.
    virtual void showHallOfFame(const HallOfFame& hallOfFame) = 0;
    // The platform's open or save dialog: true when the player confirmed a
    // file, whose bare name then replaces `name`; false leaves it alone.
    // Window thread, without the game lock.
    virtual bool chooseFile(const FileChoice& choice, std::string& name) = 0;
    // Plays a wave file to its end before returning; a file that cannot be
    // played is silence. Any thread, without the game lock: it lasts.
    virtual void playSound(const std::filesystem::path& path) = 0;
    // Window thread.
    virtual void setTitle(const std::string& title) = 0;
    // Hands the text to the status bar without waiting for it; the bar shows
    // the latest text posted, whole. Any thread.
    virtual void postStatus(const std::string& text) = 0;
    // Shows a finished 2D frame: width x height pixels, top row first, each
    // 0x00RRGGBB (a top-down 32-bit DIB), at the top left of the board area.
    // Any thread, with the view's frame lock held.
    virtual void presentFrame(const uint32_t* pixels, int width, int height) = 0;
    // Asks the window thread to repaint the whole window; returns at once.
    // Any thread.
    virtual void requestRepaint() = 0;
    // Starts the end of the program; the caller's remaining steps still run.
    // Window thread.
    virtual void closeDown() = 0;
    // Calendar time in seconds, the seed of every srand. Window thread.
    virtual std::time_t calendarTime() = 0;
    // A high-resolution monotonic clock. Any thread.
    virtual int64_t microseconds() = 0;
    // Any thread, without the game lock.
    virtual void sleepMilliseconds(int milliseconds) = 0;
    // Waits as long while the window thread still answers what other threads
    // send its windows: a message box the worker shows disables the main
    // window through it. Window thread, without the game lock.
    virtual void waitAnswering(int milliseconds) { sleepMilliseconds(milliseconds); }
    // The screen as the settings see it: default window size and menu pages.
    // Window thread.
    virtual ScreenMetrics screenMetrics() = 0;
};
