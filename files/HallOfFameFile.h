// The hall-of-fame file: the ten kept entries, 40 bytes each, no header.
// A saved game embeds the same 400 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/HallOfFame.h"

constexpr size_t hallOfFameEntryBytes = 40;
constexpr size_t hallOfFameFileBytes = keptEntries * hallOfFameEntryBytes;

// The layout's name with ".TVS": every random heap shares RANDOM.TVS.
std::string hallOfFameFileName(const std::string& layout);

// The ten kept entries as the file holds them.
std::vector<uint8_t> encodeHallOfFame(const HallOfFame& hallOfFame);
// Reads the ten kept entries from exactly 400 bytes; any other length is
// refused and the table is left as it was. Texts stop at their zero byte or
// at their field's end.
bool decodeHallOfFame(const uint8_t* bytes, size_t size, HallOfFame& hallOfFame);
