// Where the 3D view shows a point of a tile: the frame's own camera, turn and
// placement, so tests click where the player would. Needs the context current.
#pragma once

#if TAVREK_3D

#include "files/Settings.h"
#include "view3d/GL.h"
#include "view3d/Scene.h"

struct ClientPoint { int x, y; };

// A point of a tile's box in tile units (unsheared; a point of the top leans with it).
inline ClientPoint projectTilePoint(const Scene3D& scene, int tile, float x, float y, float z) {
    const Vertex3 o = tileOrigin(scene, tile);
    const float lean = z == tileThickness3D ? scene.settings.Inclination : 0;
    GLdouble model[16], projection[16], wx, wy, wz;
    GLint viewport[4];
    glPushMatrix();
    applyHeapTransform(scene);
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(o.x + x + lean, o.y + y + lean, o.z + z, model, projection, viewport, &wx, &wy, &wz);
    return {int(wx), int(wy)};
}
inline ClientPoint tileTopCentre(const Scene3D& scene, int tile) { return projectTilePoint(scene, tile, 7.5f, 10, 10); }

#endif
