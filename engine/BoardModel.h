// The in-memory model of the one game in progress.
#pragma once

#include <array>
#include <cstdint>

constexpr int layerCount = 5;
constexpr int rowCount = 20;
constexpr int columnCount = 34;
constexpr int layerCells = rowCount * columnCount;  // 680
constexpr int cellCount = layerCount * layerCells;  // 3400
constexpr int tileCount = 144;
constexpr int pairCount = tileCount / 2;
constexpr uint8_t noTile = 250;
// Faces are numbered 1..lastFace; within each group of four, any two match.
constexpr uint8_t lastFace = 42;
constexpr uint8_t flowerGroup = 28;  // faces 28..31
constexpr uint8_t seasonGroup = 36;  // faces 36..39

// Cells are stored layer-major: (layer, row, column) -> layer * 680 + row * 34 + column.
constexpr int cellIndex(int layer, int row, int column) {
    return layer * layerCells + row * columnCount + column;
}

// Tile index covering each half-tile cell, or noTile.
using BoardGrid = std::array<uint8_t, cellCount>;
// 1 on the corner cell of every tile position of the layout.
using LayoutMask = std::array<uint8_t, cellCount>;

struct TileRecord {
    int16_t screenX;
    int16_t screenY;
    int16_t faceX;
    int16_t faceY;
    uint8_t face;      // 1..lastFace, 0 once removed
    uint8_t freeFlag;  // 1 when on the board and free
    uint8_t layer;
    uint8_t row;
    uint8_t column;
    uint8_t pad;  // carries nothing; a saved game's tile record keeps its byte
};

struct TilePair {
    uint8_t first;
    uint8_t second;
};

// 216 pairs is the most that free tiles carrying the dealt faces can form.
constexpr int moveListCapacity = 216;

struct MoveList {
    std::array<TilePair, moveListCapacity> pairs;
    int16_t moveCount;
};

struct UndoRecord {
    uint8_t face;  // face of the first tile; undo gives both tiles this face
    uint8_t first;
    uint8_t second;
};

constexpr int undoSlots = 73;

struct GameState {
    int16_t selectedTile;
    int16_t secondTile;
    int16_t tilesLeft;
    int16_t movesMade;
    int16_t hintIndex;
    int32_t elapsedSeconds;
    uint8_t showMoves;
    uint8_t autoPlayRunning;
    uint8_t gameWasLoaded;
    uint8_t winHandled;
    uint8_t tilesHidden;
    std::array<UndoRecord, undoSlots> undoList;
    std::array<uint8_t, tileCount> removalOrder;
};

struct GameModel {
    std::array<TileRecord, tileCount> tiles;
    BoardGrid boardGrid;
    LayoutMask layoutMask;
    MoveList moveList;
    GameState state;
};

// Entries k and k + 72 always match, which is what makes a solvable deal possible.
extern const std::array<uint8_t, tileCount> dealFaces;

// Faces match when equal, or both in the flower group 28..31, or both in the season group 36..39.
bool facesMatch(uint8_t a, uint8_t b);

// A fresh model: empty grid and mask, no tiles, state at the start of a game.
void clearGameModel(GameModel& game);

// Writes `value` into the 2 x 2 cells of the tile whose corner is given.
void writeBlock(BoardGrid& grid, int layer, int row, int column, uint8_t value);
void clearTileCells(GameModel& game, int tile);
void restoreTileCells(GameModel& game, int tile);
