#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "TestFiles.h"
#include "view2d/Bitmap.h"
#include "view2d/BitmapWriter.h"

namespace {

void put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// A BMP file assembled field by field: headers, palette (B, G, R, 0 each),
// optional masks after a 40-byte header, then the rows as given.
struct BmpShape {
    int width = 2;
    int height = 2;  // negative: top-down
    int depth = 24;
    uint32_t infoSize = 40;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB
    std::vector<uint32_t> masks;    // red, green, blue
    std::vector<uint8_t> rows;      // already padded
};

std::vector<uint8_t> buildBmp(const BmpShape& s) {
    const size_t tables = s.palette.size() * 4 + (s.infoSize == 40 ? s.masks.size() * 4 : 0);
    const size_t offset = 14 + s.infoSize + tables;
    std::vector<uint8_t> b(offset + s.rows.size(), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(b.size()));
    put32(b, 10, uint32_t(offset));
    put32(b, 14, s.infoSize);
    put32(b, 18, uint32_t(s.width));
    put32(b, 22, uint32_t(s.height));
    put16(b, 26, 1);
    put16(b, 28, uint32_t(s.depth));
    put32(b, 30, s.compression);
    put32(b, 46, s.coloursUsed);
    size_t at = 14 + s.infoSize;
    if (s.infoSize == 40)
        for (uint32_t m : s.masks) put32(b, (at += 4) - 4, m);
    else
        for (size_t i = 0; i < s.masks.size(); ++i) put32(b, 54 + 4 * i, s.masks[i]);
    for (uint32_t c : s.palette) put32(b, (at += 4) - 4, c);
    std::copy(s.rows.begin(), s.rows.end(), b.begin() + long(offset));
    return b;
}

bool decode(const std::vector<uint8_t>& bytes, Surface& picture) {
    return decodeBitmap(bytes.data(), bytes.size(), picture);
}

// 2 x 2 at 24 bits, bottom row first: bottom = red, green; top = blue, white.
BmpShape twoByTwo() {
    BmpShape s;
    s.rows = {0, 0, 255, 0, 255, 0, 0, 0,     // bottom row + 2 bytes of padding
              255, 0, 0, 255, 255, 255, 0, 0};  // top row
    return s;
}

}  // namespace

namespace {

// One row of indexed pixels, read back as colours.
std::vector<uint32_t> indexedRow(int width, int depth, uint32_t coloursUsed, std::vector<uint32_t> palette,
                                 std::vector<uint8_t> row) {
    BmpShape s;
    s.width = width;
    s.height = 1;
    s.depth = depth;
    s.coloursUsed = coloursUsed;
    s.palette = std::move(palette);
    s.rows = std::move(row);
    Surface p;
    EXPECT_TRUE(decode(buildBmp(s), p));
    std::vector<uint32_t> colours;
    for (int x = 0; x < p.width; ++x) colours.push_back(colourAt(p, x, 0));
    return colours;
}

}  // namespace

TEST(Bitmap, IndexedPixelsUseThePaletteAtEveryDepth) {
    const uint32_t k = 0, r = 0x0000FF, g = 0x00FF00, b = 0xFF0000;  // as colours
    // Palette entries are written 0x00RRGGBB; bits are read from the high end of each byte.
    EXPECT_EQ(indexedRow(10, 1, 0, {0, 0xFF0000}, {0xA0, 0x40, 0, 0}),
              (std::vector<uint32_t>{r, k, r, k, k, k, k, k, k, r}));
    EXPECT_EQ(indexedRow(3, 4, 3, {0, 0x00FF00, 0x0000FF}, {0x12, 0x00, 0, 0}),
              (std::vector<uint32_t>{g, b, k}));
    // Index 7 lies past the two declared colours: black.
    EXPECT_EQ(indexedRow(2, 8, 2, {0xFF0000, 0x123456}, {1, 7, 0, 0}), (std::vector<uint32_t>{0x563412u, k}));
}

