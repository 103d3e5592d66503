// Where the 3D view shows a point of a tile: the same camera, turn and
// placement as the frame, so tests click where the player would.
#pragma once

#if TAVREK_3D

#include "view3d/View3D.h"

struct ClientPoint {
    int x, y;
};

// A point of a tile's box in tile units (unsheared; a point of the top face
// leans with it), in client coordinates. Needs the view's context current.
ClientPoint projectTilePoint(const Scene3D& scene, int tile, float x, float y, float z);
inline ClientPoint tileTopCentre(const Scene3D& scene, int tile) { return projectTilePoint(scene, tile, 7.5f, 10, 10); }

#endif
