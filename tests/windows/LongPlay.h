// A player who does anything the window offers, at random but always
// something the program must take: clicks on and beside tiles, every command
// and function key, the camera, menus and dialogs, files, the window's size,
// state and focus, demonstrations started and broken off.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ShellDriver.h"

struct LongPlayer {
    LongPlayer(ShellDriver& driver, uint32_t seed);
    ~LongPlayer();

    // One random input and what it opens, answered; returns what it was.
    std::string step();
    // Every kind of step and every command once, each file dialog with a
    // name: what loads the system's libraries behind them before a sample.
    void tour();
    // Back to the start's window, view, language, layout, tile set and
    // background, no demonstration running: where two samples compare.
    void settle();

    ShellDriver& driver;
    std::mt19937 random;
    // What the next file dialog gets typed in ("" cancels it).
    std::string fileName;
    // The last step opened a dialog (its own, or the system's for files).
    bool openedDialog = false;
    RECT startRectangle{};
};

// The names a step opens or types, so the folders never grow with the steps.
extern const std::vector<std::string> longPlayGameNames;
extern const std::vector<std::string> longPlayLayoutNames;
