#include "view2d/Surface.h"

#include <algorithm>
#include <cstring>

void resizeSurface(Surface& surface, int width, int height) {
    surface.width = std::max(width, 0);
    surface.height = std::max(height, 0);
    surface.pixels.assign(size_t(surface.width) * surface.height, 0);
}

void releaseSurface(Surface& surface) {
    surface.width = 0;
    surface.height = 0;
    surface.pixels.clear();
    surface.pixels.shrink_to_fit();
}

uint32_t colourAt(const Surface& surface, int x, int y) {
    if (!containsPixel(surface, x, y)) return 0;
    return colourFromPixel(rowOf(surface, y)[x]);
}

void putColour(Surface& surface, int x, int y, uint32_t colourRef) {
    if (containsPixel(surface, x, y)) rowOf(surface, y)[x] = pixelFromColour(colourRef);
}

void fillRectangle(Surface& surface, int x, int y, int width, int height, uint32_t colourRef) {
    const int x0 = std::max(x, 0), x1 = std::min(x + width, surface.width);
    const int y0 = std::max(y, 0), y1 = std::min(y + height, surface.height);
    if (x0 >= x1) return;
    const uint32_t pixel = pixelFromColour(colourRef);
    for (int row = y0; row < y1; ++row) std::fill(rowOf(surface, row) + x0, rowOf(surface, row) + x1, pixel);
}

void copyRectangle(const Surface& source, int sx, int sy, Surface& target, int tx, int ty, int width,
                   int height) {
    // Shrink the block until both its source and its target lie inside their surfaces.
    const int left = std::max({0, -sx, -tx});
    const int top = std::max({0, -sy, -ty});
    const int right = std::min({width, source.width - sx, target.width - tx});
    const int bottom = std::min({height, source.height - sy, target.height - ty});
    if (left >= right) return;
    for (int j = top; j < bottom; ++j)
        std::memcpy(rowOf(target, ty + j) + tx + left, rowOf(source, sy + j) + sx + left,
                    size_t(right - left) * sizeof(uint32_t));
}
