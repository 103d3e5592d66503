// The shadows a tile casts onto the layer below it, to its right and below
// it, as if lit from the upper left: eleven pieces per tile, each switched
// on by one flag.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/BoardModel.h"
#include "view2d/Surface.h"
#include "view2d/TileLook.h"

// The pieces, by their place around the face projected one layer down.
enum ShadowPiece {
    lowerLeftCorner,   // f0
    lowerLeftHalf,     // f1
    lowerMiddleCorner, // f2
    lowerRightHalf,    // f3
    cornerSquare,      // f4
    rightLowerHalf,    // f5
    rightMiddleCorner, // f6
    rightUpperHalf,    // f7
    rightTopCorner,    // f8
    rightLowerShort,   // f9
    rightUpperShort,   // f10
    shadowPieceCount
};

using TileShadowFlags = std::array<uint8_t, shadowPieceCount>;
using ShadowFlags = std::array<TileShadowFlags, tileCount>;

// The flags of every present tile from the board grid and layout mask.
void computeShadowFlags(const GameModel& game, ShadowFlags& flags);

// The pixels of the pieces the flags switch on, for a face at `box`, as row
// spans [x0, x1) (possibly empty); bands are `shadowWidth` wide on the right
// and `shadowHeight` high below. A pixel of two pieces comes twice.
template <typename Visit>
void forEachShadowSpan(const TileBox& box, int shadowWidth, int shadowHeight, const TileShadowFlags& f,
                       Visit visit) {
    // The face projected one layer down.
    const int x = box.x - box.edge, y = box.y + box.edge;
    const int w = box.width, h = box.height, e = box.edge, sw = shadowWidth;
    const int below = y + h, right = x + w, middle = y + h / 2;
    for (int k = 0; k < shadowHeight; ++k) {
        if (f[lowerLeftCorner]) visit(below + k, x, x + k);
        if (f[lowerLeftHalf]) visit(below + k, x + k, x + w / 2);
        if (f[lowerMiddleCorner]) visit(below + k, x + w / 2, x + w / 2 + k);
        if (f[lowerRightHalf]) visit(below + k, x + w / 2 + k, x + w);
        if (f[cornerSquare]) visit(below + k, right, right + sw);
    }
    // Right-band halves: the rows after `top` reach one more column each, up
    // to the band's width; corners: the rows from `top` on start one further right.
    auto growing = [&](int top, int end) {
        for (int row = top + 1; row < end; ++row) visit(row, right, right + std::min(sw, row - top));
    };
    auto shrinking = [&](int top) {
        for (int row = top; row < top + sw; ++row) visit(row, right + (row - top), right + sw);
    };
    if (f[rightLowerHalf]) growing(middle, y + h);
    if (f[rightMiddleCorner]) shrinking(middle);
    if (f[rightUpperHalf]) growing(y, middle);
    if (f[rightTopCorner]) shrinking(y);
    if (f[rightLowerShort]) growing(middle, y + h - e);
    if (f[rightUpperShort]) growing(y, middle - e);
}

// Darkens the pieces the flags switch on.
void drawShadows(Surface& board, const TileBox& box, int shadowWidth, int shadowHeight,
                 const TileShadowFlags& flags, uint8_t amount);
