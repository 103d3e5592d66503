#include "game/CameraKeys.h"

#if TAVREK_3D

#include <cmath>

#include "files/Settings.h"

namespace {

// Digits 1 to 9 (top row or keypad) pan the camera: 4 and 6 along x, 2 and
// 8 along y, the corners along both; 5 and 0 do nothing.
struct Pan {
    int x;
    int y;
};
constexpr Pan digitPans[10] = {{0, 0},  {-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                               {0, 0},  {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

int digitOf(int virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') return virtualKey - '0';
    if (virtualKey >= 0x60 && virtualKey <= 0x69) return virtualKey - 0x60;
    return -1;
}

bool pan(Settings& settings, int digit) {
    const Pan step = digitPans[digit];
    if (step.x == 0 && step.y == 0) return false;
    settings.XView += static_cast<float>(step.x) * settings.StepRotation;
    settings.YView += static_cast<float>(step.y) * settings.StepRotation;
    return true;
}

// The bound is tested before the step, so one step may pass it.
bool stepIf(bool allowed, float& value, float step) {
    if (!allowed) return false;
    value += step;
    return true;
}

float wrapAngle(float degrees) { return std::fmod(std::trunc(degrees), 360.0f); }

}  // namespace

bool applyCameraKey(Settings& settings, int virtualKey) {
    const float step = settings.StepRotation;
    switch (virtualKey) {
        case cameraKey::up: settings.XPosition -= step; return false;
        case cameraKey::down: settings.XPosition += step; return false;
        case cameraKey::left: settings.YPosition -= step; return false;
        case cameraKey::right: settings.YPosition += step; return false;
        case cameraKey::home: settings.ZPosition -= step; return false;
        case cameraKey::end: settings.ZPosition += step; return false;
        case cameraKey::insert:
            return stepIf(settings.Inclination < settings.MaxInclination, settings.Inclination,
                          settings.StepInclination);
        case cameraKey::del:
            return stepIf(settings.Inclination > settings.MinInclination, settings.Inclination,
                          -settings.StepInclination);
        case cameraKey::pageUp: return stepIf(settings.ZView > settings.MinZoom, settings.ZView, -step);
        case cameraKey::pageDown: return stepIf(settings.ZView < settings.MaxZoom, settings.ZView, step);
        default: break;
    }
    const int digit = digitOf(virtualKey);
    return digit >= 0 && pan(settings, digit);
}

bool applyCameraWheel(Settings& settings, int distance) {
    if (distance == 0) return false;
    return applyCameraKey(settings, distance < 0 ? cameraKey::pageUp : cameraKey::pageDown);
}

void wrapCameraAngles(Settings& settings) {
    settings.XPosition = wrapAngle(settings.XPosition);
    settings.YPosition = wrapAngle(settings.YPosition);
    settings.ZPosition = wrapAngle(settings.ZPosition);
}

#endif
