#include "shell/PendingCommands.h"

void saveGameCommand() {}
void loadGameCommand() {}
void coloursDialogCommand() {}
void configDialogCommand() {}
void hallOfFameCommand() {}
void saveLayoutCommand() {}
#if TAVREK_3D
void rebuildCameraProjection() {}
#endif
