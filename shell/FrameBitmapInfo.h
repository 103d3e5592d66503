// How GDI is told the layout of a frame's pixels: 32-bit BGRX rows, the top
// row first for a negative height, the bottom row first for a positive one.
#pragma once

#include <windows.h>

inline BITMAPINFO frameBitmapInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
