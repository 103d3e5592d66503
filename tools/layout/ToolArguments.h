// The words after a command name: the options every command knows and the
// plain words (file names) in their order.
#pragma once

#include <string>

#include "Commands.h"

struct ToolArguments {
    bool grid = false;          // "--grid": read "K" files in the grid format (".lay" on)
    std::string games;          // value of "--games", empty when not given
    std::string to;             // value of "--to", empty when not given
    CommandWords files;
};

// False on an unknown option or an option that lacks its value.
bool parseArguments(const CommandWords& words, ToolArguments& arguments);

// A whole decimal number from 1 to 1,000,000.
bool parseCount(const std::string& text, int& count);

// "WxH" with both sides from 1 to 16384.
bool parseSize(const std::string& text, int& width, int& height);

// Prints the command's usage line on stderr and returns the status 2.
int wrongArguments(const char* usage);
