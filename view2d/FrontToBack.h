// A frame of tiles that all stand opaque, composed from the front: the
// frontmost tile first, each writing only the pixels no tile in front of it
// has taken, the background last into what is left, and the shadows darken
// what ends up under them. Every pixel is written once and comes out as
// drawing background and tiles one over the other would leave it.
#pragma once

#include <vector>

struct Scene2D;

// The background and every drawn tile but those in `leftOut` (ascending).
void composeFromFront(const Scene2D& scene, const std::vector<int>& leftOut);
