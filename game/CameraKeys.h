// The keys that turn, pan, tilt and zoom the camera of the 3D view.
#pragma once

#if TAVREK_3D

struct Settings;

// Virtual-key codes the camera answers to.
namespace cameraKey {
constexpr int pageUp = 0x21;
constexpr int pageDown = 0x22;
constexpr int end = 0x23;
constexpr int home = 0x24;
constexpr int left = 0x25;
constexpr int up = 0x26;
constexpr int right = 0x27;
constexpr int down = 0x28;
constexpr int insert = 0x2D;
constexpr int del = 0x2E;
}  // namespace cameraKey

// Applies one key press to the camera settings. True when the projection
// and camera must be rebuilt (tilt, zoom and pan keys that changed a value).
bool applyCameraKey(Settings& settings, int virtualKey);

// The wheel: a negative distance zooms in like Page Up, a positive one out
// like Page Down, one step per message whatever the distance.
bool applyCameraWheel(Settings& settings, int distance);

// Each rotation angle becomes a whole number of degrees (truncated towards
// zero) within one turn, keeping its sign: -365 gives -5, 12.7 gives 12.
void wrapCameraAngles(Settings& settings);

#endif
