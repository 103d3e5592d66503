// Scaling pictures to the tile size and the board area. Shrinking averages
// the area each new pixel covers, enlarging interpolates between the four
// nearest pixels, so faces stay crisp either way.
#pragma once

#include "view2d/Surface.h"

// `target` becomes `source` scaled to width x height (empty when either is 0
// or the source is empty).
void stretchSurface(const Surface& source, int width, int height, Surface& target);
