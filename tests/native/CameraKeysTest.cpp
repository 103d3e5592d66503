#if TAVREK_3D

#include <gtest/gtest.h>

#include "engine/CameraKeys.h"
#include "files/Settings.h"

// The camera as the keys see it: angles x, y, z, pan x, y, zoom and tilt.
using Camera = std::vector<float>;

static Camera cameraOf(const Settings& s) {
    return {s.XPosition, s.YPosition, s.ZPosition, s.XView, s.YView, s.ZView, s.Inclination};
}

// One key on a camera with steps of 2.5 (tilt 1), zoom within 0 to 10 and
// tilt within -20 to 20; angles are truncated and wrapped after each press,
// keeping their sign. Zoom and tilt test their bound before the step, so one
// step may pass it and the next is refused; only they and the pan ask for a
// redraw, the angles being redrawn by their caller.
TEST(CameraKeys, EachKeyMovesItsOwnValue) {
    const struct { int key; Camera before, after; bool accepted; } presses[] = {
        {cameraKey::up, {0, 0, 0, 0, 0, 5, 0}, {-2, 0, 0, 0, 0, 5, 0}, false},
        {cameraKey::down, {-4, 0, 0, 0, 0, 5, 0}, {-1, 0, 0, 0, 0, 5, 0}, false},
        {cameraKey::left, {0, -357.5f, 0, 0, 0, 5, 0}, {0, 0, 0, 0, 0, 5, 0}, false},
        {cameraKey::right, {0, 2.5f, 0, 0, 0, 5, 0}, {0, 5, 0, 0, 0, 5, 0}, false},
        {cameraKey::home, {0, 0, -365, 0, 0, 5, 0}, {0, 0, -7, 0, 0, 5, 0}, false},
        {cameraKey::end, {12.7f, 370, -5, 0, 0, 5, 0}, {12, 10, -2, 0, 0, 5, 0}, false},
        {cameraKey::pageUp, {0, 0, 0, 0, 0, 2, 0}, {0, 0, 0, 0, 0, -0.5f, 0}, true},
        {cameraKey::pageUp, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}, false},
        {cameraKey::pageDown, {0, 0, 0, 0, 0, 9, 0}, {0, 0, 0, 0, 0, 11.5f, 0}, true},
        {cameraKey::pageDown, {0, 0, 0, 0, 0, 10, 0}, {0, 0, 0, 0, 0, 10, 0}, false},
        {cameraKey::insert, {0, 0, 0, 0, 0, 5, 19.5f}, {0, 0, 0, 0, 0, 5, 20.5f}, true},
        {cameraKey::insert, {0, 0, 0, 0, 0, 5, 20}, {0, 0, 0, 0, 0, 5, 20}, false},
        {cameraKey::del, {0, 0, 0, 0, 0, 5, -19}, {0, 0, 0, 0, 0, 5, -20}, true},
        {cameraKey::del, {0, 0, 0, 0, 0, 5, -20}, {0, 0, 0, 0, 0, 5, -20}, false},
        // Digits of both rows pan; 5 and 0 do nothing, nor do other keys.
        {'4', {0, 0, 0, 1, 1, 5, 0}, {0, 0, 0, -1.5f, 1, 5, 0}, true}, {'6', {}, {0, 0, 0, 2.5f, 0, 5, 0}, true},
        {'2', {}, {0, 0, 0, 0, -2.5f, 5, 0}, true}, {'8', {}, {0, 0, 0, 0, 2.5f, 5, 0}, true},
        {'1', {}, {0, 0, 0, -2.5f, -2.5f, 5, 0}, true}, {0x63, {}, {0, 0, 0, 2.5f, -2.5f, 5, 0}, true},
        {0x67, {}, {0, 0, 0, -2.5f, 2.5f, 5, 0}, true}, {'9', {}, {0, 0, 0, 2.5f, 2.5f, 5, 0}, true},
        {'5', {}, {0, 0, 0, 0, 0, 5, 0}, false}, {'0', {}, {0, 0, 0, 0, 0, 5, 0}, false},
        {0x65, {}, {0, 0, 0, 0, 0, 5, 0}, false}, {0x60, {}, {0, 0, 0, 0, 0, 5, 0}, false},
        {'A', {}, {0, 0, 0, 0, 0, 5, 0}, false}, {0x70, {}, {0, 0, 0, 0, 0, 5, 0}, false}};
    for (const auto& p : presses) {
        Settings s;
        s.StepRotation = 2.5f, s.StepInclination = 1, s.MinZoom = 0, s.MaxZoom = 10, s.MinInclination = -20, s.MaxInclination = 20;
        const Camera before = p.before.empty() ? Camera{0, 0, 0, 0, 0, 5, 0} : p.before;
        s.XPosition = before[0], s.YPosition = before[1], s.ZPosition = before[2], s.XView = before[3], s.YView = before[4];
        s.ZView = before[5], s.Inclination = before[6];
        EXPECT_EQ(applyCameraKey(s, p.key), p.accepted) << p.key;
        wrapCameraAngles(s);
        EXPECT_EQ(cameraOf(s), p.after) << p.key;
    }
}

TEST(CameraKeys, TheWheelZoomsByOneStepEitherWay) {
    Settings s;
    s.StepRotation = 5, s.ZView = 100;
    EXPECT_TRUE(applyCameraWheel(s, -120));
    EXPECT_EQ(s.ZView, 95.0f);
    EXPECT_TRUE(applyCameraWheel(s, 480));
    EXPECT_FALSE(applyCameraWheel(s, 0));
    EXPECT_EQ(s.ZView, 100.0f);
}

#endif
