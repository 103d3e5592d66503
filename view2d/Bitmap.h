// Reading Windows BMP pictures (tile sets and backgrounds) into surfaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "view2d/Surface.h"

// Pictures larger than this in either direction are refused.
constexpr int maxBitmapSide = 16384;

// Decodes an uncompressed BMP held in memory: a 40-byte information header
// (or the larger V2 to V5 headers) at 1, 4, 8, 16, 24 or 32 bits per pixel,
// bottom-up or top-down; 16-bit pixels are 5-5-5 unless bit-field masks say
// otherwise (5-6-5 and the like), 32-bit pixels may have masks too. Anything
// that does not fit the bytes given is refused; `picture` is then empty.
bool decodeBitmap(const uint8_t* bytes, size_t size, Surface& picture);

// Releases what `slot` holds and fills it with the picture of the file, or
// leaves it empty when the file is missing or not a picture we can read.
bool readBitmapFile(const std::filesystem::path& path, Surface& slot);
