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

uint8_t cellAt(const GameModel& game, int layer, int row, int column) {
    return game.boardGrid[cellIndex(layer, row, column)];
}

void freeUnlessBlocked(GameModel& game, uint8_t tile) {
    if (game.tiles[tile].freeFlag != blockedFlag) game.tiles[tile].freeFlag = 1;
}

void markCoveredTiles(GameModel& game) {
    for (int layer = 0; layer < layerCount - 1; ++layer)
        for (int cell = 0; cell < layerCells; ++cell) {
            const uint8_t below = game.boardGrid[layer * layerCells + cell];
            const uint8_t above = game.boardGrid[(layer + 1) * layerCells + cell];
            if (holdsTile(below) && holdsTile(above)) game.tiles[below].freeFlag = blockedFlag;
        }
}

// The tile whose side faces the empty column `open` in rows row and row + 1,
// with its own cells in column `own`; frees it when both rows agree.
void freeBesideOpening(GameModel& game, int layer, int row, int open, int own) {
    if (holdsTile(cellAt(game, layer, row, open)) || holdsTile(cellAt(game, layer, row + 1, open)))
        return;
    const uint8_t tile = cellAt(game, layer, row, own);
    if (holdsTile(tile) && cellAt(game, layer, row + 1, own) == tile) freeUnlessBlocked(game, tile);
}

void markOpenTiles(GameModel& game, int layer, int row) {
    for (int column : {0, columnCount - 1}) {
        const uint8_t tile = cellAt(game, layer, row, column);
        if (holdsTile(tile)) freeUnlessBlocked(game, tile);
    }
    if (row >= rowCount - 1) return;
    for (int c = 0; c + 2 < columnCount; ++c) {
        freeBesideOpening(game, layer, row, c, c + 2);
        freeBesideOpening(game, layer, row, c + 2, c);
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
