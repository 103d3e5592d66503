#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "view2d/Bitmap.h"
#include "view2d/BitmapWriter.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Colours = std::vector<uint32_t>;

// The bitmap fuzzer's seeds (made by fuzz/make-corpus.py) are one 3 x 2
// picture of six colours, top row first, in every depth, header size and row
// order the reader accepts.
const std::string seeds = std::string(TAVREK_SOURCE_DIR) + "/fuzz/corpus/bitmap/";
constexpr uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000, white = 0xFFFFFF, brown = 0x204080;

// A seed with `bytes` bytes at `at` set to `value`, little-endian.
Bytes patched(const std::string& seed, size_t at = 0, int bytes = 0, uint64_t value = 0) {
    const std::string text = readText(seeds + seed);
    Bytes b(text.begin(), text.end());
    for (int k = 0; k < bytes; ++k) b[at + size_t(k)] = uint8_t(value >> 8 * k);
    return b;
}

// Width, height, then the colours row by row; nothing when refused, which
// must leave no picture.
Colours decoded(const Bytes& bytes) {
    Surface p;
    resizeSurface(p, 1, 1);
    if (!decodeBitmap(bytes.data(), bytes.size(), p)) return Colours(size_t(isEmpty(p) ? 0 : 1), 0xBAD);
    Colours c = {uint32_t(p.width), uint32_t(p.height)};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) c.push_back(colourAt(p, x, y));
    return c;
}

}  // namespace

TEST(Bitmap, EverySeedOfTheFuzzerReadsAsItsPicture) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".bmp") continue;  // what fuzz runs found, named by digest
        Colours expected = {3, 2, red, green, blue, white, 0, brown};
        if (name == "depth-1.bmp") expected = {3, 2, red, green, red, green, red, green};  // two colours
        if (name.find("555") != std::string::npos) expected[7] = 0x204183;  // five bits a channel
        if (name.find("fields") != std::string::npos && name != "depth-32-fields.bmp") expected[7] = 0x204083;
        EXPECT_EQ(decoded(patched(name)), expected) << name;
        ++count;
    }
    EXPECT_EQ(count, 17);
}

TEST(Bitmap, FieldsThatChangeWhatIsRead) {
    // Indices past the two colours the file declares read as black.
    EXPECT_EQ(decoded(patched("depth-8.bmp", 46, 4, 2)), (Colours{3, 2, red, green, 0, 0, 0, 0}));
    // The fourth byte of a 32-bit pixel, and the top bit of a 5-5-5 one, are unused.
    EXPECT_EQ(decoded(patched("depth-32.bmp", 57, 1, 0xFF)), decoded(patched("depth-32.bmp")));
    EXPECT_EQ(decoded(patched("depth-555.bmp", 55, 1, 0xFF)), decoded(patched("depth-555.bmp")));
    // One pixel wide: each row is the first four bytes of a 32-bit row, bottom row first.
    EXPECT_EQ(decoded(patched("depth-32.bmp", 18, 4, 1)), (Colours{1, 2, 0, white}));
}

