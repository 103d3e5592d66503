#include "shell/PendingCommands.h"

void startAutoPlayCommand() {}
void saveGameCommand() {}
void loadGameCommand() {}
void coloursDialogCommand() {}
void configDialogCommand() {}
void saveLayoutCommand() {}
#if TAVREK_3D
void rebuildCameraProjection() {}
#endif
