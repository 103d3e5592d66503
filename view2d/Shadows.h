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

// The pixels of the pieces the flags switch on, as row spans [x0, x1), for
// a face at `box`; bands are `shadowWidth` wide on the right and
// `shadowHeight` high below. A pixel under two pieces comes twice.
template <typename Visit>
void forEachShadowSpan(const TileBox& box, int shadowWidth, int shadowHeight, const TileShadowFlags& f,
                       Visit visit) {
    // The face projected one layer down.
    const int x = box.x - box.edge, y = box.y + box.edge, w = box.width, h = box.height;
    const int sw = shadowWidth, sh = shadowHeight, lower = y + h, right = x + w, middle = y + h / 2;
    for (int k = 0; k < sh; ++k) {
        if (f[lowerLeftCorner]) visit(lower + k, x, x + k);
        if (f[lowerLeftHalf]) visit(lower + k, x + k, x + w / 2);
        if (f[lowerMiddleCorner]) visit(lower + k, x + w / 2, x + w / 2 + k);
        if (f[lowerRightHalf]) visit(lower + k, x + w / 2 + k, x + w);
        if (f[cornerSquare]) visit(lower + k, right, right + sw);
    }
    // Right-band halves: each row after `top` reaches one column further,
    // up to sw; corners: each row from `top` starts one column further.
    auto growing = [&](int top, int end) {
        for (int py = top + 1; py < end; ++py) visit(py, right, right + std::min(sw, py - top));
    };
    auto shrinking = [&](int top) {
        for (int py = top; py < top + sw; ++py) visit(py, right + (py - top), right + sw);
    };
    if (f[rightLowerHalf]) growing(middle, y + h);
    if (f[rightMiddleCorner]) shrinking(middle);
    if (f[rightUpperHalf]) growing(y, middle);
    if (f[rightTopCorner]) shrinking(y);
    if (f[rightLowerShort]) growing(middle, y + h - box.edge);
    if (f[rightUpperShort]) growing(y, middle - box.edge);
}

// Darkens the pieces the flags switch on, for a face at `box`; bands are
// `shadowWidth` wide on the right and `shadowHeight` high below.
void drawShadows(Surface& board, const TileBox& box, int shadowWidth, int shadowHeight,
                 const TileShadowFlags& flags, uint8_t amount);
