// The ten best times of each layout, with the players' names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Widths of the text fields in the file, each including its ending zero byte.
constexpr int playerNameWidth = 23;
constexpr int timeTextWidth = 13;
// The most characters the name dialog hands over.
constexpr int playerNameLength = 21;

struct HallOfFameEntry {
    std::string playerName;
    std::string timeText;  // HH:MM:SS as the clock shows it
    int32_t timeSeconds = 0;
};

constexpr int keptEntries = 10;
constexpr int candidateEntry = keptEntries;

// Entries 0 to 9 are the kept table, fastest first; entry 10 receives a new
// time before it is sorted in.
struct HallOfFame {
    std::array<HallOfFameEntry, keptEntries + 1> entries;
};

// The table of a layout nobody has won yet: "Tavrek" at 5 minutes, then a
// minute more for each place.
void fillDefaultHallOfFame(HallOfFame& hallOfFame);

// Sorts entries lo to hi by ascending time; whole entries move.
void sortHallOfFame(HallOfFame& hallOfFame, int lo, int hi);
