// The free rule works on the cells of the BoardGrid, so it needs no list of
// neighbours: a tile is free when nothing lies on any of its cells and one of
// its sides is open (a board border, or both cells beside it empty).
#include "engine/FreeTiles.h"

#include <vector>

namespace {

// Removed or covered: cannot become free in this computation.
constexpr uint8_t blockedFlag = 2;

// Anything that is not a tile index counts as an empty cell, so a damaged
// grid can never address a record that does not exist.
bool holdsTile(uint8_t cell) { return cell < tileCount; }

void freeUnlessBlocked(GameModel& game, uint8_t tile) {
    if (game.tiles[tile].freeFlag != blockedFlag) game.tiles[tile].freeFlag = 1;
}

// Only the layer directly above covers: a cell of layer l + 1 lies one whole
// layer further on in the grid.
void markCoveredTiles(GameModel& game) {
    const uint8_t* grid = game.boardGrid.data();
    for (int cell = 0; cell < (layerCount - 1) * layerCells; ++cell)
        if (holdsTile(grid[cell]) && holdsTile(grid[cell + layerCells])) game.tiles[grid[cell]].freeFlag = blockedFlag;
}

// The tile whose own cells are in column `own` of both rows is open on the
// side of column `open` when both cells there are empty.
void freeBesideOpening(GameModel& game, const uint8_t* upper, const uint8_t* lower, int open, int own) {
    const uint8_t tile = upper[own];
    if (holdsTile(tile) && lower[own] == tile && !holdsTile(upper[open]) && !holdsTile(lower[open]))
        freeUnlessBlocked(game, tile);
}

bool rowHoldsTiles(const uint8_t* cells) {
    for (int c = 0; c < columnCount; ++c)
        if (holdsTile(cells[c])) return true;
    return false;
}

// Every check of a row starts from a tile in that row, so most rows of a
// heap, which are empty, are passed over at once.
void markOpenTiles(GameModel& game, int layer, int row) {
    const uint8_t* upper = &game.boardGrid[cellIndex(layer, row, 0)];
    if (!rowHoldsTiles(upper)) return;
    for (int column : {0, columnCount - 1})
        if (holdsTile(upper[column])) freeUnlessBlocked(game, upper[column]);
    if (row >= rowCount - 1) return;
    const uint8_t* lower = upper + columnCount;
    for (int c = 0; c + 2 < columnCount; ++c) {
        freeBesideOpening(game, upper, lower, c, c + 2);
        freeBesideOpening(game, upper, lower, c + 2, c);
    }
}

}  // namespace

void computeFreeTiles(GameModel& game) {
    for (TileRecord& tile : game.tiles) tile.freeFlag = tile.face == 0 ? blockedFlag : 0;
    markCoveredTiles(game);
    for (int layer = 0; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row) markOpenTiles(game, layer, row);
    for (TileRecord& tile : game.tiles)
        if (tile.freeFlag == blockedFlag) tile.freeFlag = 0;
}

bool tilesMatch(const GameModel& game, int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= tileCount || b >= tileCount) return false;
    const TileRecord& first = game.tiles[a];
    const TileRecord& second = game.tiles[b];
    return first.freeFlag == 1 && second.freeFlag == 1 && facesMatch(first.face, second.face);
}

// Each matching pair of free tiles once, as (smaller, larger), in ascending
// order of the first tile and then the second.
void buildMoveList(GameModel& game, bool stopEarly, int pairSearchLimit) {
    MoveList& list = game.moveList;
    list.pairs[0] = {noTile, noTile};
    list.moveCount = 0;
    std::vector<uint8_t> free;
    for (int t = 0; t < tileCount; ++t)
        if (game.tiles[t].freeFlag == 1) free.push_back(static_cast<uint8_t>(t));
    for (std::size_t i = 0; i < free.size(); ++i)
        for (std::size_t j = i + 1; j < free.size(); ++j) {
            if (stopEarly && list.moveCount > pairSearchLimit) break;
            if (list.moveCount == moveListCapacity) break;
            if (facesMatch(game.tiles[free[i]].face, game.tiles[free[j]].face))
                list.pairs[list.moveCount++] = {free[i], free[j]};
        }
    game.state.hintIndex = 0;
}
