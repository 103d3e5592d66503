#include "view2d/TileLook.h"

#include "view2d/PixelRules.h"

void drawSolidSides(Surface& surface, const TileBox& box, uint32_t sidesColour) {
    forEachSideSpan(box, [&](int y, int x0, int x1, bool outline) {
        fillRectangle(surface, x0, y, x1 - x0, 1, outline ? 0 : sidesColour);
    });
}

void drawBlendedSides(Surface& surface, const TileBox& box, uint32_t sidesColour, int16_t weight1,
                      int16_t weight2) {
    forEachSideSpan(box, [&](int y, int x0, int x1, bool outline) {
        blendRectangleWithColour(surface, x0, y, surface, x0, y, x1 - x0, 1, weight1, weight2,
                                 outline ? 0 : sidesColour);
    });
}

void fadeFace(Surface& board, const TileBox& box, const Surface& tileSetImage, int faceX, int faceY,
              int16_t weight1, int16_t weight2) {
    blendRectangle(board, box.x, box.y, tileSetImage, faceX, faceY, board, box.x, box.y, box.width, box.height,
                   weight1, weight2);
}

void applySelectedLook(Surface& surface, const TileBox& box, uint8_t selectMode, uint8_t shadowsValue) {
    if (selectMode == selectDarker) darkenRectangle(surface, box.x, box.y, box.width, box.height, shadowsValue);
    else invertRectangle(surface, box.x, box.y, box.width, box.height);
}
