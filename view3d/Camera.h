// The fixed render state of the 3D view's context and its camera: viewport,
// perspective and the eye straight above the board.
#pragma once

#include "view3d/View3D.h"

struct Settings;

constexpr double nearPlane3D = 1.0;
constexpr double fieldOfView3D = 45.0;  // degrees, vertical

// Depth test, culling, one light fixed to the eye, colour material, texture
// modulation and the clear colour. Leaves the matrices alone, so a light set
// again later stays where the camera then puts it.
void setRenderState(const Settings& settings);

// With width and height both at least 0 a new viewport of the client area
// (a height of 0 counts as 1) and its aspect ratio; in every case the
// projection and the eye anew from the settings.
void setCamera(View3D& view, const Settings& settings, int width, int height);

// The far plane: MaxZoom, or just beyond the near plane when MaxZoom is not,
// so that a damaged settings file cannot make a degenerate projection.
double farPlane3D(const Settings& settings);

// Multiplies the current matrix by the perspective of the camera, upside
// down: OpenGL's first row is the bottom one, so the picture's top row lands
// first and the frame is read back in the order the window shows it.
void applyPerspective(const View3D& view, const Settings& settings);
