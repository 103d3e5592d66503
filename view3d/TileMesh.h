// One tile of the 3D view: a box of 12 triangles 15 wide (x), 20 high (y) and
// 10 thick (z), its black outline, and the 14 shadow triangles it may cast on
// the layer below. The board plane is z = 0; tiles rise towards +z.
#pragma once

#include <array>
#include <cstdint>

struct Vertex3 {
    float x, y, z;
};

struct Triangle3 {
    Vertex3 v[3];  // counter-clockwise seen from outside
};

constexpr float tileWidth3D = 15;
constexpr float tileHeight3D = 20;
constexpr float tileThickness3D = 10;

using TileBoxMesh = std::array<Triangle3, 12>;
// Triangles 4 and 5 are the top face, which carries the picture.
constexpr int topTriangleA = 4;
constexpr int topTriangleB = 5;

// The box with every vertex of its top face moved by (inclination, inclination, 0):
// the tile leans, and a tile above sits on its leaning top.
TileBoxMesh shearedTileBox(float inclination);

// Texture coordinates of the three vertices of the top triangles: the
// picture's first row lies along y = 0, so it stands upright on screen.
extern const float topTextureCoordinates[2][3][2];

// An edge of the outline, pushed outward along one axis so the faces beside
// it do not hide it.
struct OutlineEdge {
    Vertex3 from, to;
};
constexpr int outlineEdgeCount = 12;
// The outline of a box sheared like shearedTileBox, pushed out by `distance`.
std::array<OutlineEdge, outlineEdgeCount> tileOutline(float inclination, float distance);

// A shadow triangle in the band below the tile and to its right, switched on
// by one shadow flag or by either of two.
struct ShadowTriangle {
    float corners[3][2];
    uint8_t flag;
    uint8_t otherFlag;  // equal to flag when only one switches it on
};
extern const std::array<ShadowTriangle, 14> shadowTriangles;

// The unit normal of a triangle P, Q, R: (P - Q) x (Q - R), normalised; a
// degenerate triangle gets (0, 0, 0).
Vertex3 triangleNormal(const Triangle3& triangle);
