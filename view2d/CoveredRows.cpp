#include "view2d/CoveredRows.h"

#include <algorithm>

namespace {

constexpr uint64_t allBits = ~uint64_t(0);

// Bits from `from` (0..63) upwards.
uint64_t bitsFrom(int from) { return allBits << from; }

// Both compilers that build the game have this one-instruction count.
int lowestSetBit(uint64_t word) { return __builtin_ctzll(word); }

}  // namespace

void clearCoveredRows(CoveredRows& rows, int width, int height) {
    rows.width = width;
    rows.wordsPerRow = (width + 63) / 64;
    rows.bits.assign(size_t(rows.wordsPerRow) * std::max(height, 0), 0);
}

void coverSpan(CoveredRows& rows, int y, int x0, int x1) {
    uint64_t* row = rows.bits.data() + size_t(y) * rows.wordsPerRow;
    for (int x = x0; x < x1;) {
        const int word = x / 64, bit = x % 64, last = std::min(x1 - word * 64, 64);
        const uint64_t upTo = last == 64 ? allBits : ~bitsFrom(last);
        row[word] |= bitsFrom(bit) & upTo;
        x = word * 64 + last;
    }
}

int nextInState(const CoveredRows& rows, int y, int x, int end, bool covered) {
    const uint64_t* row = rows.bits.data() + size_t(y) * rows.wordsPerRow;
    while (x < end) {
        const int word = x / 64;
        // The bits in the wanted state become ones.
        const uint64_t wanted = (covered ? row[word] : ~row[word]) & bitsFrom(x % 64);
        if (wanted) return std::min(end, word * 64 + lowestSetBit(wanted));
        x = word * 64 + 64;
    }
    return end;
}
