#include "files/LayoutLines.h"

#include <cstdio>

std::vector<uint8_t> layoutLineBytes(const LayoutMask& mask) {
    std::vector<uint8_t> bytes;
    for (int layer = 0; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row)
            for (int column = 0; column < columnCount; ++column) {
                if (mask[static_cast<size_t>(cellIndex(layer, row, column))] != 1) continue;
                char line[32];
                const int n = std::snprintf(line, sizeof line, "%d %d %d\r\n", row, column, layer);
                bytes.insert(bytes.end(), line, line + n);
            }
    return bytes;
}
