// The pixel arithmetic of shadows, selected tiles and fades. Colours passed
// in and returned are in COLORREF order (red in the low byte).
#pragma once

#include <cstdint>

#include "view2d/Surface.h"

// Takes `amount` from each of red, green and blue, stopping at 0. Points
// outside the surface are left alone.
void darkenPixel(Surface& surface, int x, int y, uint8_t amount);
// The same for the pixels x0 <= x < x1 of one row, clipped to the surface.
void darkenSpan(Surface& surface, int y, int x0, int x1, uint8_t amount);
void darkenRectangle(Surface& surface, int x, int y, int width, int height, uint8_t amount);

// Each channel (c1 * w1 + c2 * w2) / (w1 + w2), truncated; black when the
// weights add up to 0. With negative weights a channel is held to 0..255.
uint32_t blendColours(uint32_t colour1, uint32_t colour2, int16_t weight1, int16_t weight2);

// Target pixel (xt + i, yt + j) becomes the blend of source 1 at (x1 + i,
// y1 + j) and source 2 at (x2 + i, y2 + j). The surfaces may be the same one.
// Target pixels outside the target are skipped; source pixels outside their
// surface read as black.
void blendRectangle(const Surface& source1, int x1, int y1, const Surface& source2, int x2, int y2,
                    Surface& target, int xt, int yt, int width, int height, int16_t weight1,
                    int16_t weight2);
// The same with one colour (the sides' colour) in place of the second source.
void blendRectangleWithColour(const Surface& source, int xs, int ys, Surface& target, int xt, int yt,
                              int width, int height, int16_t weight1, int16_t weight2,
                              uint32_t colour);

// Every bit of every pixel's colour inverted, clipped to the surface.
void invertRectangle(Surface& surface, int x, int y, int width, int height);
