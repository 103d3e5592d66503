#include "engine/BoardModel.h"

namespace {

std::array<uint8_t, tileCount> makeDealFaces() {
    static const uint8_t firstHalfTail[18] = {28, 29, 32, 32, 33, 33, 34, 34, 35,
                                              35, 36, 37, 40, 40, 41, 41, 42, 42};
    static const uint8_t secondHalfTail[18] = {30, 31, 32, 32, 33, 33, 34, 34, 35,
                                               35, 38, 39, 40, 40, 41, 41, 42, 42};
    std::array<uint8_t, tileCount> faces{};
    for (int k = 0; k < 54; ++k) {
        faces[k] = static_cast<uint8_t>(k / 2 + 1);
        faces[k + 72] = faces[k];
    }
    for (int k = 0; k < 18; ++k) {
        faces[54 + k] = firstHalfTail[k];
        faces[126 + k] = secondHalfTail[k];
    }
    return faces;
}

bool inGroup(uint8_t face, uint8_t low) { return face >= low && face <= low + 3; }

void writeTileCells(GameModel& game, int tile, uint8_t value) {
    const TileRecord& t = game.tiles[tile];
    writeBlock(game.boardGrid, t.layer, t.row, t.column, value);
}

}  // namespace

const std::array<uint8_t, tileCount> dealFaces = makeDealFaces();

void writeBlock(BoardGrid& grid, int layer, int row, int column, uint8_t value) {
    for (int dr = 0; dr < 2; ++dr)
        for (int dc = 0; dc < 2; ++dc) grid[cellIndex(layer, row + dr, column + dc)] = value;
}

bool facesMatch(uint8_t a, uint8_t b) {
    return a == b || (inGroup(a, flowerGroup) && inGroup(b, flowerGroup)) ||
           (inGroup(a, seasonGroup) && inGroup(b, seasonGroup));
}

void clearGameModel(GameModel& game) {
    game = GameModel{};
    game.boardGrid.fill(noTile);
    game.moveList.pairs[0] = {noTile, noTile};
    game.state.selectedTile = noTile;
    game.state.secondTile = noTile;
    game.state.tilesLeft = tileCount;
}

void clearTileCells(GameModel& game, int tile) { writeTileCells(game, tile, noTile); }

void restoreTileCells(GameModel& game, int tile) {
    writeTileCells(game, tile, static_cast<uint8_t>(tile));
}
