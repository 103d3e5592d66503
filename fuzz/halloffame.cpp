// Any bytes read as a hall-of-fame file: no crash, names well-formed UTF-8 of
// at most a field's characters, times within their fields, and a table that
// was read writes back to a file of the same length that reads back the same
// once its names have been cut to the field.
#include <cstdlib>

#include "files/HallOfFameFile.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

HallOfFame decoded(const std::vector<uint8_t>& bytes) {
    HallOfFame table;
    require(bytes.size() == hallOfFameFileBytes && decodeHallOfFame(bytes.data(), bytes.size(), utf8FromWindows1252, table));
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HallOfFame hallOfFame;
    if (!decodeHallOfFame(data, size, utf8FromWindows1252, hallOfFame)) return 0;
    for (int i = 0; i < keptEntries; ++i) {
        const HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        require(characterCount(entry.playerName) <= playerNameWidth && wellFormedUtf8(entry.playerName) == entry.playerName);
        require(entry.timeText.size() <= timeTextWidth);
    }
    const HallOfFame again = decoded(encodeHallOfFame(hallOfFame));
    const std::vector<uint8_t> bytes = encodeHallOfFame(again);
    require(encodeHallOfFame(decoded(bytes)) == bytes);
    for (int i = 0; i < keptEntries; ++i)
        require(again.entries[static_cast<size_t>(i)].timeSeconds == hallOfFame.entries[static_cast<size_t>(i)].timeSeconds);
    return 0;
}
