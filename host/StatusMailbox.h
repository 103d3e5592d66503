// The status text's way from any thread to the window thread that shows it.
// A sender leaves its text here and wakes the window thread; the window
// thread takes the latest text. The text never leaves the mailbox while a
// sender writes it, so the status bar never shows one torn between two.
#pragma once

#include <mutex>
#include <string>

struct StatusMailbox {
    std::mutex lock;
    std::string text;
    // A wake-up is on its way to the window thread; later texts ride with it.
    bool wakeUpPending = false;
};

// Leaves the text, replacing one not yet taken; true when the caller must
// wake the window thread (no wake-up is on its way yet).
bool depositStatus(StatusMailbox& box, const std::string& text);
// On the window thread's wake-up: the latest text.
std::string collectStatus(StatusMailbox& box);
