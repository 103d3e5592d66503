// Answers the program's real open and save dialogs as a player would, from a
// timer that runs inside their own message loops.
#pragma once

#include <string>
#include <vector>

// What each dialog showed when it was answered.
struct FileDialogSeen {
    std::string folder;  // the folder it opened in
    std::string filter;  // the file type shown
    bool overwritePrompt = false;  // a question asked before a file was replaced
};

// One answer per dialog, in turn: a name to type and confirm, "" to cancel;
// "yes" or "no" answer an overwrite question.
void answerFileDialogs(const std::vector<std::string>& answers);
// The dialogs answered since answerFileDialogs.
const std::vector<FileDialogSeen>& fileDialogsSeen();
