// Small hand-made boards and tile sets for the 2D view's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "game/App.h"

struct Placement {
    int layer;
    int row;
    int column;
    int face;
};

// Numbers the placements 0, 1, ... in the order given (which must be a
// painter's order) and fills tile records, board grid and layout mask. The
// remaining records are removed tiles standing on the first placement.
void placeTiles(GameModel& game, const std::vector<Placement>& placements);

// The colour of one face cell of the test tile set: every cell its own.
uint32_t cellColour(int row, int column);
// A tile-set picture of 9 x 5 cells of cellWidth x cellHeight, each filled with its cellColour.
Surface makeTileSetPicture(int cellWidth, int cellHeight);
// A picture whose every pixel differs from its neighbours, so that a wrong
// weight or rounding in stretching, or a wrong row or column, shows.
Surface texturedPicture(int width, int height);
// Takes a tile off the board: its cells and its face.
void removeTile(GameModel& game, int tile);

// An application with a test tile set of 8 x 10 faces (unstretched), sides
// 2 pixels thick, shadow bands 2 pixels, a plain background, and the board
// area given.
struct BoardScene {
    explicit BoardScene(int width = 60, int height = 40);
    void place(const std::vector<Placement>& placements);  // then lays out and computes shadow flags
    uint32_t at(int x, int y) const;                        // colour of the board bitmap

    RecordingHost host;
    App app;
};

constexpr uint32_t sceneBackground = 0x102030;
constexpr uint32_t sceneSides = 0x0080C0;

// Expects the picture to equal tests/fixtures/scenes/NAME.bmp, or rewrites
// that file (see rewritingFixtures).
void expectPicture(const Surface& picture, const std::string& name);

// Two layer-0 tiles side by side and one layer-1 tile across them.
inline const std::vector<Placement> bridge = {{0, 0, 2, 3}, {0, 0, 0, 4}, {1, 0, 1, 40}};

// A heap of 144 tiles in three layers (80, 48 and 16), in painter's order,
// carrying the dealt faces.
std::vector<Placement> threeLayerHeap();
