// The layout file the game writes: one line "row column layer" and CR LF per
// marked cell of the mask, layer by layer, row by row, column by column. It
// never starts with "K", so the grid text format never applies to it.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/BoardModel.h"

std::vector<uint8_t> layoutLineBytes(const LayoutMask& mask);
