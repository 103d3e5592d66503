// Any bytes read as a hall-of-fame file: no crash, texts within their fields,
// and a table that was read writes back to a file of the same length.
#include <cstdlib>

#include "files/HallOfFameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HallOfFame hallOfFame;
    if (!decodeHallOfFame(data, size, hallOfFame)) return 0;
    for (int i = 0; i < keptEntries; ++i) {
        const HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        if (entry.playerName.size() > playerNameWidth || entry.timeText.size() > timeTextWidth) std::abort();
    }
    HallOfFame again;
    const std::vector<uint8_t> bytes = encodeHallOfFame(hallOfFame);
    if (bytes.size() != hallOfFameFileBytes || !decodeHallOfFame(bytes.data(), bytes.size(), again)) std::abort();
    for (int i = 0; i < keptEntries; ++i)
        if (again.entries[static_cast<size_t>(i)].timeSeconds != hallOfFame.entries[static_cast<size_t>(i)].timeSeconds)
            std::abort();
    return 0;
}
