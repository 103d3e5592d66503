#include "view3d/Scene.h"

#include <algorithm>

#include "engine/Highlight.h"
#include "files/Settings.h"
#include "view3d/FaceSymbols.h"
#include "view3d/FaceTextures.h"
#include "view3d/GL.h"
#include "view3d/TileMesh.h"

namespace {

struct TileLook {
    Colour sides;
    Colour top;
    bool highlighted;  // with textures on: the top is darkened
    GLuint texture;    // 0: no picture on the top
};

struct Geometry {
    TileBoxMesh box;
    std::array<OutlineEdge, outlineEdgeCount> outline;
};

TileLook lookOf(const View3D& view, const Scene3D& scene, int tile) {
    const Settings& s = scene.settings;
    const GameState& state = scene.game.state;
    const TileRecord& t = scene.game.tiles[tile];
    const bool marked = isMarkedTile(state, tile) || isHintedTile(scene.game, tile);
    TileLook look{s.SidesColor, s.RGBLevel[std::min<int>(t.layer, 4)], false, 0};
    if (marked && s.Textures != 1) look.sides = look.top = s.SelectColor;
    look.highlighted = marked && s.Textures == 1;
    const int texture = faceTexture(t.face);
    if (s.Textures == 1 && state.tilesHidden != 1 && texture >= 0) look.texture = view.textures[texture];
    return look;
}

void sendColour(Colour c) { glColor3ub(redOf(c), greenOf(c), blueOf(c)); }

void sendTriangle(const Triangle3& t) {
    const Vertex3 n = triangleNormal(t);
    glNormal3f(n.x, n.y, n.z);
    for (const Vertex3& v : t.v) glVertex3f(v.x, v.y, v.z);
}

void sendTriangles(const TileBoxMesh& box, int first, int last) {
    glBegin(GL_TRIANGLES);
    for (int k = first; k <= last; ++k) sendTriangle(box[k]);
    glEnd();
}

void sendTop(const TileBoxMesh& box, bool textured) {
    glBegin(GL_TRIANGLES);
    for (int k : {topTriangleA, topTriangleB}) {
        const Triangle3& t = box[k];
        const Vertex3 n = triangleNormal(t);
        glNormal3f(n.x, n.y, n.z);
        for (int i = 0; i < 3; ++i) {
            if (textured) glTexCoord2fv(topTextureCoordinates[k - topTriangleA][i]);
            glVertex3f(t.v[i].x, t.v[i].y, t.v[i].z);
        }
    }
    glEnd();
}

void drawBox(const Geometry& g, const TileLook& look, bool textures) {
    sendColour(look.sides);
    sendTriangles(g.box, 0, topTriangleA - 1);
    sendColour(look.top);
    if (look.texture != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, look.texture);
    }
    sendTop(g.box, textures);
    glDisable(GL_TEXTURE_2D);
    sendColour(look.sides);
    sendTriangles(g.box, topTriangleB + 1, 11);
    glColor3ub(0, 0, 0);
    glBegin(GL_LINES);
    for (const OutlineEdge& e : g.outline) {
        glVertex3f(e.from.x, e.from.y, e.from.z);
        glVertex3f(e.to.x, e.to.y, e.to.z);
    }
    glEnd();
}

// Translucent dark grey over what lies just below: the highlight and the shadows.
void beginShade() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.25f, 0.25f, 0.25f, 0.5f);
}

void drawHighlight(const Geometry& g, float lift) {
    glTranslatef(0, 0, lift);
    beginShade();
    sendTop(g.box, false);
    glDisable(GL_BLEND);
    glTranslatef(0, 0, -lift);
}

void drawShadows(const TileShadowFlags& flags, float height) {
    beginShade();
    glBegin(GL_TRIANGLES);
    for (const ShadowTriangle& s : shadowTriangles) {
        if (flags[s.flag] != 1 && flags[s.otherFlag] != 1) continue;
        Triangle3 t;
        for (int i = 0; i < 3; ++i) t.v[i] = {s.corners[i][0], s.corners[i][1], height};
        sendTriangle(t);
    }
    glEnd();
    glDisable(GL_BLEND);
}

void drawTile(View3D& view, const Scene3D& scene, const Geometry& g, int tile, bool picking) {
    const Settings& s = scene.settings;
    const TileRecord& t = scene.game.tiles[tile];
    const float shift = float(t.layer) * s.Inclination;
    glPushMatrix();
    glTranslatef(7.5f * float(t.column) + shift, 10.0f * (18 - float(t.row)) + shift, 10.0f * float(t.layer));
    glLoadName(GLuint(tile));
    const TileLook look = lookOf(view, scene, tile);
    drawBox(g, look, s.Textures == 1);
    if (s.Textures != 1 && scene.game.state.tilesHidden != 1) {
        glTranslatef(s.Inclination, s.Inclination, 0);
        drawFaceSymbol(t.face, s);
        glTranslatef(-s.Inclination, -s.Inclination, 0);
    }
    if (look.highlighted) drawHighlight(g, s.ombreZ);
    if (s.Shadows == 1 && !picking) drawShadows(scene.shadowFlags[tile], s.ombreZ);
    glPopMatrix();
}

}  // namespace

void drawScene(View3D& view, const Scene3D& scene, bool picking) {
    const Settings& s = scene.settings;
    const Geometry geometry{shearedTileBox(s.Inclination), tileOutline(s.Inclination, s.contourZ)};
    glInitNames();
    glPushName(0);
    for (int tile = 0; tile < tileCount; ++tile)
        if (scene.game.tiles[tile].face != 0) drawTile(view, scene, geometry, tile, picking);
}

void render3D(View3D& view, const Scene3D& scene, bool picking) {
    const Settings& s = scene.settings;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glRotatef(s.XPosition, 1, 0, 0);
    glRotatef(s.YPosition, 0, 1, 0);
    glRotatef(s.ZPosition, 0, 0, 1);
    glTranslatef(-15 * scene.centre[0], -20 * scene.centre[1], 0);
    drawScene(view, scene, picking);
    glPopMatrix();
    glFlush();
}
