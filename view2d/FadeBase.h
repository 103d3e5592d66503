// A fade redraws one board many times over with only the fading pair
// changing. Everything whose order against the pair does not matter is
// composed once into a base; each fade frame copies the base and draws only
// the pair and the tiles that overlap it, transitively, in painter's order.
// While the board bitmap holds a frame of the fade, the next one only puts
// back the base where those tiles lie.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/BoardModel.h"
#include "view2d/Surface.h"

struct BoardView;
struct Scene2D;

// The pixels x0 <= x < x1, y0 <= y < y1.
struct PixelBox {
    int x0, y0, x1, y1;
};

struct FadeBase {
    Surface pixels;          // background and every tile not in `tail`
    std::vector<int> tail;   // the pair and what must be drawn after it, in order
    std::vector<PixelBox> tailBoxes;  // every pixel each of them may touch
    bool onBoard = false;    // the board bitmap holds the base with the tail drawn over it
    int fadingA = noTile;    // the pair it was made for; noTile when there is none
    int fadingB = noTile;
};

// Composes the base for a fade of tiles a and b; it serves until dropped.
void keepFadeBase(const Scene2D& scene, int fadingA, int fadingB);
void dropFadeBase(BoardView& view);

// Composes a frame of the kept fade into the board bitmap; false (nothing
// drawn) when the base was made for another pair or another board area.
bool composeFromFadeBase(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2);
