#include "view2d/BitmapWriter.h"

#include "files/DataDirectories.h"

namespace {

void put(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> encodeBitmap(const Surface& picture) {
    const size_t stride = (size_t(picture.width) * 3 + 3) / 4 * 4;
    const size_t offset = 14 + 40;
    std::vector<uint8_t> bytes(offset + stride * picture.height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(bytes, 2, uint32_t(bytes.size()), 4);
    put(bytes, 10, uint32_t(offset), 4);
    put(bytes, 14, 40, 4);
    put(bytes, 18, uint32_t(picture.width), 4);
    put(bytes, 22, uint32_t(picture.height), 4);
    put(bytes, 26, 1, 2);
    put(bytes, 28, 24, 2);
    put(bytes, 34, uint32_t(stride * picture.height), 4);
    for (int y = 0; y < picture.height; ++y) {
        const size_t row = offset + stride * size_t(picture.height - 1 - y);  // bottom row first
        for (int x = 0; x < picture.width; ++x) put(bytes, row + 3 * size_t(x), rowOf(picture, y)[x], 3);
    }
    return bytes;
}

bool writeBitmapFile(const std::filesystem::path& path, const Surface& picture) {
    return writeFileReplacing(path, encodeBitmap(picture));
}
