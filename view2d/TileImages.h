// Precomposed tile images: each face (and the hidden face) with its sides
// and outline, in the normal and the selected look, built once per tile
// size and colours, so a frame copies each tile in a few row runs instead of
// drawing it pixel rule by pixel rule.
#pragma once

#include <cstdint>
#include <vector>

#include "view2d/Surface.h"

struct Settings;
struct TileSet;

// Pixels x0 <= x < x1 of row y of a tile image, all covered by the tile.
struct TileRun {
    int y;
    int x0;
    int x1;
};

// cellWidth x cellHeight pixels; the face lies at (|edgeX|, 0).
struct TileImage {
    bool built = false;
    Surface pixels;
    std::vector<TileRun> runs;
};

struct TileImages {
    std::vector<TileImage> images;  // by face cell and look
    // The settings the images were built with.
    uint32_t sidesColour = 0;
    uint8_t selectMode = 0;
    uint8_t shadowsValue = 0;
};

void clearTileImages(TileImages& images);

// The runs every tile image covers: the same for each face and look.
std::vector<TileRun> tileImageRuns(const TileSet& tileSet);

// The image of the face in `row`, `column` of the tile set, built on first use.
const TileImage& tileImage(TileSet& tileSet, const Settings& settings, int row, int column, bool selected);

// Copies the image's runs with its face at (x, y) of the board, clipped.
void drawTileImage(const TileImage& image, int edge, Surface& board, int x, int y);
