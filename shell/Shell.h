// The shell's own state for the life of the process: the window handles and
// measures, cursors, menus and file lists around the one application record.
#pragma once

#include <windows.h>

#include <array>

#include "game/App.h"
#include "engine/MenuModel.h"
#include "shell/WinHost.h"

constexpr UINT_PTR clockTimerId = 900;
constexpr UINT clockPeriodMilliseconds = 1000;
constexpr int toolbarControlId = 1;
constexpr int statusBarControlId = 2;
constexpr int menuPictureSlots = 10;

struct Shell {
    Shell() : app(host) {}

    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND toolbar = nullptr;
    HWND statusBar = nullptr;
    int toolbarHeight = 0;
    int statusBarHeight = 0;
    int nonClientHeight = 0;
    HCURSOR normalCursor = nullptr;
    HCURSOR busyCursor = nullptr;
    HMENU menuBar = nullptr;
    std::array<HBITMAP, menuPictureSlots> menuPictures{};
    FileLists fileLists;
    UINT musicDeviceId = 0;
    // Set once the shutdown steps have run, so they run once whatever ends the program.
    bool closed = false;

    WinHost host;
    App app;
};

// The one shell of the process; made afresh by startProgram.
Shell& shell();
void makeShell();
