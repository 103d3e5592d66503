#include "view3d/Pick.h"

#include <array>

#include "view3d/Camera.h"
#include "view3d/GL.h"
#include "view3d/Scene.h"

// Each hit record is four words: one name, the two depths and the name
// itself; the last record belongs to the tile drawn last. The depths are not
// compared, so a tile above is found even where the heap is turned to show
// the one below nearer.
int pick3D(View3D& view, const Scene3D& scene, int x, int y) {
    if (!onContextThread(view)) return noTile;
    std::array<GLuint, pickBufferWords> buffer{};
    GLint viewport[4];
    glSelectBuffer(pickBufferWords, buffer.data());
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glRenderMode(GL_SELECT);
    glLoadIdentity();
    gluPickMatrix(x, y, 2, 2, viewport);
    applyPerspective(view, scene.settings);
    glMatrixMode(GL_MODELVIEW);
    drawPickScene(scene);
    const GLint hits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    if (hits <= 0 || hits * 4 > pickBufferWords) return noTile;
    const GLuint tile = buffer[4 * hits - 1];
    return tile < tileCount ? int(tile) : noTile;
}
