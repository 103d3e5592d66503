// What a plain frame shows at each pixel, found once per change of the
// board: the background, or the image of the last tile drawn there, darkened
// once for every shadow piece that later tiles cast on it. A frame is then
// composed by writing every pixel once, from its source, instead of painting
// the background and the tiles over each other.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/BoardModel.h"
#include "view2d/Surface.h"

struct Scene2D;

// Pixels [previous span's end, end) of a row: the background when `tile`
// is noTile.
struct VisibleSpan {
    int32_t end;
    uint8_t tile;
    uint8_t shadows;  // how many times the pixels are darkened
};

struct VisibleSpans {
    std::vector<int32_t> board;  // the board the spans were found for
    int width = 0;
    int height = 0;
    std::vector<VisibleSpan> spans;   // row after row
    std::vector<uint32_t> rowStarts;  // height + 1 indices into spans
    std::array<int, tileCount> imageLeft{};  // board position of each tile image's pixel (0, 0)
    std::array<int, tileCount> imageTop{};
};

// Finds the spans of the board as it stands, unless they are known already.
void findVisibleSpans(const Scene2D& scene, VisibleSpans& spans);

// What the background and each tile show in this frame.
struct FrameSources {
    // The background picture of the board's size, or one row of the
    // background colour that serves every row.
    const Surface* background = nullptr;
    std::array<const Surface*, tileCount> images{};  // each visible tile's image
    uint8_t shadowAmount = 0;                        // taken off each channel per shadow piece
};

// Composes the frame the spans describe into `board`, of the spans' size.
void drawVisibleSpans(const VisibleSpans& spans, const FrameSources& sources, Surface& board);