TEST(Bitmap, DamagedFilesAreRefused) {
    const struct {
        const char* seed;
        size_t at;
        int bytes;
        uint64_t value;
    } damages[] = {
        {"depth-24.bmp", 0, 2, 'B' | 'A' << 8},                 // not "BM"
        {"depth-24.bmp", 10, 4, 10000}, {"depth-24.bmp", 10, 4, 20},  // pixels past the end, inside the header
        {"depth-24.bmp", 14, 4, 12},                            // an OS/2 core header
        {"depth-24.bmp", 14, 4, 0xFFFFFFF0},                    // header size past the end
        {"depth-24.bmp", 18, 4, 0}, {"depth-24.bmp", 18, 4, 0xFFFFFFFE}, {"depth-24.bmp", 18, 4, 16385},
        {"depth-24.bmp", 22, 4, 0}, {"depth-24.bmp", 22, 4, 0x80000000}, {"depth-24.bmp", 22, 4, uint32_t(-16385)},
        {"depth-24.bmp", 26, 2, 2},                             // two planes
        {"depth-24.bmp", 28, 2, 2}, {"depth-24.bmp", 28, 2, 7},  // bits per pixel
        {"depth-24.bmp", 30, 4, 1}, {"depth-24.bmp", 30, 4, 3},  // run-length, bit fields at 24 bits
        // A large picture whose pixel data is missing is refused before it is allocated.
        {"depth-24.bmp", 18, 8, 0x0000400000004000ull},
        {"depth-4.bmp", 46, 4, 17},                 // more colours than four bits can index
        {"depth-4.bmp", 46, 4, 0},                  // 16 colours implied, room for 6
        {"depth-32-fields.bmp", 54, 4, 0x00FF00FF},  // a mask must be one run of bits
        {"depth-32-fields.bmp", 10, 4, 62},          // the third mask would lie in the pixel data
    };
    for (const auto& d : damages)
        EXPECT_EQ(decoded(patched(d.seed, d.at, d.bytes, d.value)), Colours{}) << d.seed << " at " << d.at;
    const Bytes whole = patched("depth-24.bmp");
    for (size_t length = 0; length < whole.size(); ++length)
        EXPECT_EQ(decoded(Bytes(whole.begin(), whole.begin() + long(length))), Colours{}) << length;
    Surface p;
    EXPECT_FALSE(decodeBitmap(nullptr, 0, p));
}

TEST(Bitmap, FilesAreWrittenPaddedAndReadBackOrEmptyTheSlot) {
    Surface picture, back;
    resizeSurface(picture, 5, 3);  // 15 bytes a row: padded to 16
    for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = uint32_t(i * 0x0A0B0C + 0x010203) & 0xFFFFFF;
    const Bytes bytes = encodeBitmap(picture);
    EXPECT_EQ(bytes.size(), 54u + 16 * 3);
    EXPECT_EQ(bytes[54], uint8_t(picture.pixels[10]));  // the bottom row comes first, blue byte first
    ScratchDirectory scratch;
    const std::string path = scratch.path + "/OUT.BMP";
    ASSERT_TRUE(writeBitmapFile(path, picture));
    ASSERT_TRUE(readBitmapFile(path, back));
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.pixels, picture.pixels);
    EXPECT_FALSE(writeBitmapFile(scratch.path + "/missing/OUT.BMP", picture));
    EXPECT_FALSE(readBitmapFile(scratch.write("BAD.BMP", std::string("BM not a picture")), back));
    EXPECT_TRUE(isEmpty(back));
    ASSERT_TRUE(readBitmapFile(path, back));
    EXPECT_FALSE(readBitmapFile(scratch.path + "/MISSING.BMP", back));
    EXPECT_TRUE(isEmpty(back));
    resizeSurface(picture, 4, 1);  // 12 bytes a row: no padding
    EXPECT_EQ(encodeBitmap(picture).size(), 54u + 12);
}

// Every shipped picture must be readable by the game's own reader, with the
// shape the game expects: tile sets a 9 x 5 grid of large cells, backgrounds
// large enough for a full-HD window.
TEST(ShippedPictures, TileSetsAndBackgroundsHaveTheirShapes) {
    DataDirectories dirs;
    initDataDirectories(dirs, shippedDataDirectory());
    for (const auto& directory : {dirs.tileSets, dirs.background}) {
        const bool tiles = directory == dirs.tileSets;
        const std::vector<std::string> names = listFiles(directory, "*.BMP");
        EXPECT_GE(names.size(), tiles ? 5u : 6u) << directory;
        for (const std::string& name : names) {
            Surface p;
            ASSERT_TRUE(readBitmapFile(filePath(directory, name), p)) << name;
            if (tiles) EXPECT_EQ((std::vector<int>{p.width % 9, p.height % 5, p.width / 9 >= 96}),
                                 (std::vector<int>{0, 0, 1})) << name;
            else EXPECT_TRUE(p.width >= 1920 && p.height >= 1080) << name;
        }
    }
}
