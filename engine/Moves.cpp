#include "engine/Moves.h"

bool isTile(int tile) { return tile >= 0 && tile < tileCount; }

namespace {

bool coversCell(const TileRecord& tile, int layer, int row, int column) {
    return tile.face != 0 && tile.layer == layer && row - tile.row >= 0 && row - tile.row < 2 &&
           column - tile.column >= 0 && column - tile.column < 2;
}

// The tile still on the board that covers the cell, or noTile.
uint8_t tileCovering(const GameModel& game, int layer, int row, int column) {
    for (int t = 0; t < tileCount; ++t)
        if (coversCell(game.tiles[t], layer, row, column)) return static_cast<uint8_t>(t);
    return noTile;
}

}  // namespace

// Layouts may let two tiles of one layer overlap: a cell the removed tile
// shared with a tile still on the board stays covered by that tile.
void takeOffBoard(GameModel& game, int tile) {
    TileRecord& removed = game.tiles[tile];
    removed.face = 0;
    for (int dr = 0; dr < 2; ++dr)
        for (int dc = 0; dc < 2; ++dc) {
            const int row = removed.row + dr, column = removed.column + dc;
            uint8_t& cell = game.boardGrid[cellIndex(removed.layer, row, column)];
            if (cell >= tileCount || game.tiles[cell].face == 0)
                cell = tileCovering(game, removed.layer, row, column);
        }
}

// Free flags and shadow flags are left to the caller, which may remove
// several pairs before it looks at the board again.
void removePair(GameModel& game, int first, int second) {
    GameState& state = game.state;
    if (!isTile(first) || !isTile(second) || state.movesMade < 0 || state.movesMade >= undoSlots)
        return;
    state.undoList[state.movesMade] = {game.tiles[first].face, static_cast<uint8_t>(first),
                                       static_cast<uint8_t>(second)};
    takeOffBoard(game, first);
    takeOffBoard(game, second);
    state.tilesLeft -= 2;
    state.hintIndex = 0;
    game.moveList.moveCount = 0;
    state.movesMade += 1;
}
