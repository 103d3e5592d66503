#include "view3d/Scene.h"

#include <algorithm>

#include "engine/Highlight.h"
#include "files/Settings.h"
#include "view3d/FaceSymbols.h"
#include "view3d/FaceTextures.h"
#include "view3d/GL.h"
#include "view3d/TileMesh.h"

// Every tile's vertices are placed here rather than by the model-view matrix,
// so that a whole pass goes to OpenGL as one run of primitives: a software
// renderer pays for every matrix or state change. The opaque passes come
// first and the translucent shadows and highlights last, so these darken
// whatever lies under them, whichever tile was drawn first.

namespace {

struct TileLook {
    Colour sides;
    Colour top;
    bool highlighted;  // with textures on: the top is darkened
    GLuint texture;    // 0: no picture on the top
};

struct Frame {
    const Scene3D& scene;
    TileBoxMesh box;
    std::array<OutlineEdge, outlineEdgeCount> outline;
    std::array<TileLook, tileCount> looks;
    std::array<Vertex3, tileCount> origins;  // where each tile's box corner lies
};

bool isPresent(const Scene3D& scene, int tile) { return scene.game.tiles[tile].face != 0; }

TileLook lookOf(const View3D& view, const Scene3D& scene, int tile) {
    const Settings& s = scene.settings;
    const GameState& state = scene.game.state;
    const TileRecord& t = scene.game.tiles[tile];
    const bool marked = isMarkedTile(state, tile) || isHintedTile(scene.game, tile);
    const bool textures = s.Textures == 1;
    const int texture = faceTexture(t.face);
    const Colour top = s.RGBLevel[std::min<int>(t.layer, layerCount - 1)];
    return {marked && !textures ? s.SelectColor : s.SidesColor, marked && !textures ? s.SelectColor : top,
            marked && textures,
            textures && state.tilesHidden != 1 && texture >= 0 ? view.textures[size_t(texture)] : 0};
}

void sendColour(Colour c) { glColor3ub(redOf(c), greenOf(c), blueOf(c)); }

void sendVertex(Vertex3 v, Vertex3 origin) { glVertex3f(v.x + origin.x, v.y + origin.y, v.z + origin.z); }

void sendTriangle(const Triangle3& t, Vertex3 origin) {
    const Vertex3 n = triangleNormal(t);
    glNormal3f(n.x, n.y, n.z);
    for (const Vertex3& v : t.v) sendVertex(v, origin);
}

void sendTriangles(const TileBoxMesh& box, int first, int last, Vertex3 origin) {
    for (int k = first; k <= last; ++k) sendTriangle(box[k], origin);
}

// Texture coordinates go with every top; without a bound picture they do nothing.
void sendTop(const TileBoxMesh& box, Vertex3 origin) {
    for (int k : {topTriangleA, topTriangleB}) {
        const Triangle3& t = box[k];
        const Vertex3 n = triangleNormal(t);
        glNormal3f(n.x, n.y, n.z);
        for (int i = 0; i < 3; ++i) {
            glTexCoord2fv(topTextureCoordinates[k - topTriangleA][i]);
            sendVertex(t.v[i], origin);
        }
    }
}

// Sides, the tops that carry no picture and the symbols.
void drawOpaque(const Frame& f) {
    const Settings& s = f.scene.settings;
    const bool symbols = s.Textures != 1 && f.scene.game.state.tilesHidden != 1;
    glBegin(GL_TRIANGLES);
    for (int tile = tileCount - 1; tile >= 0; --tile) {
        if (!isPresent(f.scene, tile)) continue;
        const TileLook& look = f.looks[tile];
        const Vertex3 o = f.origins[tile];
        sendColour(look.sides);
        sendTriangles(f.box, 0, topTriangleA - 1, o);
        sendTriangles(f.box, topTriangleB + 1, 11, o);
        if (look.texture != 0) continue;
        sendColour(look.top);
        sendTop(f.box, o);
        if (symbols) drawFaceSymbol(f.scene.game.tiles[tile].face, s, {o.x + s.Inclination, o.y + s.Inclination, o.z});
    }
    glEnd();
}

bool usesTexture(const Frame& f, GLuint texture) {
    for (int tile = 0; tile < tileCount; ++tile)
        if (isPresent(f.scene, tile) && f.looks[tile].texture == texture) return true;
    return false;
}

// The pictures, modulated by the layer colour and the light: one run per texture.
void drawPictures(const Frame& f, const View3D& view) {
    glEnable(GL_TEXTURE_2D);
    for (GLuint texture : view.textures) {
        if (texture == 0 || !usesTexture(f, texture)) continue;
        glBindTexture(GL_TEXTURE_2D, texture);
        glBegin(GL_TRIANGLES);
        for (int tile = tileCount - 1; tile >= 0; --tile) {
            if (!isPresent(f.scene, tile) || f.looks[tile].texture != texture) continue;
            sendColour(f.looks[tile].top);
            sendTop(f.box, f.origins[tile]);
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
}

void drawOutlines(const Frame& f) {
    glColor3ub(0, 0, 0);
    glBegin(GL_LINES);
    for (int tile = 0; tile < tileCount; ++tile) {
        if (!isPresent(f.scene, tile)) continue;
        for (const OutlineEdge& e : f.outline) {
            sendVertex(e.from, f.origins[tile]);
            sendVertex(e.to, f.origins[tile]);
        }
    }
    glEnd();
}

// The shadow triangles a tile casts, just above what lies beside and below it.
// The shadow triangles a tile casts, placed at its own corner.
struct CastShadows {
    std::array<Triangle3, std::tuple_size<decltype(shadowTriangles)>::value> triangles;
    int count = 0;
};

CastShadows castShadows(const Scene3D& scene, int tile) {
    const TileShadowFlags& flags = scene.shadowFlags[tile];
    CastShadows cast;
    for (const ShadowTriangle& shadow : shadowTriangles) {
        if (flags[shadow.flag] != 1 && flags[shadow.otherFlag] != 1) continue;
        Triangle3& t = cast.triangles[cast.count++];
        for (int i = 0; i < 3; ++i) t.v[i] = {shadow.corners[i][0], shadow.corners[i][1], scene.settings.ombreZ};
    }
    return cast;
}

void sendShadows(const Scene3D& scene, int tile, Vertex3 origin) {
    const CastShadows cast = castShadows(scene, tile);
    for (int k = 0; k < cast.count; ++k) sendTriangle(cast.triangles[k], origin);
}

// Translucent dark grey just above the tops: highlights, and shadows on the layer below.
void drawShades(const Frame& f) {
    const Settings& s = f.scene.settings;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.25f, 0.25f, 0.25f, 0.5f);
    glBegin(GL_TRIANGLES);
    for (int tile = 0; tile < tileCount; ++tile) {
        if (!isPresent(f.scene, tile)) continue;
        const Vertex3 o = f.origins[tile];
        if (f.looks[tile].highlighted) sendTop(f.box, {o.x, o.y, o.z + s.ombreZ});
        if (s.Shadows == 1) sendShadows(f.scene, tile, o);
    }
    glEnd();
    glDisable(GL_BLEND);
}

}  // namespace

// Two grid columns make a tile's width and two rows its height; rows grow
// downwards on the board while y grows upwards; each layer sits 10 higher and
// is shifted by the inclination, onto the leaning top of the one below.
Vertex3 tileOrigin(const Scene3D& scene, int tile) {
    const TileRecord& t = scene.game.tiles[tile];
    const float shift = float(t.layer) * scene.settings.Inclination;
    return {7.5f * float(t.column) + shift, 10.0f * (18 - float(t.row)) + shift, 10.0f * float(t.layer)};
}

void applyHeapTransform(const Scene3D& scene) {
    const Settings& s = scene.settings;
    glRotatef(s.XPosition, 1, 0, 0);
    glRotatef(s.YPosition, 0, 1, 0);
    glRotatef(s.ZPosition, 0, 0, 1);
    glTranslatef(-15 * scene.centre[0], -20 * scene.centre[1], 0);
}

void render3D(View3D& view, const Scene3D& scene) {
    if (!onContextThread(view)) return;
    const Settings& s = scene.settings;
    Frame f{scene, shearedTileBox(s.Inclination), tileOutline(s.Inclination, s.contourZ), {}, {}};
    for (int tile = 0; tile < tileCount; ++tile) {
        if (!isPresent(scene, tile)) continue;
        f.looks[tile] = lookOf(view, scene, tile);
        f.origins[tile] = tileOrigin(scene, tile);
    }
    // The clear leaves the alpha byte at 0, as in every frame, and nothing
    // drawn changes it, so the frame is read back as it stands.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glPushMatrix();
    applyHeapTransform(scene);
    drawPictures(f, view);
    drawOpaque(f);
    drawOutlines(f);
    drawShades(f);
    glPopMatrix();
    glFlush();
}

void readFrame3D(Surface& frame, int width, int height) {
    if (frame.width != width || frame.height != height) resizeSurface(frame, width, height);
    if (isEmpty(frame)) return;
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, frame.pixels.data());
}

