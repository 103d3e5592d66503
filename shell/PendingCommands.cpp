#include "shell/PendingCommands.h"

void saveGameCommand() {}
void loadGameCommand() {}
void saveLayoutCommand() {}
#if TAVREK_3D
void rebuildCameraProjection() {}
void setRenderState() {}
#endif
