// Commands whose dialogs or files are not part of the program yet:
// the menus and the toolbar already offer them, and choosing one does nothing.
#pragma once

#if TAVREK_3D
// The 3D view's projection and camera after a tilt, zoom or pan.
void rebuildCameraProjection();
// The 3D view's render state again after its colours changed.
void setRenderState();
#endif
