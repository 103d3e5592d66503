#include "view2d/Bitmap.h"

#include <array>
#include <vector>

#include "files/DataDirectories.h"

namespace {

constexpr size_t fileHeaderSize = 14;
constexpr uint32_t plainPixels = 0;   // BI_RGB
constexpr uint32_t bitFields = 3;     // BI_BITFIELDS

uint32_t readU16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t readU32(const uint8_t* p) { return readU16(p) | readU16(p + 2) << 16; }

// One colour channel of a bit-field pixel: where it sits and how wide it is.
struct ChannelMask {
    uint32_t shift = 0;
    uint32_t bits = 0;
};

struct BitmapHeader {
    int width = 0;
    int height = 0;
    bool topDown = false;
    uint32_t depth = 0;
    uint32_t compression = 0;
    size_t paletteStart = 0;  // file offset of the colour table
    uint32_t paletteCount = 0;
    size_t pixelOffset = 0;
    size_t rowStride = 0;
    std::array<ChannelMask, 3> masks;  // red, green, blue
};

// A mask must be one run of set bits; an empty mask gives a channel that is always 0.
bool readMask(uint32_t mask, ChannelMask& channel) {
    channel = {};
    if (mask == 0) return true;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++channel.shift;
    }
    while (mask & 1u) {
        mask >>= 1;
        ++channel.bits;
    }
    return mask == 0;
}

bool readMasks(const uint8_t* at, BitmapHeader& header) {
    for (int c = 0; c < 3; ++c)
        if (!readMask(readU32(at + 4 * c), header.masks[c])) return false;
    return true;
}

bool knownInfoSize(uint32_t size) { return size == 40 || size == 52 || size == 56 || size == 108 || size == 124; }

bool depthAllowed(uint32_t depth, uint32_t compression) {
    if (compression == bitFields) return depth == 16 || depth == 32;
    if (compression != plainPixels) return false;
    return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

// Plain 16-bit pixels carry five bits of each channel: x-R-G-B from the high end.
void useFiveFiveFive(BitmapHeader& header) { header.masks = {{{10, 5}, {5, 5}, {0, 5}}}; }

// Reads the masks of a bit-field picture; they follow a 40-byte header and
// lie inside the larger ones. Returns the end of the headers.
bool readChannelLayout(const uint8_t* bytes, size_t size, uint32_t infoSize, BitmapHeader& header,
                       size_t& headersEnd) {
    headersEnd = fileHeaderSize + infoSize;
    if (header.compression != bitFields) {
        if (header.depth == 16) useFiveFiveFive(header);
        return true;
    }
    if (infoSize == 40) headersEnd += 12;
    if (headersEnd > size) return false;
    return readMasks(bytes + fileHeaderSize + 40, header);
}

bool readPaletteLayout(const uint8_t* info, size_t headersEnd, BitmapHeader& header) {
    if (header.depth > 8) return true;
    const uint32_t capacity = 1u << header.depth;
    uint32_t used = readU32(info + 32);
    if (used == 0) used = capacity;
    if (used > capacity) return false;
    header.paletteStart = headersEnd;
    header.paletteCount = used;
    return headersEnd + size_t(used) * 4 <= header.pixelOffset;
}

bool readHeader(const uint8_t* bytes, size_t size, BitmapHeader& header) {
    if (size < fileHeaderSize + 40 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const uint8_t* info = bytes + fileHeaderSize;
    const uint32_t infoSize = readU32(info);
    if (!knownInfoSize(infoSize) || fileHeaderSize + infoSize > size) return false;
    const int32_t width = int32_t(readU32(info + 4));
    const int32_t height = int32_t(readU32(info + 8));
    if (width <= 0 || width > maxBitmapSide || height == 0 || height < -maxBitmapSide ||
        height > maxBitmapSide || readU16(info + 12) != 1)
        return false;
    header.width = width;
    header.height = height < 0 ? -height : height;
    header.topDown = height < 0;
    header.depth = readU16(info + 14);
    header.compression = readU32(info + 16);
    if (!depthAllowed(header.depth, header.compression)) return false;
    header.pixelOffset = readU32(bytes + 10);
    header.rowStride = (size_t(header.width) * header.depth + 31) / 32 * 4;
    size_t headersEnd = 0;
    if (!readChannelLayout(bytes, size, infoSize, header, headersEnd)) return false;
    if (header.pixelOffset < headersEnd || !readPaletteLayout(info, headersEnd, header)) return false;
    return header.pixelOffset <= size && header.rowStride * header.height <= size - header.pixelOffset;
}

// Palette entries are B, G, R, reserved: the surface's own order. Indices
// past the colours the file declares read as black.
std::array<uint32_t, 256> readPalette(const uint8_t* bytes, const BitmapHeader& header) {
    std::array<uint32_t, 256> palette{};
    for (uint32_t i = 0; i < header.paletteCount; ++i)
        palette[i] = readU32(bytes + header.paletteStart + 4 * i) & 0xFFFFFF;
    return palette;
}

uint32_t scaleChannel(uint32_t value, const ChannelMask& mask) {
    if (mask.bits == 0) return 0;
    const uint32_t field = (value >> mask.shift) & ((mask.bits >= 32 ? 0u : 1u << mask.bits) - 1);
    const uint64_t maximum = (uint64_t(1) << mask.bits) - 1;
    return uint32_t(uint64_t(field) * 255 / maximum);
}

uint32_t maskedPixel(uint32_t value, const BitmapHeader& header) {
    return scaleChannel(value, header.masks[0]) << 16 | scaleChannel(value, header.masks[1]) << 8 |
           scaleChannel(value, header.masks[2]);
}

void decodeRow(const uint8_t* source, const BitmapHeader& header, const std::array<uint32_t, 256>& palette,
               uint32_t* target) {
    const int depth = int(header.depth);
    for (int x = 0; x < header.width; ++x) {
        if (depth == 24) {
            const uint8_t* p = source + 3 * size_t(x);
            target[x] = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
        } else if (depth == 32) {
            const uint32_t value = readU32(source + 4 * size_t(x));
            target[x] = header.compression == bitFields ? maskedPixel(value, header) : value & 0xFFFFFF;
        } else if (depth == 16) {
            target[x] = maskedPixel(readU16(source + 2 * size_t(x)), header);
        } else {
            // Indexed pixels are packed from the high bits of each byte down.
            const size_t bit = size_t(x) * depth;
            const int shift = 8 - depth - int(bit % 8);
            target[x] = palette[(source[bit / 8] >> shift) & ((1 << depth) - 1)];
        }
    }
}

}  // namespace

bool decodeBitmap(const uint8_t* bytes, size_t size, Surface& picture) {
    releaseSurface(picture);
    BitmapHeader header;
    if (bytes == nullptr || !readHeader(bytes, size, header)) return false;
    const std::array<uint32_t, 256> palette = readPalette(bytes, header);
    resizeSurface(picture, header.width, header.height);
    for (int row = 0; row < header.height; ++row) {
        const int y = header.topDown ? row : header.height - 1 - row;
        decodeRow(bytes + header.pixelOffset + header.rowStride * row, header, palette, rowOf(picture, y));
    }
    return true;
}

bool readBitmapFile(const std::filesystem::path& path, Surface& slot) {
    releaseSurface(slot);
    std::vector<uint8_t> bytes;
    return readWholeFile(path, bytes) && decodeBitmap(bytes.data(), bytes.size(), slot);
}
