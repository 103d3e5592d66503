// Numbering the tiles of a layout and sorting the numbers into the order in
// which the 2D view paints them: every lower layer first, and within a layer
// by (row - column) ascending, so that a tile is drawn after the tiles it
// overlaps.
#include <algorithm>
#include <utility>

#include "engine/Layout.h"

namespace {

// Every swap of a layout without overlapping tiles removes one inversion of
// the (row - column) order, so its cycles end long before this many. Tiles
// that overlap within one layer (the text formats allow them) fall outside
// that argument; the bound keeps any such layout from hanging the program.
constexpr int maxOrderCycles = tileCount * tileCount;

bool markedCorner(const GameModel& game, int layer, int row, int column) {
    return isTileCorner(row, column) && game.layoutMask[cellIndex(layer, row, column)] == 1;
}

bool orderCycle(GameModel& game) {
    bool changed = orderPass(game, 2, 1, Order::ascending);
    changed |= orderPass(game, 2, -1, Order::ascending);
    changed |= orderPass(game, 1, 2, Order::descending);
    changed |= orderPass(game, 1, -2, Order::ascending);
    changed |= orderPass(game, 2, 0, Order::ascending);
    changed |= orderPass(game, 0, 2, Order::descending);
    return changed;
}

}  // namespace

bool isTileCorner(int row, int column) {
    return row >= 0 && row < rowCount - 1 && column >= 0 && column < columnCount - 1;
}

int numberedTileCount(const LayoutMask& mask) {
    int corners = 0;
    for (int layer = 0; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row)
            for (int column = 0; column < columnCount; ++column)
                corners += isTileCorner(row, column) && mask[cellIndex(layer, row, column)] == 1;
    return std::min(corners, tileCount);
}

int numberTiles(GameModel& game) {
    game.boardGrid.fill(noTile);
    game.tiles.fill(TileRecord{});
    int n = 0;
    for (int layer = 0; layer < layerCount; ++layer)
        for (int column = columnCount - 2; column >= 0; --column)
            for (int row = 0; row < rowCount - 1 && n < tileCount; ++row) {
                if (game.layoutMask[cellIndex(layer, row, column)] != 1) continue;
                writeBlock(game.boardGrid, layer, row, column, static_cast<uint8_t>(n));
                TileRecord& tile = game.tiles[n++];
                tile.layer = static_cast<uint8_t>(layer);
                tile.row = static_cast<uint8_t>(row);
                tile.column = static_cast<uint8_t>(column);
            }
    return n;
}

// Where tiles of one layer overlap, a corner cell may hold the neighbour
// lying over it, and the passes then move cells that are not the tile's own:
// the grid is written again from the ordered tiles, a later tile holding the
// cells it shares with an earlier one.
int numberAndOrderTiles(GameModel& game) {
    const int numbered = numberTiles(game);
    for (int cycle = 0; cycle < maxOrderCycles; ++cycle)
        if (!orderCycle(game)) break;
    game.boardGrid.fill(noTile);
    for (int tile = 0; tile < numbered; ++tile) {
        const TileRecord& t = game.tiles[tile];
        writeBlock(game.boardGrid, t.layer, t.row, t.column, static_cast<uint8_t>(tile));
    }
    return numbered;
}

bool orderPass(GameModel& game, int rowOffset, int columnOffset, Order order) {
    bool swapped = false;
    for (int layer = 0; layer < layerCount; ++layer)
        for (int r = 0; r < rowCount; ++r)
            for (int c = 0; c < columnCount; ++c) {
                const int r2 = r + rowOffset, c2 = c + columnOffset;
                if (!markedCorner(game, layer, r, c) || !markedCorner(game, layer, r2, c2)) continue;
                const uint8_t a = game.boardGrid[cellIndex(layer, r, c)];
                const uint8_t b = game.boardGrid[cellIndex(layer, r2, c2)];
                if (a >= tileCount || b >= tileCount) continue;
                if (order == Order::ascending ? a > b : a < b) {
                    swapTiles(game, layer, r, c, layer, r2, c2);
                    swapped = true;
                }
            }
    return swapped;
}

void swapTiles(GameModel& game, int l1, int r1, int c1, int l2, int r2, int c2) {
    const uint8_t a = game.boardGrid[cellIndex(l1, r1, c1)];
    const uint8_t b = game.boardGrid[cellIndex(l2, r2, c2)];
    std::swap(game.tiles[a], game.tiles[b]);
    writeBlock(game.boardGrid, l1, r1, c1, b);
    writeBlock(game.boardGrid, l2, r2, c2, a);
}
