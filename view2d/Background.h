// The background picture, stretched to fill the board area.
#pragma once

#include "view2d/Surface.h"

struct BackgroundImage {
    Surface fileImage;
    Surface fitted;  // the picture stretched to exactly the board area
};

// Makes the stretched copy for an area of width x height, unless one of
// exactly that size already exists.
void fitBackground(BackgroundImage& background, int width, int height);
