// Finding the tile under a mouse position in the 3D view by OpenGL selection.
#pragma once

#include "view3d/View3D.h"

// Words of the selection buffer; more hits than fit count as none.
constexpr int pickBufferWords = 640;

// The tile drawn last of those under the 2 x 2 pixels at client position
// (x, y), which is the one with the highest index, or noTile. The
// model-view matrix holds the camera, as for render3D.
int pick3D(View3D& view, const Scene3D& scene, int x, int y);
