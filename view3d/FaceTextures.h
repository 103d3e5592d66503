// The face pictures of the 3D view: one 64 x 64 texture per used cell of the
// tile-set picture, cut from the picture as read and scaled down smoothly.
#pragma once

#include <cstdint>
#include <vector>

#include "view2d/Surface.h"
#include "view3d/View3D.h"

constexpr int faceTextureSide = 64;
// The hidden face: shown by the 2D view while the tiles are hidden, never by the 3D view.
constexpr int hiddenFaceTexture = 42;

struct CellSize {
    int width = 0;
    int height = 0;
};

// A cell of the picture as read: its width / 9 by its height / 5.
CellSize faceCellSize(const Surface& fileImage);

// The texture of a face from 1 to 42, or -1 for any other number.
int faceTexture(int face);

// Texture k (cells in reading order, skipping the unused column 8 of rows 3
// and 4) as 64 x 64 RGB bytes, bottom row first, so that the picture stands
// upright on a tile's top. Empty when the picture has no cell of that size.
std::vector<uint8_t> faceTextureImage(const Surface& fileImage, int k);

// The next smaller level of a square RGB texture of the given side (even,
// or 1), rows in the same order: each pixel the rounded mean of the two by
// two it stands for.
std::vector<uint8_t> halvedTextureImage(const std::vector<uint8_t>& rgb, int side);

// Replaces the view's textures by those of a newly loaded tile-set picture;
// needs the view's OpenGL context current.
void buildTileTextures(View3D& view, const Surface& fileImage);
void releaseTileTextures(View3D& view);
