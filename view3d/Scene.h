// One frame of the 3D view: the heap turned by the player, each tile a box
// coloured by its layer with its face picture or symbol, outline, shadows
// and the selection and hint highlights.
#pragma once

#include "view3d/View3D.h"

#include "view3d/TileMesh.h"

// The corner of a tile's box in scene units, before the heap is turned.
Vertex3 tileOrigin(const Scene3D& scene, int tile);
// Multiplies the current matrix by the player's turn of the heap about its centre.
void applyHeapTransform(const Scene3D& scene);

// Clears and draws one frame into the current buffer; the model-view matrix
// holds the camera and is left as it was found.
void render3D(View3D& view, const Scene3D& scene);

// Reads what has been drawn into the viewport's width x height pixels from
// the lower left corner; drawn upside down, the rows come top row first, as
// in a 2D frame.
void readFrame3D(Surface& frame, int width, int height);

// The boxes of the present tiles, each under its index as selection name, in
// the place render3D draws them, and with shadows on the shadows each tile
// casts under its own name: a click on the band an upper tile throws on a
// lower one picks the upper tile.
void drawPickScene(const Scene3D& scene);
