// The three layout file formats read into the LayoutMask.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/BoardModel.h"

enum class LayoutFormat { binary, grid, line };

// Marks the mask from the bytes of a layout file; the format is decided by
// the bytes themselves (and by gridAllowed, the ".lay" setting).
LayoutFormat readLayoutBytes(const std::vector<uint8_t>& bytes, bool gridAllowed, LayoutMask& mask);
