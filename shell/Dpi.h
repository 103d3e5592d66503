// The dots per inch of the screen a window is on, and the sizes that follow
// them: every size the shell gives in pixels is meant for 96 dots per inch
// (100 % scaling) and grows with the window's scaling.
#pragma once

#include <windows.h>

constexpr int baseDpi = 96;

// The window's DPI; on Windows versions that know only one DPI for the whole
// screen, that one.
int windowDpi(HWND window);
// A size meant for 96 DPI at `dpi`, rounded to the nearest pixel.
int scaledPixels(int pixels, int dpi);
// A system metric (SM_CXFRAME...) as Windows gives it at `dpi`; on older
// versions, as it gives it for the whole screen.
int metricForDpi(int index, int dpi);

// The status-bar font Windows gives at `dpi`; false where it gives only the
// screen's.
bool statusFontForDpi(int dpi, LOGFONTW& font);

// A picture drawn in several sizes: the size drawn nearest to `wanted`
// (the smaller one of two as near), and its resource.
struct DrawnSize {
    int pixels;
    int resource;
};
// The toolbar strip whose pictures are nearest to `wanted` pixels.
DrawnSize toolbarStripFor(int wanted);
// The toolbar strip for a window at `dpi`: the 16-pixel pictures scaled.
DrawnSize toolbarStripForDpi(int dpi);
// The size a cursor of the program is drawn at for a window at `dpi`.
int cursorSizeForDpi(int dpi);
