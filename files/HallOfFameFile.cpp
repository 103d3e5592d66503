#include "files/HallOfFameFile.h"

#include <algorithm>

#include "files/DataDirectories.h"
#include "files/LittleEndian.h"

namespace {

void putText(std::vector<uint8_t>& bytes, const std::string& text, size_t width) {
    // The last byte of a field is always its ending zero.
    const size_t length = std::min(text.size(), width - 1);
    bytes.insert(bytes.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    bytes.insert(bytes.end(), width - length, 0);
}

std::string takeText(const uint8_t* field, size_t width) {
    size_t length = 0;
    while (length < width && field[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(field), length);
}

}  // namespace

std::string hallOfFameFileName(const std::string& layout) { return replaceExtension(layout, ".TVS"); }

std::vector<uint8_t> encodeHallOfFame(const HallOfFame& hallOfFame) {
    std::vector<uint8_t> bytes;
    bytes.reserve(hallOfFameFileBytes);
    for (int i = 0; i < keptEntries; ++i) {
        const HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        putText(bytes, entry.playerName, playerNameWidth);
        putText(bytes, entry.timeText, timeTextWidth);
        putInt32(bytes, entry.timeSeconds);
    }
    return bytes;
}

bool decodeHallOfFame(const uint8_t* bytes, size_t size, HallOfFame& hallOfFame) {
    if (size != hallOfFameFileBytes) return false;
    for (int i = 0; i < keptEntries; ++i) {
        const uint8_t* field = bytes + static_cast<size_t>(i) * hallOfFameEntryBytes;
        HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        entry.playerName = takeText(field, playerNameWidth);
        entry.timeText = takeText(field + playerNameWidth, timeTextWidth);
        entry.timeSeconds = takeInt32(field + playerNameWidth + timeTextWidth);
    }
    return true;
}
