#include "view3d/TileMesh.h"

#include <cmath>

namespace {

constexpr float w = tileWidth3D, h = tileHeight3D, d = tileThickness3D;

const TileBoxMesh tileBox = {{
    {{{0, 0, d}, {0, h, 0}, {0, 0, 0}}},  // left
    {{{0, 0, d}, {0, h, d}, {0, h, 0}}},
    {{{0, 0, 0}, {w, 0, 0}, {0, 0, d}}},  // front
    {{{0, 0, d}, {w, 0, 0}, {w, 0, d}}},
    {{{0, 0, d}, {w, 0, d}, {0, h, d}}},  // top
    {{{w, 0, d}, {w, h, d}, {0, h, d}}},
    {{{w, 0, 0}, {w, h, 0}, {w, 0, d}}},  // right
    {{{w, 0, d}, {w, h, 0}, {w, h, d}}},
    {{{0, h, 0}, {0, h, d}, {w, h, 0}}},  // back
    {{{0, h, d}, {w, h, d}, {w, h, 0}}},
    {{{0, 0, 0}, {0, h, 0}, {w, 0, 0}}},  // bottom
    {{{w, 0, 0}, {0, h, 0}, {w, h, 0}}},
}};

Vertex3 sheared(Vertex3 v, float inclination) {
    if (v.z == d) {
        v.x += inclination;
        v.y += inclination;
    }
    return v;
}

struct EdgeShape {
    Vertex3 from, to;
    Vertex3 push;
};

constexpr Vertex3 minusX{-1, 0, 0}, plusX{1, 0, 0}, plusZ{0, 0, 1}, minusZ{0, 0, -1};

// The front and back vertical edges go out sideways, the edges of the top
// and bottom faces up and down.
const EdgeShape outlineShape[outlineEdgeCount] = {
    {{0, 0, 0}, {0, 0, d}, minusX}, {{w, 0, 0}, {w, 0, d}, plusX},  {{0, h, d}, {0, 0, d}, plusZ},
    {{0, 0, d}, {w, 0, d}, plusZ},  {{w, 0, d}, {w, h, d}, plusZ},  {{w, h, d}, {0, h, d}, plusZ},
    {{0, h, 0}, {0, h, d}, minusX}, {{w, h, d}, {w, h, 0}, plusX},  {{0, h, 0}, {0, 0, 0}, minusZ},
    {{0, 0, 0}, {w, 0, 0}, minusZ}, {{w, 0, 0}, {w, h, 0}, minusZ}, {{w, h, 0}, {0, h, 0}, minusZ},
};

Vertex3 pushed(Vertex3 v, Vertex3 direction, float distance) {
    return {v.x + direction.x * distance, v.y + direction.y * distance, v.z + direction.z * distance};
}

}  // namespace

const float topTextureCoordinates[2][3][2] = {{{0, 0}, {1, 0}, {0, 1}}, {{1, 0}, {1, 1}, {0, 1}}};

TileBoxMesh shearedTileBox(float inclination) {
    TileBoxMesh box = tileBox;
    for (Triangle3& triangle : box)
        for (Vertex3& v : triangle.v) v = sheared(v, inclination);
    return box;
}

std::array<OutlineEdge, outlineEdgeCount> tileOutline(float inclination, float distance) {
    std::array<OutlineEdge, outlineEdgeCount> edges;
    for (int i = 0; i < outlineEdgeCount; ++i) {
        const EdgeShape& shape = outlineShape[i];
        edges[i] = {pushed(sheared(shape.from, inclination), shape.push, distance),
                    pushed(sheared(shape.to, inclination), shape.push, distance)};
    }
    return edges;
}

// Flags f0 to f10 as the 2D view numbers them; the 3D view draws the full
// and the shortened right-hand pieces alike.
const std::array<ShadowTriangle, 14> shadowTriangles = {{
    {{{0, 0}, {0, -5}, {3.75f, -5}}, 0, 0},
    {{{0, 0}, {3.75f, -5}, {7.5f, 0}}, 1, 1},
    {{{3.75f, -5}, {7.5f, -5}, {7.5f, 0}}, 1, 1},
    {{{7.5f, 0}, {7.5f, -5}, {11.25f, -5}}, 2, 2},
    {{{7.5f, 0}, {11.25f, -5}, {15, 0}}, 3, 3},
    {{{11.25f, -5}, {15, -5}, {15, 0}}, 3, 3},
    {{{15, 0}, {15, -5}, {20, -5}}, 4, 4},
    {{{20, -5}, {20, 0}, {15, 0}}, 4, 4},
    {{{15, 0}, {20, 0}, {20, 5}}, 5, 9},
    {{{15, 0}, {20, 5}, {15, 10}}, 5, 9},
    {{{20, 5}, {20, 10}, {15, 10}}, 6, 6},
    {{{15, 10}, {20, 10}, {20, 15}}, 7, 10},
    {{{15, 10}, {20, 15}, {15, 20}}, 7, 10},
    {{{20, 15}, {20, 20}, {15, 20}}, 8, 8},
}};

Vertex3 triangleNormal(const Triangle3& t) {
    const Vertex3 a{t.v[0].x - t.v[1].x, t.v[0].y - t.v[1].y, t.v[0].z - t.v[1].z};
    const Vertex3 b{t.v[1].x - t.v[2].x, t.v[1].y - t.v[2].y, t.v[1].z - t.v[2].z};
    const Vertex3 n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length == 0) length = 1;
    return {n.x / length, n.y / length, n.z / length};
}
