// The three layout file formats. The format is decided by the bytes alone:
// 308 bytes is always binary, a leading "K" is the grid text (when allowed),
// anything else is read line by line.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>

#include "files/LayoutFormats.h"
#include "files/TextEncoding.h"
#include "files/TextLines.h"

namespace {

constexpr std::size_t binaryLayoutSize = 308;
// Longest piece of a text line handed to the parser, line break included.
constexpr std::size_t linePieceLength = 254;

void markCell(LayoutMask& mask, int layer, int row, int column) {
    if (layer < 0 || layer >= layerCount || row < 0 || row >= rowCount || column < 0 ||
        column >= columnCount)
        return;
    mask[cellIndex(layer, row, column)] = 1;
}

// A record's fields can name columns up to 63, rows up to 31 and layers up
// to 7; those outside the board mark nothing.
void readBinaryLayout(const std::vector<uint8_t>& bytes, LayoutMask& mask) {
    for (int record = 0; record < tileCount; ++record) {
        const unsigned word = bytes[2 * record] | (bytes[2 * record + 1] << 8);
        markCell(mask, (word >> 11) & 0x7, (word >> 6) & 0x1F, word & 0x3F);
    }
}

// Where the next line starts: after the first line feed from `at` on, or at
// the end of the file.
std::size_t skipLine(const std::vector<uint8_t>& bytes, std::size_t at) {
    const auto lineFeed = std::find(bytes.begin() + std::ptrdiff_t(at), bytes.end(), '\n');
    return std::size_t(lineFeed - bytes.begin()) + (lineFeed == bytes.end() ? 0 : 1);
}

// The grid has no line structure: every byte, line breaks included, takes a cell.
void readGridLayout(const std::vector<uint8_t>& bytes, LayoutMask& mask) {
    std::size_t at = skipLine(bytes, skipLine(bytes, 0));
    for (int cell = 0; cell < cellCount && at < bytes.size(); ++cell, ++at)
        if (bytes[at] == '1') mask[cell] = 1;
}

// Reads like "%d": leading white space, an optional sign, at least one digit.
// Values too large for the board saturate instead of overflowing.
bool scanNumber(const std::string& text, std::size_t& at, int& value) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return false;
    long long magnitude = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at)
        if (magnitude < 1000000) magnitude = magnitude * 10 + (text[at] - '0');
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

// "row column layer"; anything after the third number is ignored. Comments
// (";" first) and lines of two characters or fewer, which text files skip,
// can never hold three numbers, so the scan passes over them by itself.
void readLayoutLine(const std::string& line, LayoutMask& mask) {
    std::size_t at = 0;
    int row = 0, column = 0, layer = 0;
    if (scanNumber(line, at, row) && scanNumber(line, at, column) && scanNumber(line, at, layer))
        markCell(mask, layer, row, column);
}

void readLineLayout(const std::vector<uint8_t>& bytes, LayoutMask& mask) {
    for (const std::string& line : linePieces(bytesAsText(bytes), linePieceLength)) readLayoutLine(line, mask);
}

}  // namespace

LayoutFormat readLayoutBytes(const std::vector<uint8_t>& bytes, bool gridAllowed, LayoutMask& mask) {
    if (bytes.size() == binaryLayoutSize) {
        readBinaryLayout(bytes, mask);
        return LayoutFormat::binary;
    }
    if (gridAllowed && !bytes.empty() && bytes[0] == 'K') {
        readGridLayout(bytes, mask);
        return LayoutFormat::grid;
    }
    readLineLayout(bytes, mask);
    return LayoutFormat::line;
}
