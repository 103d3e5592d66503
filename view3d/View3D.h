// The 3D view's own record and what one of its frames shows.
#pragma once

#include <array>
#include <cstdint>
#include <thread>

#include "engine/BoardModel.h"
#include "view2d/Shadows.h"
#include "view2d/Surface.h"

struct Settings;

// One texture per used cell of the tile-set picture: faces 1 to 42 use
// textures 0 to 41, texture 42 is the hidden face.
constexpr int faceTextureCount = 43;

struct View3D {
    bool open = false;    // an OpenGL context is current for the view
    float aspect = 1.0f;  // width / height of the last viewport
    // OpenGL texture names; 0 where the tile set gave no picture.
    std::array<uint32_t, faceTextureCount> textures{};
    Surface frame;  // the last frame, read back to be shown like a 2D one
    // OpenGL may be called only where the context is current: the thread
    // that made the view, until the window's context is opened on another.
    std::thread::id contextThread = std::this_thread::get_id();
    int strayCalls = 0;  // drawing asked for on another thread, and refused
    // While the window is being made no frame can be seen: the first one is
    // drawn by the paint that shows the window.
    bool framesHeld = false;
};

// The calling thread now holds the view's context.
void claimContext(View3D& view);
bool ownsContext(const View3D& view);
// True on the context's thread; elsewhere counts a stray call and is false,
// so that the caller draws nothing.
bool onContextThread(View3D& view);

// What a frame draws: the game model (drawing may set the hint index back to
// its first pair), the shadow flags and the heap's centre in scene units.
struct Scene3D {
    GameModel& game;
    const ShadowFlags& shadowFlags;
    const float* centre;  // two floats: x, y
    const Settings& settings;
};
