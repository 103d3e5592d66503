// Writing a surface as an uncompressed 24-bit BMP, bottom row first.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "view2d/Surface.h"

std::vector<uint8_t> encodeBitmap(const Surface& picture);
// Written to a temporary file and moved into place; false when that fails.
bool writeBitmapFile(const std::filesystem::path& path, const Surface& picture);
