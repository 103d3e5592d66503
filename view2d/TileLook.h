// One tile's look: its face, the two sides that give it thickness (seen from
// the lower left), their black outline, the selected look and the fade.
#pragma once

#include <cstdint>

#include "view2d/Surface.h"

// Where one tile's face lies and how thick its sides are.
struct TileBox {
    int x;
    int y;
    int width;
    int height;
    int edge;  // side thickness, |edgeX|
};

// The pixels of the sides as row spans [x0, x1), in drawing order: lower
// side, left side, the upper corner of the left side, the right end of the
// lower side (outline false), then the black outline (outline true). A pixel
// may come twice; each visit counts.
template <typename Visit>
void forEachSideSpan(const TileBox& b, Visit visit) {
    const int x = b.x, y = b.y, w = b.width, h = b.height, e = b.edge;
    for (int py = y + h; py < y + h + e; ++py) visit(py, x - e, x - e + w, false);
    for (int py = y + e; py < y + h; ++py) visit(py, x - e, x, false);
    for (int i = 1; i < e; ++i) visit(y + i, x - i, x, false);  // row y + i reaches i pixels left
    for (int k = 0; k + 1 < e; ++k) visit(y + h + k, x + w - e, x + w - 1 - k, false);
    for (int i = 1; i < e; ++i) visit(y + i, x - i, x - i + 1, true);
    for (int py = y + e; py < y + e + h; ++py) visit(py, x - e, x - e + 1, true);
    visit(y + h + e - 1, x - e, x - e + w, true);
    for (int j = 0; j < e; ++j) visit(y + h + j, x + w - 1 - j, x + w - j, true);
}

// Sides in the sides' colour, outline in black (colours in COLORREF order).
void drawSolidSides(Surface& surface, const TileBox& box, uint32_t sidesColour);
// The same pixels blended with what is there: sides with the sides' colour,
// outline with black, the pixel already there taking weight1.
void drawBlendedSides(Surface& surface, const TileBox& box, uint32_t sidesColour, int16_t weight1,
                      int16_t weight2);
// The face blended into the board: the board's pixels take weight1, the
// face's pixels (at faceX, faceY of the prepared tile set) weight2.
void fadeFace(Surface& board, const TileBox& box, const Surface& tileSetImage, int faceX, int faceY,
              int16_t weight1, int16_t weight2);

constexpr uint8_t selectDarker = 1;  // SelectMode "DARKER"; 0 is "INVERT"

// The selected look over a face just copied: darkened by `shadowsValue`, or inverted.
void applySelectedLook(Surface& surface, const TileBox& box, uint8_t selectMode, uint8_t shadowsValue);
