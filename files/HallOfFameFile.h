// The hall-of-fame file: the ten kept entries, 40 bytes each, no header.
// A saved game embeds the same 400 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/HallOfFame.h"
#include "files/TextEncoding.h"

constexpr size_t hallOfFameEntryBytes = 40;
constexpr size_t hallOfFameFileBytes = keptEntries * hallOfFameEntryBytes;

// The layout's name with ".TVS": every random heap shares RANDOM.TVS.
std::string hallOfFameFileName(const std::string& layout);

// The ten kept entries as the file holds them.
std::vector<uint8_t> encodeHallOfFame(const HallOfFame& hallOfFame);
// Names are UTF-8 in the table. A name of plain ASCII is stored as it is;
// any other as the UTF-8 byte-order mark and as many whole characters of its
// UTF-8 as fit the field with its zero (19 bytes: 19 Latin letters, 9 of most
// other alphabets, 6 ideographs).
//
// Reads the ten kept entries from exactly 400 bytes; any other length is
// refused and the table is left as it was. Texts stop at their zero byte or
// at their field's end. A name without the mark is in the player's code page,
// as older files hold it, and is decoded with `ansiToUtf8`.
bool decodeHallOfFame(const uint8_t* bytes, size_t size, AnsiToUtf8 ansiToUtf8, HallOfFame& hallOfFame);