TEST(Bitmap, ThirtyTwoBitPlainAndBitFields) {
    BmpShape plain;
    plain.width = 1;
    plain.height = 1;
    plain.depth = 32;
    plain.rows = {0x10, 0x20, 0x30, 0xFF};  // the fourth byte is ignored
    Surface p;
    ASSERT_TRUE(decode(buildBmp(plain), p));
    EXPECT_EQ(colourAt(p, 0, 0), 0x102030u);

    // Red in the low byte, blue in the third: the order of RGBA files.
    BmpShape fields = plain;
    fields.compression = 3;
    fields.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    ASSERT_TRUE(decode(buildBmp(fields), p));
    EXPECT_EQ(colourAt(p, 0, 0), 0x302010u);

    // Narrow channels are scaled up to the full 0..255 range.
    fields.masks = {0x00000003, 0x0000000C, 0x000000F0};
    fields.rows = {0xF3, 0, 0, 0};  // red 3 of 3, green 0, blue 15 of 15
    ASSERT_TRUE(decode(buildBmp(fields), p));
    EXPECT_EQ(colourAt(p, 0, 0), 0xFF00FFu);
}

TEST(Bitmap, SixteenBitPixelsAreFiveFiveFiveOrTheirMasks) {
    BmpShape s;
    s.width = 3;  // 6 bytes a row, padded to 8
    s.height = 1;
    s.depth = 16;
    // Red 31, green 16, blue 1; the top bit is unused. Then white, and black.
    s.rows = {0x01, 0xFE, 0xFF, 0x7F, 0, 0, 0xFF, 0xFF};
    Surface p;
    ASSERT_TRUE(decode(buildBmp(s), p));
    EXPECT_EQ(colourAt(p, 0, 0), 0x0883FFu);
    EXPECT_EQ(colourAt(p, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(colourAt(p, 2, 0), 0u);
    // 5-6-5: red 1 of 31, green 63 of 63, blue 30 of 31.
    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.rows = {0xFE, 0x0F, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(decode(buildBmp(s), p));
    EXPECT_EQ(colourAt(p, 0, 0), 0xF6FF08u);
    EXPECT_EQ(colourAt(p, 1, 0), 0u);
}

// The bitmap fuzzer's seeds (made by fuzz/make-corpus.py) are one 3 x 2
// picture of six colours, top row first, in every depth, header size and row
// order the reader accepts: each must read as that picture.
TEST(Bitmap, EverySeedOfTheFuzzerReadsAsItsPicture) {
    const uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000, brown = 0x204080;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TAVREK_SOURCE_DIR) + "/fuzz/corpus/bitmap")) {
        const std::string name = entry.path().filename().string();
        std::vector<uint32_t> expected = {red, green, blue, 0xFFFFFF, 0, brown};
        if (name == "depth-1.bmp") expected = {red, green, red, green, red, green};  // two colours
        if (name.find("555") != std::string::npos) expected[5] = 0x204183;  // five bits a channel
        if (name.find("fields") != std::string::npos && name != "depth-32-fields.bmp") expected[5] = 0x204083;
        Surface p;
        ASSERT_TRUE(readBitmapFile(entry.path().string(), p)) << name;
        ASSERT_EQ(p.width, 3) << name;
        ASSERT_EQ(p.height, 2) << name;
        std::vector<uint32_t> colours;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) colours.push_back(colourAt(p, x, y));
        EXPECT_EQ(colours, expected) << name;
        ++seeds;
    }
    EXPECT_EQ(seeds, 17);
}

TEST(Bitmap, EveryTruncationOfAGoodFileIsRefused) {
    const std::vector<uint8_t> whole = buildBmp(twoByTwo());
    Surface p;
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + long(length));
        EXPECT_FALSE(decode(cut, p)) << length;
        EXPECT_EQ((std::vector<int>{p.width, p.height}), (std::vector<int>{0, 0})) << length;
    }
    EXPECT_FALSE(decodeBitmap(nullptr, 0, p));
}

