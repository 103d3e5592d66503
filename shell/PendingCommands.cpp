#include "shell/PendingCommands.h"

#if TAVREK_3D
void rebuildCameraProjection() {}
void setRenderState() {}
#endif
