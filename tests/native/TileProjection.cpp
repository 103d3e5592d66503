#include "TileProjection.h"

#if TAVREK_3D

#include "files/Settings.h"
#include "view3d/GL.h"
#include "view3d/Scene.h"

ClientPoint projectTilePoint(const Scene3D& scene, int tile, float x, float y, float z) {
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
    return {int(wx), viewport[3] - 1 - int(wy)};
}

#endif
