#include "view2d/PixelRules.h"

#include <algorithm>

namespace {

// Weights prepared once for a whole rectangle. With both weights at least 0
// a channel's numerator is below 2^24, exact in a float, and the quotient at
// most 255, so the float product with the reciprocal is within a hair of the
// true quotient: one correction step makes the truncation exact. This keeps
// the loops free of divisions, which vector units lack.
struct BlendWeights {
    int weight1;
    int weight2;
    int total;
    float reciprocal;
    bool nonNegative;
};

BlendWeights makeBlendWeights(int16_t weight1, int16_t weight2) {
    BlendWeights w{weight1, weight2, int(weight1) + int(weight2), 0, weight1 >= 0 && weight2 >= 0};
    if (w.total > 0) w.reciprocal = 1.0f / float(w.total);
    return w;
}

int mixChannel(int c1, int c2, const BlendWeights& w) {
    const int numerator = c1 * w.weight1 + c2 * w.weight2;
    if (!w.nonNegative) return std::min(std::max(numerator / w.total, 0), 255);
    int quotient = int(float(numerator) * w.reciprocal);
    const int remainder = numerator - quotient * w.total;
    quotient += int(remainder >= w.total) - int(remainder < 0);
    return quotient;
}

// Channel by channel in place, so it serves either byte order.
uint32_t mixPixels(uint32_t p1, uint32_t p2, const BlendWeights& w) {
    if (w.total == 0) return 0;
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= uint32_t(mixChannel(int((p1 >> shift) & 0xFF), int((p2 >> shift) & 0xFF), w)) << shift;
    return result;
}

uint32_t pixelOrBlack(const Surface& surface, int x, int y) {
    return containsPixel(surface, x, y) ? rowOf(surface, y)[x] : 0;
}

// Clips a span to the surface; false when nothing is left.
bool clipSpan(const Surface& surface, int y, int& x0, int& x1) {
    if (y < 0 || y >= surface.height) return false;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface.width);
    return x0 < x1;
}

// Blends each pixel of a rectangle of `source` with a second pixel chosen
// per offset. Every pixel is read before it is written, so source and target
// may be one surface.
template <typename SecondPixel>
void blendEach(const Surface& source, int xs, int ys, Surface& target, int xt, int yt, int width,
               int height, int16_t weight1, int16_t weight2, SecondPixel secondPixel) {
    const BlendWeights weights = makeBlendWeights(weight1, weight2);
    for (int j = 0; j < height; ++j) {
        int x0 = xt, x1 = xt + width;
        if (!clipSpan(target, yt + j, x0, x1)) continue;
        uint32_t* row = rowOf(target, yt + j);
        for (int x = x0; x < x1; ++x) {
            const int i = x - xt;
            row[x] = mixPixels(pixelOrBlack(source, xs + i, ys + j), secondPixel(i, j), weights);
        }
    }
}

// Two whole rows, byte by byte: every channel alike (the zero top byte stays
// zero), so the compiler can turn the loop into vector code.
void blendBytes(const uint32_t* first, const uint32_t* second, uint32_t* target, int count,
                const BlendWeights& w) {
    const uint8_t* a = reinterpret_cast<const uint8_t*>(first);
    const uint8_t* b = reinterpret_cast<const uint8_t*>(second);
    uint8_t* out = reinterpret_cast<uint8_t*>(target);
    for (size_t k = 0; k < size_t(count) * 4; ++k) out[k] = uint8_t(mixChannel(a[k], b[k], w));
}

bool rowInside(const Surface& surface, int x, int y, int width) {
    return y >= 0 && y < surface.height && x >= 0 && x + width <= surface.width;
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
    return mixPixels(colour1, colour2, makeBlendWeights(weight1, weight2));
}

void blendRectangle(const Surface& source1, int x1, int y1, const Surface& source2, int x2, int y2,
                    Surface& target, int xt, int yt, int width, int height, int16_t weight1,
                    int16_t weight2) {
    const BlendWeights weights = makeBlendWeights(weight1, weight2);
    const bool inside = weights.nonNegative && weights.total > 0 && rowInside(source1, x1, y1, width) &&
                        rowInside(source1, x1, y1 + height - 1, width) && rowInside(source2, x2, y2, width) &&
                        rowInside(source2, x2, y2 + height - 1, width) && rowInside(target, xt, yt, width) &&
                        rowInside(target, xt, yt + height - 1, width);
    if (inside) {
        for (int j = 0; j < height; ++j)
            blendBytes(rowOf(source1, y1 + j) + x1, rowOf(source2, y2 + j) + x2, rowOf(target, yt + j) + xt, width,
                       weights);
        return;
    }
    blendEach(source1, x1, y1, target, xt, yt, width, height, weight1, weight2,
              [&](int i, int j) { return pixelOrBlack(source2, x2 + i, y2 + j); });
}

void blendRectangleWithColour(const Surface& source, int xs, int ys, Surface& target, int xt, int yt,
                              int width, int height, int16_t weight1, int16_t weight2,
                              uint32_t colour) {
    blendEach(source, xs, ys, target, xt, yt, width, height, weight1, weight2,
              [pixel = pixelFromColour(colour)](int, int) { return pixel; });
}

void invertRectangle(Surface& surface, int x, int y, int width, int height) {
    for (int j = 0; j < height; ++j) {
        int x0 = x, x1 = x + width;
        if (!clipSpan(surface, y + j, x0, x1)) continue;
        uint32_t* row = rowOf(surface, y + j);
        for (int i = x0; i < x1; ++i) row[i] ^= 0xFFFFFF;
    }
}