// Every tile is a run of its own under its own name, with the shadows it
// casts, so a click on a shadow picks the tile that throws it. The runs go as
// vertex arrays: a driver may keep a buffer of every immediate-mode run drawn
// in selection mode (Mesa's does), which made each pick cost memory for good.
void drawPickScene(const Scene3D& scene) {
    const TileBoxMesh box = shearedTileBox(scene.settings.Inclination);
    static_assert(sizeof(Vertex3) == 3 * sizeof(float), "the corners lie packed, as glVertexPointer reads them");
    constexpr size_t mostTriangles = std::tuple_size<TileBoxMesh>::value + std::tuple_size<decltype(shadowTriangles)>::value;
    std::array<Vertex3, 3 * mostTriangles> corners{};
    glPushMatrix();
    applyHeapTransform(scene);
    glInitNames();
    glPushName(0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.data());
    for (int tile = 0; tile < tileCount; ++tile) {
        if (!isPresent(scene, tile)) continue;
        const Vertex3 origin = tileOrigin(scene, tile);
        size_t count = 0;
        const auto place = [&](const Triangle3& t) {
            for (const Vertex3& v : t.v) corners[count++] = {v.x + origin.x, v.y + origin.y, v.z + origin.z};
        };
        for (const Triangle3& t : box) place(t);
        if (scene.settings.Shadows == 1) {
            const CastShadows cast = castShadows(scene, tile);
            for (int k = 0; k < cast.count; ++k) place(cast.triangles[k]);
        }
        glLoadName(GLuint(tile));
        glDrawArrays(GL_TRIANGLES, 0, GLsizei(count));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
}
