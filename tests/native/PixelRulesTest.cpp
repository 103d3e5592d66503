#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "view2d/PixelRules.h"

namespace {

Surface plainSurface(int width, int height, uint32_t colour) {
    Surface s;
    resizeSurface(s, width, height);
    fillRectangle(s, 0, 0, width, height, colour);
    return s;
}

std::vector<uint32_t> coloursOf(const Surface& s) {
    std::vector<uint32_t> colours;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) colours.push_back(colourAt(s, x, y));
    return colours;
}

}  // namespace

// Colours are 0x00BBGGRR; the surface holds 0x00RRGGBB.
TEST(PixelRules, DarkeningInvertingAndColoursClipToTheSurface) {
    Surface s = plainSurface(4, 3, 50 | 200 << 8 | 64 << 16);
    EXPECT_EQ(s.pixels[0], uint32_t(64 | 200 << 8 | 50 << 16));
    darkenPixel(s, 1, 0, 64);       // each channel down to no less than zero
    darkenPixel(s, 0, 0, 255);
    darkenPixel(s, 2, 0, 0);
    darkenPixel(s, -1, 0, 64);      // outside: nothing happens
    darkenPixel(s, 4, 0, 64);
    darkenRectangle(s, -2, 1, 4, 5, 0x10);
    darkenSpan(s, 2, 2, 10, 0x80);
    invertRectangle(s, 3, -1, 4, 2);
    putColour(s, 3, 1, 0x123456);
    const uint32_t c = 50 | 200 << 8 | 64 << 16, d = 34 | 184 << 8 | 48 << 16;
    EXPECT_EQ(coloursOf(s), (std::vector<uint32_t>{0, 136 << 8, c, ~c & 0xFFFFFF,  //
                                                   d, d, c, 0x123456,              //
                                                   d, d, 72 << 8, 72 << 8}));
    for (uint32_t pixel : s.pixels) EXPECT_EQ(pixel >> 24, 0u);
    EXPECT_EQ(colourAt(s, 5, 5), 0u);
}

TEST(PixelRules, BlendingWeighsEachChannelAndTruncates) {
    EXPECT_EQ(blendColours(0xFFFFFF, 0x123456, 0, 0), 0u);
    EXPECT_EQ(blendColours(0x123456, 0xFFFFFF, 1, 0), 0x123456u);
    EXPECT_EQ(blendColours(0x123456, 0xFFFFFF, 0, 7), 0xFFFFFFu);
    // (10 * 1 + 20 * 2) / 3 = 16; (0 + 255 * 2) / 3 = 170; (255 + 0) / 3 = 85
    EXPECT_EQ(blendColours(0xFF000A, 0x00FF14, 1, 2), uint32_t(16 | 170 << 8 | 85 << 16));
    // A negative weight may push a channel out of range; it stays in its byte.
    EXPECT_EQ(blendColours(0x0000FF, 0x000000, 2, -1), 0x0000FFu);
    EXPECT_EQ(blendColours(0x000000, 0x0000FF, 2, -1), 0u);
    // Blending divides without a division instruction; the quotient must
    // still truncate exactly, for every channel pair and the weights a fade can use.
    const std::vector<std::pair<int16_t, int16_t>> weights = {
        {1, 98}, {33, 66}, {49, 49}, {20, 21}, {1, 40}, {97, 3}, {7, 0}, {255, 1}, {32767, 32767}, {1, 32766}, {12345, 3}};
    for (const auto& w : weights)
        for (int c1 = 0; c1 < 256; ++c1)
            for (int c2 = 0; c2 < 256; ++c2) {
                const int expected = (c1 * w.first + c2 * w.second) / (w.first + w.second);
                ASSERT_EQ(blendColours(uint32_t(c1) << 8, uint32_t(c2) << 8, w.first, w.second), uint32_t(expected) << 8)
                    << c1 << " " << c2 << " weights " << w.first << "/" << w.second;
            }
}

// A face pixel outside its surface reads as black.
TEST(PixelRules, BlendingRectanglesAgreesWithBlendingPixelByPixelAndClips) {
    Surface a, b;
    resizeSurface(a, 9, 4);
    resizeSurface(b, 9, 4);
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        a.pixels[i] = uint32_t(i * 0x0B1D27) & 0xFFFFFF;
        b.pixels[i] = uint32_t(i * 0x3A0511 + 0x808080) & 0xFFFFFF;
    }
    Surface inside = a, clipped = a, top = a, fromTop = a;
    blendRectangle(inside, 1, 1, b, 0, 0, inside, 1, 1, 8, 3, 20, 60);
    blendRectangle(clipped, 1, 1, b, 0, 0, clipped, 1, 1, 9, 3, 20, 60);  // one column past the edge
    top.height = 3;  // the first source ends one row early
    top.pixels.resize(27);
    blendRectangle(top, 1, 1, b, 0, 0, fromTop, 1, 1, 8, 3, 20, 60);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 9; ++x) {
            const uint32_t expected = blendColours(colourAt(a, x, y), colourAt(b, x - 1, y - 1), 20, 60);
            ASSERT_EQ(colourAt(inside, x, y), expected) << x << "," << y;
            ASSERT_EQ(colourAt(clipped, x, y), expected) << x << "," << y;
            ASSERT_EQ(colourAt(fromTop, x, y), blendColours(colourAt(top, x, y), colourAt(b, x - 1, y - 1), 20, 60));
        }
    EXPECT_EQ(colourAt(inside, 0, 0), colourAt(a, 0, 0));
    Surface board = plainSurface(3, 2, 0x000064);
    blendRectangle(board, 1, 0, plainSurface(2, 2, 0x0000C8), 0, 0, board, 1, 0, 5, 5, 1, 1);
    blendRectangle(board, 0, 1, b, 9, 9, board, 0, 1, 1, 1, 0, 3);
    blendRectangleWithColour(board, 0, 0, board, 0, 0, 1, 1, 3, 1, 0xFF0000);
    EXPECT_EQ(coloursOf(board), (std::vector<uint32_t>{0x4B | 0x3F << 16, 0x96, 0x96, 0, 0x96, 0x96}));
}
