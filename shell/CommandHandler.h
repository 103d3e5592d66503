// WM_COMMAND: the fixed commands and the file-list menus.
#pragma once

#include <windows.h>

#include "shell/Shell.h"

// Runs game operations on the window thread under the game lock; the boxes
// and dialogs they open give it up while they are open.
template <typename Operation>
void withGame(Operation operation) {
    App& app = shell().app;
    const GameHold hold = holdForWindow(app.gameLock);
    operation(app);
}

// Each command takes the game lock only around its game operations.
void runCommand(WPARAM parameter);
