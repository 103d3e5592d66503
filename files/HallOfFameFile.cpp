#include "files/HallOfFameFile.h"

#include <algorithm>

#include "files/DataDirectories.h"
#include "files/LittleEndian.h"
#include "files/TextEncoding.h"

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

// A name as older files hold it, in the player's code page, is plain
// text; a name written since is either plain ASCII, which reads the same in
// every code page, or the UTF-8 byte-order mark and then UTF-8, cut after
// the last whole character that fits. A name in a code page begins with
// those three bytes only when it starts with the letters "ï»¿".
void putName(std::vector<uint8_t>& bytes, const std::string& name) {
    if (isPlainAscii(name)) return putText(bytes, name, playerNameWidth);
    const std::string kept = name.substr(0, wholeCharacterBytes(name, playerNameWidth - 1 - utf8ByteOrderMark.size()));
    putText(bytes, isPlainAscii(kept) ? kept : std::string(utf8ByteOrderMark) + kept, playerNameWidth);
}

std::string takeName(const uint8_t* field, AnsiToUtf8 ansiToUtf8) {
    const std::string stored = takeText(field, playerNameWidth);
    if (stored.compare(0, utf8ByteOrderMark.size(), utf8ByteOrderMark) == 0)
        return wellFormedUtf8(std::string_view(stored).substr(utf8ByteOrderMark.size()));
    return wellFormedUtf8(ansiToUtf8(stored));
}

}  // namespace

std::string hallOfFameFileName(const std::string& layout) { return replaceExtension(layout, ".TVS"); }

std::vector<uint8_t> encodeHallOfFame(const HallOfFame& hallOfFame) {
    std::vector<uint8_t> bytes;
    bytes.reserve(hallOfFameFileBytes);
    for (int i = 0; i < keptEntries; ++i) {
        const HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        putName(bytes, entry.playerName);
        putText(bytes, entry.timeText, timeTextWidth);
        putInt32(bytes, entry.timeSeconds);
    }
    return bytes;
}

bool decodeHallOfFame(const uint8_t* bytes, size_t size, AnsiToUtf8 ansiToUtf8, HallOfFame& hallOfFame) {
    if (size != hallOfFameFileBytes) return false;
    for (int i = 0; i < keptEntries; ++i) {
        const uint8_t* field = bytes + static_cast<size_t>(i) * hallOfFameEntryBytes;
        HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        entry.playerName = takeName(field, ansiToUtf8);
        entry.timeText = takeText(field + playerNameWidth, timeTextWidth);
        entry.timeSeconds = takeInt32(field + playerNameWidth + timeTextWidth);
    }
    return true;
}
