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

}  // namespace

TEST(PixelRules, DarkeningTakesTheAmountFromEachChannelDownToZero) {
    Surface s = plainSurface(3, 1, 50 | 200 << 8 | 64 << 16);
    darkenPixel(s, 1, 0, 64);
    EXPECT_EQ(colourAt(s, 1, 0), uint32_t(0 | 136 << 8 | 0 << 16));
    EXPECT_EQ(colourAt(s, 0, 0), uint32_t(50 | 200 << 8 | 64 << 16));
    darkenPixel(s, 0, 0, 255);
    EXPECT_EQ(colourAt(s, 0, 0), 0u);
    darkenPixel(s, 2, 0, 0);
    EXPECT_EQ(colourAt(s, 2, 0), uint32_t(50 | 200 << 8 | 64 << 16));
    darkenPixel(s, -1, 0, 64);  // outside: nothing happens
    darkenPixel(s, 3, 0, 64);
    EXPECT_EQ(colourAt(s, 2, 0), uint32_t(50 | 200 << 8 | 64 << 16));
}

TEST(PixelRules, DarkenedSpansAndRectanglesAreClipped) {
    Surface s = plainSurface(4, 3, 0x808080);
    darkenRectangle(s, -2, 1, 4, 5, 0x10);
    EXPECT_EQ(colourAt(s, 0, 0), 0x808080u);
    EXPECT_EQ(colourAt(s, 1, 2), 0x707070u);
    EXPECT_EQ(colourAt(s, 2, 2), 0x808080u);
    darkenSpan(s, 0, 3, 10, 0x80);
    EXPECT_EQ(colourAt(s, 3, 0), 0u);
    for (uint32_t pixel : s.pixels) EXPECT_EQ(pixel >> 24, 0u);
}

TEST(PixelRules, BlendingWeighsEachChannelAndTruncates) {
    EXPECT_EQ(blendColours(0xFFFFFF, 0x123456, 0, 0), 0u);
    EXPECT_EQ(blendColours(0x123456, 0xFFFFFF, 1, 0), 0x123456u);
    EXPECT_EQ(blendColours(0x123456, 0xFFFFFF, 0, 7), 0xFFFFFFu);
    // (10 * 1 + 20 * 2) / 3 = 16; (0 + 255 * 2) / 3 = 170; (255 + 0) / 3 = 85
    EXPECT_EQ(blendColours(0xFF000A, 0x00FF14, 1, 2), uint32_t(16 | 170 << 8 | 85 << 16));
    // Weights as the fade uses them: step 33 of two frames.
    EXPECT_EQ(blendColours(100, 201, 33, 66), 167u);
    // A negative weight may push a channel out of range; it stays in its byte.
    EXPECT_EQ(blendColours(0x0000FF, 0x000000, 2, -1), 0x0000FFu);
    EXPECT_EQ(blendColours(0x000000, 0x0000FF, 2, -1), 0u);
}

TEST(PixelRules, BlendingRectanglesReadsBeforeWritingAndClips) {
    Surface board = plainSurface(3, 2, 0x000064);
    Surface face = plainSurface(2, 2, 0x0000C8);
    blendRectangle(board, 1, 0, face, 0, 0, board, 1, 0, 5, 5, 1, 1);
    EXPECT_EQ(colourAt(board, 0, 0), 0x64u);
    EXPECT_EQ(colourAt(board, 1, 1), 0x96u);
    EXPECT_EQ(colourAt(board, 2, 0), 0x96u);  // face pixel outside its surface reads black
    blendRectangle(board, 0, 1, face, 9, 9, board, 0, 1, 1, 1, 0, 3);  // all of it from outside
    EXPECT_EQ(colourAt(board, 0, 1), 0u);
    blendRectangleWithColour(board, 0, 0, board, 0, 0, 1, 1, 3, 1, 0xFF0000);
    EXPECT_EQ(colourAt(board, 0, 0), uint32_t(0x4B | 0x3F << 16));
}

TEST(PixelRules, InvertingFlipsEveryColourBitInsideTheSurfaceOnly) {
    Surface s = plainSurface(2, 2, 0x0F00F0);
    invertRectangle(s, 1, -1, 4, 2);
    EXPECT_EQ(colourAt(s, 1, 0), 0xF0FF0Fu);
    EXPECT_EQ(colourAt(s, 0, 0), 0x0F00F0u);
    EXPECT_EQ(colourAt(s, 1, 1), 0x0F00F0u);
    EXPECT_EQ(s.pixels[1] >> 24, 0u);
}

TEST(PixelRules, ColoursCrossIntoTheSurfaceOrderAndBack) {
    Surface s = plainSurface(1, 1, 0x0000FF);  // red
    EXPECT_EQ(s.pixels[0], 0xFF0000u);
    EXPECT_EQ(colourAt(s, 0, 0), 0x0000FFu);
    EXPECT_EQ(colourAt(s, 5, 5), 0u);
    putColour(s, 0, 0, 0x123456);
    EXPECT_EQ(s.pixels[0], 0x563412u);
}

// Blending divides without a division instruction; the quotient must still
// truncate exactly, for every channel pair and the weights a fade can use.
TEST(PixelRules, BlendingTruncatesExactlyForEveryChannelPair) {
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

TEST(PixelRules, BlendingWholeRowsAgreesWithBlendingPixelByPixel) {
    Surface a, b;
    resizeSurface(a, 9, 4);
    resizeSurface(b, 9, 4);
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        a.pixels[i] = uint32_t(i * 0x0B1D27) & 0xFFFFFF;
        b.pixels[i] = uint32_t(i * 0x3A0511 + 0x808080) & 0xFFFFFF;
    }
    Surface inside = a, clipped = a;
    blendRectangle(inside, 1, 1, b, 0, 0, inside, 1, 1, 8, 3, 20, 60);
    blendRectangle(clipped, 1, 1, b, 0, 0, clipped, 1, 1, 9, 3, 20, 60);  // one column past the edge
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 9; ++x) {
            const uint32_t expected = blendColours(colourAt(a, x, y), colourAt(b, x - 1, y - 1), 20, 60);
            ASSERT_EQ(colourAt(inside, x, y), expected) << x << "," << y;
            ASSERT_EQ(colourAt(clipped, x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(colourAt(inside, 0, 0), colourAt(a, 0, 0));
}
