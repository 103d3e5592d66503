// Starts the real program in this process in a scratch start directory and
// drives its main window with the messages a player's input would send.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"

struct ShownMessage {
    std::string text;
    std::string caption;
    UINT type;
};

// What most tests play with: a fixed language and layout, tiles gone at once.
inline const std::string playSettings =
    "Language = \"ENGLISH.TXT\"\r\nLayout = \"DEFAULT.TVL\"\r\nRemoveTileTime = 0\r\n";

struct ShellDriver {
    // A named start folder (UTF-8) is made inside the scratch directory.
    explicit ShellDriver(const std::string& startFolder = "");
    ~ShellDriver();

    // Copies the shipped data into the start directory and writes the settings
    // file there, none when the text is empty.
    void install(const std::string& settings) const;
    // Starts the program; false when it ended before opening its window.
    bool start();
    // Starts it for play: the clock ticks only when a test sends them, so no
    // real second slips in, and clicks go to the 2D view.
    bool startForPlay();
    // Handles every message waiting for this thread; true once the quit message came.
    bool pump();
    // Ends the program with the EXIT command when it still runs.
    void stop();

    void command(unsigned id);
    void key(unsigned virtualKey);
    void click(int x, int y);
    // What opening a menu sends: the check marks take their flags then.
    void openMenu();
    // Left click on the middle of a tile's face.
    void clickTile(int tile);
    // Clicks the k-th pair of the deal's solution.
    void removePair(int k = 0);

    std::string title() const;
    std::string statusText();
    // The text the toolbar button's tool-tip asks for and gets.
    std::string toolTip(unsigned id);
    std::string settingsFile() const;

    ScratchDirectory start_;
    std::filesystem::path startDirectory;
    std::filesystem::path previousDirectory;
    HWND window = nullptr;
    bool quit = false;
    // Message boxes shown, answered with `answer`.
    static std::vector<ShownMessage> messages;
    static int answer;
};

// The texts of a menu's items, "-" for a separator.
std::vector<std::string> menuTexts(HMENU menu);
bool isChecked(HMENU menu, unsigned id);
// The texts of a menu's checked items.
std::vector<std::string> checkedItems(HMENU menu);
HMENU subMenuTitled(HMENU menu, const std::string& title);
// A layout's command, found by its label in the layout menu.
unsigned layoutCommand(HMENU bar, const std::string& label);
