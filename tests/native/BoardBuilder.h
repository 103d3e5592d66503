// Boards for tests, built from lists of tile corners as a layout file gives them.
#pragma once

#include <string>
#include <vector>

#include "engine/BoardModel.h"
#include "engine/Layout.h"

struct Corner {
    int layer, row, column;
};

inline void markCorners(LayoutMask& mask, const std::vector<Corner>& corners) {
    for (const Corner& c : corners) mask[cellIndex(c.layer, c.row, c.column)] = 1;
}

// A fresh model holding these tiles, numbered and ordered, all with one face.
inline int buildBoard(GameModel& game, const std::vector<Corner>& corners, uint8_t face = 1) {
    clearGameModel(game);
    markCorners(game.layoutMask, corners);
    const int numbered = numberAndOrderTiles(game);
    for (int t = 0; t < numbered; ++t) game.tiles[t].face = face;
    return numbered;
}

inline int tileAtCorner(const GameModel& game, const Corner& c) {
    return game.boardGrid[cellIndex(c.layer, c.row, c.column)];
}

// Whole tiles on a rectangle: rows and columns stepping by 2.
inline void addBlock(std::vector<Corner>& corners, int layer, int row, int rows, int column, int columns) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) corners.push_back({layer, row + 2 * r, column + 2 * c});
}

// 144 tiles: a 12 x 8 floor and an 8 x 6 second layer.
inline std::vector<Corner> twoLayerLayout() {
    std::vector<Corner> corners;
    addBlock(corners, 0, 0, 8, 0, 12);
    addBlock(corners, 1, 2, 6, 4, 8);
    return corners;
}

// 144 tiles with half-tile shifts between rows and between layers, up to layer 4.
inline std::vector<Corner> staggeredLayout() {
    std::vector<Corner> corners;
    for (int r = 0; r < 6; ++r) addBlock(corners, 0, 3 * r, 1, r % 2, 14);
    addBlock(corners, 1, 3, 4, 5, 10);
    addBlock(corners, 2, 4, 2, 8, 5);
    addBlock(corners, 3, 4, 2, 9, 4);
    addBlock(corners, 4, 5, 1, 12, 2);
    return corners;
}

// 144 tiles on one layer, a corner on every cell of a 12 x 12 square: each
// overlaps its neighbours and keeps a sliver of its cells, and no deal can
// clear the heap.
inline std::vector<Corner> overlappingLayout() {
    std::vector<Corner> corners;
    for (int cell = 0; cell < tileCount; ++cell) corners.push_back({0, cell / 12, cell % 12});
    return corners;
}

// The line format: "row column layer" per line.
inline std::string lineLayoutText(const std::vector<Corner>& corners) {
    std::string text;
    for (const Corner& c : corners)
        text += std::to_string(c.row) + " " + std::to_string(c.column) + " " + std::to_string(c.layer) + "\n";
    return text;
}
