#include "engine/Layout.h"

int countMarks(const LayoutMask& mask) {
    int marks = 0;
    for (uint8_t cell : mask) marks += cell == 1;
    return marks;
}

bool layoutHas144Tiles(const LayoutMask& mask) {
    return countMarks(mask) == tileCount && numberedTileCount(mask) == tileCount;
}
