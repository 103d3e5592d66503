#include "view2d/Shadows.h"

#include <algorithm>

#include "view2d/PixelRules.h"

namespace {

uint8_t gridAt(const GameModel& game, int layer, int row, int column) {
    return game.boardGrid[cellIndex(layer, row, column)];
}

// Empty on this layer, with something beneath to fall on.
bool isOpen(const GameModel& game, int layer, int row, int column) {
    return gridAt(game, layer, row, column) == noTile && gridAt(game, layer - 1, row, column) != noTile;
}

// The present tile of this layer whose corner is at (row, column), or noTile.
int tileCornerAt(const GameModel& game, int layer, int row, int column) {
    if (row >= rowCount || column >= columnCount || !game.layoutMask[cellIndex(layer, row, column)])
        return noTile;
    const int tile = gridAt(game, layer, row, column);
    if (tile >= tileCount) return noTile;
    const TileRecord& t = game.tiles[tile];
    return t.layer == layer && t.row == row && t.column == column ? tile : noTile;
}

template <typename Visit>
void forEachCastingTile(const GameModel& game, Visit visit) {
    for (int layer = 1; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row)
            for (int column = 0; column < columnCount; ++column) {
                const int tile = tileCornerAt(game, layer, row, column);
                if (tile != noTile) visit(tile, layer, row, column);
            }
}

// Which neighbouring cells on the tile's own layer lie open.
void markOpenSides(const GameModel& game, TileShadowFlags& f, int l, int r, int c) {
    f[lowerLeftHalf] = r + 2 < rowCount && isOpen(game, l, r + 2, c);
    f[lowerRightHalf] = r + 2 < rowCount && c + 1 < columnCount && isOpen(game, l, r + 2, c + 1);
    f[lowerMiddleCorner] = f[lowerLeftHalf] && f[lowerRightHalf];
    f[rightUpperHalf] = c + 2 < columnCount && isOpen(game, l, r, c + 2);
    f[rightLowerHalf] = r + 1 < rowCount && c + 2 < columnCount && isOpen(game, l, r + 1, c + 2);
    f[rightMiddleCorner] = f[rightLowerHalf] && f[rightUpperHalf];
    f[cornerSquare] = r + 2 < rowCount && c + 2 < columnCount && (f[lowerRightHalf] || f[rightLowerHalf]) && isOpen(game, l, r + 2, c + 2);
}

// Bands of neighbours that meet get their joining corners.
void joinNeighbours(const GameModel& game, ShadowFlags& flags, int t, int l, int r, int c) {
    const int right = c + 2 < columnCount ? tileCornerAt(game, l, r, c + 2) : noTile;
    if (right != noTile && flags[t][lowerRightHalf] && flags[right][lowerLeftHalf])
        flags[right][lowerLeftCorner] = 1;
    const int above = r >= 2 ? tileCornerAt(game, l, r - 2, c) : noTile;
    if (above != noTile && flags[t][rightUpperHalf] && flags[above][rightLowerHalf])
        flags[t][rightTopCorner] = 1;
}

// Corners covered by a neighbour's band are dropped, and right bands stop
// where the face of a neighbour half a tile lower begins.
void trimPieces(const GameModel& game, const ShadowFlags& joined, TileShadowFlags& f, int t, int l, int r,
                int c) {
    const int right = c + 2 < columnCount ? tileCornerAt(game, l, r, c + 2) : noTile;
    if (right != noTile && joined[right][lowerLeftCorner] && joined[right][lowerLeftHalf]) f[cornerSquare] = 0;
    const int below = r + 2 < rowCount ? tileCornerAt(game, l, r + 2, c) : noTile;
    if (below != noTile && joined[below][rightUpperHalf] && joined[below][rightTopCorner]) f[cornerSquare] = 0;
    if (r + 2 < rowCount && c + 2 < columnCount && tileCornerAt(game, l, r + 2, c + 2) != noTile && joined[t][rightLowerHalf]) {
        f[rightLowerHalf] = 0;
        f[rightLowerShort] = 1;
    }
    if (r + 1 < rowCount && c + 2 < columnCount && tileCornerAt(game, l, r + 1, c + 2) != noTile && joined[t][rightUpperHalf]) {
        f[rightUpperHalf] = 0;
        f[rightUpperShort] = 1;
    }
}

}  // namespace

void computeShadowFlags(const GameModel& game, ShadowFlags& flags) {
    for (TileShadowFlags& f : flags) f.fill(0);
    forEachCastingTile(game, [&](int t, int l, int r, int c) { markOpenSides(game, flags[t], l, r, c); });
    forEachCastingTile(game, [&](int t, int l, int r, int c) { joinNeighbours(game, flags, t, l, r, c); });
    const ShadowFlags joined = flags;
    forEachCastingTile(game, [&](int t, int l, int r, int c) { trimPieces(game, joined, flags[t], t, l, r, c); });
}

void drawShadows(Surface& board, const TileBox& box, int shadowWidth, int shadowHeight,
                 const TileShadowFlags& flags, uint8_t amount) {
    forEachShadowSpan(box, shadowWidth, shadowHeight, flags,
                      [&](int y, int x0, int x1) { darkenSpan(board, y, x0, x1, amount); });
}
