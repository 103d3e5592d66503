// A 32-bit pixel surface in memory, laid out like a top-down Windows 32-bit
// DIB (each pixel 0x00RRGGBB, i.e. bytes B, G, R, 0), so the shell can show a
// finished frame with one copy. Colours handed in and out of the view use the
// platform's COLORREF order instead (red in the low byte).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // row-major, top row first
};

void resizeSurface(Surface& surface, int width, int height);
void releaseSurface(Surface& surface);

inline bool isEmpty(const Surface& surface) { return surface.width <= 0 || surface.height <= 0; }

inline uint32_t* rowOf(Surface& surface, int y) { return surface.pixels.data() + size_t(y) * surface.width; }
inline const uint32_t* rowOf(const Surface& surface, int y) {
    return surface.pixels.data() + size_t(y) * surface.width;
}

inline bool containsPixel(const Surface& surface, int x, int y) {
    return x >= 0 && y >= 0 && x < surface.width && y < surface.height;
}

// Red and blue trade places between the two orders; the conversion is its own inverse.
inline uint32_t swapRedBlue(uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
inline uint32_t pixelFromColour(uint32_t colourRef) { return swapRedBlue(colourRef); }
inline uint32_t colourFromPixel(uint32_t pixel) { return swapRedBlue(pixel); }

// The pixel's colour in COLORREF order; black outside the surface.
uint32_t colourAt(const Surface& surface, int x, int y);
// Writes a COLORREF colour; a point outside the surface is ignored.
void putColour(Surface& surface, int x, int y, uint32_t colourRef);

// Fills the rectangle, clipped to the surface.
void fillRectangle(Surface& surface, int x, int y, int width, int height, uint32_t colourRef);

// Copies a width x height block from (sx, sy) of `source` to (tx, ty) of
// `target`; whatever falls outside either surface is left out.
void copyRectangle(const Surface& source, int sx, int sy, Surface& target, int tx, int ty, int width,
                   int height);
