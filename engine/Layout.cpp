#include "engine/Layout.h"

bool layoutHas144Tiles(const LayoutMask& mask) {
    return countMarks(mask) == tileCount && numberedTileCount(mask) == tileCount;
}
