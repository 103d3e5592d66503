#include "shell/PendingCommands.h"

void saveGameCommand() {}
void loadGameCommand() {}
void saveLayoutCommand() {}