TEST(Bitmap, DamagedHeadersAreRefused) {
    auto refused = [](std::vector<uint8_t> bytes, size_t at, uint32_t value, int width) {
        if (width == 2) put16(bytes, at, value);
        else put32(bytes, at, value);
        Surface p;
        return !decode(bytes, p) && isEmpty(p);
    };
    const std::vector<uint8_t> good = buildBmp(twoByTwo());
    EXPECT_TRUE(refused(good, 0, 'B' | 'A' << 8, 2));  // not "BM"
    EXPECT_TRUE(refused(good, 10, 10000, 4));          // pixels past the end
    EXPECT_TRUE(refused(good, 10, 20, 4));             // pixels inside the header
    EXPECT_TRUE(refused(good, 14, 12, 4));             // an OS/2 core header
    EXPECT_TRUE(refused(good, 14, 0xFFFFFFF0, 4));     // header size past the end
    EXPECT_TRUE(refused(good, 18, 0, 4));              // no width
    EXPECT_TRUE(refused(good, 18, 0xFFFFFFFE, 4));     // negative width
    EXPECT_TRUE(refused(good, 18, 16385, 4));          // too wide
    EXPECT_TRUE(refused(good, 22, 0, 4));              // no height
    EXPECT_TRUE(refused(good, 22, 0x80000000, 4));     // a height that cannot be negated
    EXPECT_TRUE(refused(good, 22, uint32_t(-16385), 4));
    EXPECT_TRUE(refused(good, 26, 2, 2));   // two planes
    EXPECT_TRUE(refused(good, 28, 2, 2));   // 2 bits per pixel
    EXPECT_TRUE(refused(good, 28, 7, 2));
    EXPECT_TRUE(refused(good, 30, 1, 4));  // run-length encoded
    EXPECT_TRUE(refused(good, 30, 3, 4));  // bit fields at 24 bits
    // A large picture whose pixel data is missing is refused before it is allocated.
    std::vector<uint8_t> big = good;
    put32(big, 18, 16384);
    put32(big, 22, 16384);
    EXPECT_TRUE(refused(big, 26, 1, 2));
}

TEST(Bitmap, PalettesThatDoNotFitAreRefused) {
    BmpShape s;
    s.width = 1;
    s.height = 1;
    s.depth = 4;
    s.palette = std::vector<uint32_t>(16, 0x808080);
    s.rows = {0, 0, 0, 0};
    Surface p;
    ASSERT_TRUE(decode(buildBmp(s), p));
    s.coloursUsed = 17;  // more than four bits can index
    EXPECT_FALSE(decode(buildBmp(s), p));
    s.coloursUsed = 0;
    s.palette.resize(8);  // 16 colours implied, room for 8
    EXPECT_FALSE(decode(buildBmp(s), p));
}

TEST(Bitmap, MasksMustBeOneRunOfBits) {
    BmpShape s;
    s.width = 1;
    s.height = 1;
    s.depth = 32;
    s.compression = 3;
    s.masks = {0x00FF00FF, 0x0000FF00, 0x00FF0000};
    s.rows = {0, 0, 0, 0};
    Surface p;
    EXPECT_FALSE(decode(buildBmp(s), p));
    s.masks = {0x00FF0000, 0x0000FF00};  // the third mask would lie in the pixel data
    EXPECT_FALSE(decode(buildBmp(s), p));
}

TEST(Bitmap, ReadingAFileReplacesTheSlotOrEmptiesIt) {
    ScratchDirectory scratch;
    const std::string good = scratch.write("GOOD.BMP", buildBmp(twoByTwo()));
    const std::string bad = scratch.write("BAD.BMP", std::string("BM not a picture"));
    Surface slot;
    ASSERT_TRUE(readBitmapFile(good, slot));
    EXPECT_EQ(slot.width, 2);
    EXPECT_FALSE(readBitmapFile(bad, slot));
    EXPECT_TRUE(isEmpty(slot));
    ASSERT_TRUE(readBitmapFile(good, slot));
    EXPECT_FALSE(readBitmapFile(scratch.path + "/MISSING.BMP", slot));
    EXPECT_TRUE(isEmpty(slot));
}

TEST(Bitmap, WrittenPicturesReadBackTheSame) {
    Surface picture;
    resizeSurface(picture, 5, 3);  // 15 bytes a row: padded to 16
    for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = uint32_t(i * 0x0A0B0C + 0x010203) & 0xFFFFFF;
    const std::vector<uint8_t> bytes = encodeBitmap(picture);
    EXPECT_EQ(bytes.size(), 54u + 16 * 3);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(bytes[54], uint8_t(picture.pixels[10]));  // the bottom row comes first, blue byte first
    Surface back;
    ASSERT_TRUE(decode(bytes, back));
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.pixels, picture.pixels);
    ScratchDirectory scratch;
    const std::string path = scratch.path + "/OUT.BMP";
    ASSERT_TRUE(writeBitmapFile(path, picture));
    ASSERT_TRUE(readBitmapFile(path, back));
    EXPECT_EQ(back.pixels, picture.pixels);
    EXPECT_FALSE(writeBitmapFile(scratch.path + "/missing/OUT.BMP", picture));
    resizeSurface(picture, 4, 1);  // 12 bytes a row: no padding
    EXPECT_EQ(encodeBitmap(picture).size(), 54u + 12);
}
