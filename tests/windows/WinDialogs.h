// Answers the program's modal dialogs as a player would, from a thread timer
// that runs inside their own message loops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

std::string itemText(HWND dialog, int id);
void press(HWND dialog, int id);
// Types the name into the program's open or save dialog and confirms it; "" cancels.
void typeFileName(HWND dialog, const std::string& name);

struct DialogAnswer {
    std::string caption;
    std::function<void(HWND dialog)> act;
};

// From now on each tick hands one open dialog to the first unused answer for
// its caption. A dialog no answer takes for a second is ended by force and
// counted, so a test fails instead of hanging.
void answerDialogs(std::vector<DialogAnswer> answers);
size_t answersLeft();
int dialogsLeftOpen();

struct WinDialogsSeen {
    int nameDialogs = 0;
    int hallOfFameDialogs = 0;
    bool escapeIgnored = false;  // Escape left the name dialog open
    std::string prompt;
    std::vector<std::string> names;  // of the hall-of-fame dialog, in rows
    std::vector<std::string> times;
};

// The dialogs a won game opens: the name dialog first gets Escape, then the
// name and OK; the hall-of-fame dialog is read and closed.
void answerWinDialogs(const std::string& name);
// Ends every answering started here.
void stopAnsweringWinDialogs();
const WinDialogsSeen& winDialogsSeen();
