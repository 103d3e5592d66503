// The shell's own state for the life of the process: the window handles and
// measures, cursors, menus and file lists around the one application record.
#pragma once

#include <windows.h>

#include <array>
#include <future>
#include <string>

#include "game/App.h"
#include "game/MenuModel.h"
#include "shell/GLContext.h"
#include "shell/WinHost.h"

constexpr UINT_PTR clockTimerId = 900;
constexpr UINT clockPeriodMilliseconds = 1000;
constexpr int toolbarControlId = 1;
constexpr int statusBarControlId = 2;
constexpr int menuPictureSlots = 10;

struct Cursors {
    HCURSOR normal = nullptr;
    HCURSOR busy = nullptr;
};

struct Shell {
    Shell() : app(host) {}

    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND toolbar = nullptr;
    HWND statusBar = nullptr;
    int toolbarHeight = 0;
    int statusBarHeight = 0;
    HCURSOR normalCursor = nullptr;
    HCURSOR busyCursor = nullptr;
    // The program's own cursors, loaded at the window's scaling; none while
    // the system's are used.
    Cursors ownCursors;
    // The status bar's font at the window's DPI; none where Windows gives
    // only the screen's font.
    HFONT statusFont = nullptr;
    HMENU menuBar = nullptr;
    // The text of the tool-tip shown last, in the form the tool-tip takes.
    std::wstring toolTipText;
    std::array<HBITMAP, menuPictureSlots> menuPictures{};
    FileLists fileLists;
    UINT musicDeviceId = 0;
    // The wave device count asked on a thread of its own at the start, until
    // the first question about sound takes its answer.
    std::future<bool> soundDeviceCount;
    // Set once the shutdown steps have run, so they run once whatever ends the program.
    bool closed = false;

#if TAVREK_3D
    HWND view3DWindow = nullptr;  // hidden; its device context holds the OpenGL context
    GLWindowContext gl;
    // The graphics driver, loading on a thread of its own from the start,
    // and the pixel format it offers for the 3D view's window.
    std::future<int> glFormatChoice;
#endif
    // The exit code of a start that ended while the window was being made.
    int startExitCode = 0;

    WinHost host;
    App app;
};

// The one shell of the process; made afresh by startProgram.
Shell& shell();
void makeShell();
