// convert: writes the marked positions of a layout file in another format.
#include <cstdio>

#include "Commands.h"
#include "LayoutFile.h"
#include "ToolArguments.h"
#include "files/DataDirectories.h"
#include "files/LayoutLines.h"
#include "files/Utf8Path.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int binaryRecordsSize = 2 * tileCount;
constexpr int binaryFileSize = 308;

template <typename Visit>
void forEachMark(const LayoutMask& mask, Visit visit) {
    for (int layer = 0; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row)
            for (int column = 0; column < columnCount; ++column)
                if (mask[cellIndex(layer, row, column)] == 1) visit(layer, row, column);
}

// 144 little-endian records (column in bits 0-5, row 6-10, layer 11-13) and
// 20 unread bytes; only a layout of exactly 144 marks fits.
bool binaryFormat(const LayoutMask& mask, Bytes& bytes) {
    forEachMark(mask, [&bytes](int layer, int row, int column) {
        const unsigned word = column | row << 6 | layer << 11;
        bytes.push_back(static_cast<uint8_t>(word & 0xFF));
        bytes.push_back(static_cast<uint8_t>(word >> 8));
    });
    if (bytes.size() != binaryRecordsSize) return false;
    bytes.resize(binaryFileSize, 0);
    return true;
}

// "K", a line the reader skips, then one '0' or '1' per cell in mask order.
Bytes gridFormat(const LayoutMask& mask) {
    const std::string header = "K\n5 layers 20 rows 34 columns\n";
    Bytes bytes(header.begin(), header.end());
    for (uint8_t cell : mask) bytes.push_back(cell == 1 ? '1' : '0');
    return bytes;
}

// 0 when the format is known and the positions fit it, else 1; 2 for an unknown format.
int encode(const std::string& to, const LayoutMask& mask, Bytes& bytes) {
    if (to == "line") bytes = layoutLineBytes(mask);
    else if (to == "grid") bytes = gridFormat(mask);
    else if (to != "binary") return 2;
    else if (!binaryFormat(mask, bytes)) {
        std::fputs("tavrek-layout: the binary format holds exactly 144 tiles\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int convertCommand(const CommandWords& words) {
    const char* usage = "convert [--grid] FILE --to line|binary|grid OUT";
    ToolArguments arguments;
    if (!parseArguments(words, arguments) || arguments.files.size() != 2 || arguments.to.empty() ||
        !arguments.games.empty())
        return wrongArguments(usage);

    GameModel game;
    LayoutSummary summary;
    if (!readLayoutFile(arguments.files[0], arguments.grid, game, summary)) return 2;
    Bytes bytes;
    const int status = encode(arguments.to, game.layoutMask, bytes);
    if (status == 2) return wrongArguments(usage);
    if (status != 0) return status;
    if (!writeFileReplacing(pathFromUtf8(arguments.files[1]), bytes)) {
        std::fprintf(stderr, "tavrek-layout: cannot write %s\n", arguments.files[1].c_str());
        return 2;
    }
    return 0;
}
