#include "view2d/PixelRules.h"

#include <algorithm>

namespace {

int clampChannel(int value) { return std::min(std::max(value, 0), 255); }

int channelOf(uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); }

// Clips a span to the surface; false when nothing is left.
bool clipSpan(const Surface& surface, int y, int& x0, int& x1) {
    if (y < 0 || y >= surface.height) return false;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface.width);
    return x0 < x1;
}

// Blends each pixel of a rectangle of `source` with a second colour chosen
// per offset. Every pixel is read before it is written, so source and target
// may be one surface.
template <typename SecondColour>
void blendEach(const Surface& source, int xs, int ys, Surface& target, int xt, int yt, int width,
               int height, int16_t weight1, int16_t weight2, SecondColour secondColour) {
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            if (!containsPixel(target, xt + i, yt + j)) continue;
            const uint32_t mixed =
                blendColours(colourAt(source, xs + i, ys + j), secondColour(i, j), weight1, weight2);
            putColour(target, xt + i, yt + j, mixed);
        }
}

}  // namespace

void darkenSpan(Surface& surface, int y, int x0, int x1, uint8_t amount) {
    if (!clipSpan(surface, y, x0, x1)) return;
    // Byte by byte over the whole run: the zero top byte stays zero, and the
    // loop becomes one saturating subtraction per vector.
    uint8_t* bytes = reinterpret_cast<uint8_t*>(rowOf(surface, y) + x0);
    const size_t count = size_t(x1 - x0) * 4;
    for (size_t i = 0; i < count; ++i) bytes[i] = bytes[i] > amount ? uint8_t(bytes[i] - amount) : 0;
}

void darkenPixel(Surface& surface, int x, int y, uint8_t amount) { darkenSpan(surface, y, x, x + 1, amount); }

void darkenRectangle(Surface& surface, int x, int y, int width, int height, uint8_t amount) {
    for (int j = 0; j < height; ++j) darkenSpan(surface, y + j, x, x + width, amount);
}

uint32_t blendColours(uint32_t colour1, uint32_t colour2, int16_t weight1, int16_t weight2) {
    const int total = int(weight1) + int(weight2);
    if (total == 0) return 0;
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int mixed = (channelOf(colour1, shift) * weight1 + channelOf(colour2, shift) * weight2) / total;
        result |= uint32_t(clampChannel(mixed)) << shift;
    }
    return result;
}

void blendRectangle(const Surface& source1, int x1, int y1, const Surface& source2, int x2, int y2,
                    Surface& target, int xt, int yt, int width, int height, int16_t weight1,
                    int16_t weight2) {
    blendEach(source1, x1, y1, target, xt, yt, width, height, weight1, weight2,
              [&](int i, int j) { return colourAt(source2, x2 + i, y2 + j); });
}

void blendRectangleWithColour(const Surface& source, int xs, int ys, Surface& target, int xt, int yt,
                              int width, int height, int16_t weight1, int16_t weight2,
                              uint32_t colour) {
    blendEach(source, xs, ys, target, xt, yt, width, height, weight1, weight2,
              [colour](int, int) { return colour; });
}

void invertRectangle(Surface& surface, int x, int y, int width, int height) {
    for (int j = 0; j < height; ++j) {
        int x0 = x, x1 = x + width;
        if (!clipSpan(surface, y + j, x0, x1)) continue;
        uint32_t* row = rowOf(surface, y + j);
        for (int i = x0; i < x1; ++i) row[i] ^= 0xFFFFFF;
    }
}
