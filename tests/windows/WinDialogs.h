// Answers the dialogs a won game opens, as a player would: the name dialog
// gets a typed name and OK, the hall-of-fame dialog is read and closed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

struct ShellDriver;

// This thread's visible, enabled dialog with this caption, or null. Test
// programs may run side by side on one desktop, and the program's dialogs
// share captions ("Tavrek v3.2" is the language question's and the file
// dialogs'): a search of the whole desktop would answer another program's.
HWND ownDialog(const std::string& caption);

struct WinDialogsSeen {
    int nameDialogs = 0;
    int hallOfFameDialogs = 0;
    bool escapeIgnored = false;  // Escape left the name dialog open
    std::string prompt;
    std::vector<std::string> names;  // of the hall-of-fame dialog, in rows
    std::vector<std::string> times;
};

// From now until stopAnsweringWinDialogs, each such dialog of this thread is answered;
// the name dialog first gets Escape, which must not close it.
void answerWinDialogs(const std::string& name);
void stopAnsweringWinDialogs();
const WinDialogsSeen& winDialogsSeen();

// The bytes of the default layout's hall-of-fame file; none when it was never written.
std::vector<uint8_t> readScoresFile(const ShellDriver& driver);
