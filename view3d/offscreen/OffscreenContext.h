// An OpenGL context drawing into memory (OSMesa), for the layout tool, the
// tests and the benchmarks: the same GL calls as the game's window, with the
// same depth buffer, and no window.
#pragma once

#include <cstdint>
#include <vector>

#include "view2d/Surface.h"

struct OffscreenContext {
    void* context = nullptr;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // RGBA, bottom row first
};

// Creates the context with a 16-bit depth buffer and makes it current.
bool openOffscreenContext(OffscreenContext& offscreen, int width, int height);
void closeOffscreenContext(OffscreenContext& offscreen);

// What has been drawn so far, top row first.
Surface offscreenFrame(const OffscreenContext& offscreen);
