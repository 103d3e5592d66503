// The tile set: one picture of 9 x 5 face cells, prepared at the tile size
// that fits the board area.
#pragma once

#include <cstdint>

#include "view2d/Surface.h"
#include "view2d/TileImages.h"

struct Scene2D;
struct Settings;

constexpr int faceColumns = 9;
constexpr int faceRows = 5;

struct FaceCell {
    int row;
    int column;
};

// Faces 1 to 35 fill rows 0 to 3 nine at a time; 36 to 42 start row 4.
FaceCell faceCell(int face);
// Shown for every tile while the tiles are hidden.
constexpr FaceCell hiddenFaceCell{4, 7};

struct TileSet {
    Surface fileImage;
    Surface prepared;  // faceColumns x tileWidth by faceRows x tileHeight
    int16_t tileWidth = 0;
    int16_t tileHeight = 0;
    int16_t edgeX = 0;  // side thickness and the rightward shift of each layer
    int16_t edgeY = 0;  // -edgeX: the upward shift of each layer
    int16_t cellWidth = 0;
    int16_t cellHeight = 0;
    int16_t shadowWidth = 0;
    int16_t shadowHeight = 0;
    TileImages images;
};

struct FaceSize {
    int width = 0;
    int height = 0;
};

// The size of one face of `picture` prepared for a board area of
// areaWidth x areaHeight; 0 x 0 when no face can be drawn.
FaceSize preparedFaceSize(int pictureWidth, int pictureHeight, const Settings& settings, int areaWidth,
                          int areaHeight);

// The metrics for a board area of areaWidth x areaHeight, and the prepared
// image. A missing picture, a zero or negative divisor and a board area too
// small for a face give zero sizes, so nothing is drawn, rather than a fault.
void sizeTileSet(TileSet& tileSet, const Settings& settings, int areaWidth, int areaHeight);

// Prepares the tile set for the current board area and lays out the tiles.
void prepareTileSet(const Scene2D& scene);
