#include "files/HallOfFame.h"

#include <utility>

#include "files/ClockText.h"

void fillDefaultHallOfFame(HallOfFame& hallOfFame) {
    for (int i = 0; i < keptEntries; ++i) {
        HallOfFameEntry& entry = hallOfFame.entries[static_cast<size_t>(i)];
        entry.playerName = "Tavrek";
        entry.timeSeconds = 300 + 60 * i;
        entry.timeText = clockText(entry.timeSeconds);
    }
}

namespace {

int32_t timeAt(const HallOfFame& hallOfFame, int index) {
    return hallOfFame.entries[static_cast<size_t>(index)].timeSeconds;
}

void exchange(HallOfFame& hallOfFame, int a, int b) {
    std::swap(hallOfFame.entries[static_cast<size_t>(a)], hallOfFame.entries[static_cast<size_t>(b)]);
}

// Partitions around the time of entry hi and returns where that entry lands.
int partition(HallOfFame& hallOfFame, int lo, int hi) {
    const int32_t pivot = timeAt(hallOfFame, hi);
    int i = lo - 1;
    int j = hi;
    for (;;) {
        do ++i; while (timeAt(hallOfFame, i) < pivot);
        do --j; while (j > lo && timeAt(hallOfFame, j) > pivot);
        if (i >= j) break;
        exchange(hallOfFame, i, j);
    }
    exchange(hallOfFame, i, hi);
    return i;
}

}  // namespace

void sortHallOfFame(HallOfFame& hallOfFame, int lo, int hi) {
    if (hi <= lo) return;
    const int middle = partition(hallOfFame, lo, hi);
    sortHallOfFame(hallOfFame, lo, middle - 1);
    sortHallOfFame(hallOfFame, middle + 1, hi);
}
