// The flat symbols on the tops of the tiles while textures are off: squares,
// triangles, pinwheels and diamonds, counted like the pips of the face.
#pragma once

#include <array>

#include "view3d/TileMesh.h"

struct Settings;

// The most triangles a symbol has: nine pinwheels of four blades.
constexpr int maxSymbolTriangles = 36;

struct FaceSymbol {
    int group = 0;  // 0 to 3: the colour RGBVal[group]Color
    int count = 0;
    std::array<Triangle3, maxSymbolTriangles> triangles{};  // at z = 0, in tile coordinates
};

// The symbol of a face from 1 to 42; an empty one for any other number.
// The two groups of four faces that match each other share one symbol each.
const FaceSymbol& faceSymbol(int face);

// Sends the face's symbol in its group colour at height dessinZ above
// `origin`, into a run of triangles the caller has begun.
void drawFaceSymbol(int face, const Settings& settings, Vertex3 origin);
