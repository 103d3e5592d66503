// The shadows a tile casts onto the layer below it, to its right and below
// it, as if lit from the upper left: eleven pieces per tile, each switched
// on by one flag.
#pragma once

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

// Darkens the pieces the flags switch on, for a face at `box`; bands are
// `shadowWidth` wide on the right and `shadowHeight` high below.
void drawShadows(Surface& board, const TileBox& box, int shadowWidth, int shadowHeight,
                 const TileShadowFlags& flags, uint8_t amount);
