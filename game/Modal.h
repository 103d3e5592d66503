// The boxes and dialogs the game opens. Each runs a message loop of its own
// until the player answers, so the game lock is given up while one is open:
// a demonstration goes on beside it, and the window's paint and clock
// messages take the lock as usual. When one returns, the board may have
// changed.
#pragma once

#include <string>

#include "host/Host.h"

struct App;

// A message box with the game's caption.
void tellPlayer(App& app, const std::string& text, MessageIcon icon);
std::string askWinnerName(App& app);
// Shows the current layout's table as it stands when the dialog opens.
void showHallOfFame(App& app);
bool askFileName(App& app, const FileChoice& choice, std::string& name);
