#if TAVREK_3D

#include <gtest/gtest.h>

#include "engine/CameraKeys.h"
#include "files/Settings.h"

using Values = std::vector<float>;

static void press(Settings& settings, int key, int times = 1) {
    for (int k = 0; k < times; ++k) {
        applyCameraKey(settings, key);
        wrapCameraAngles(settings);
    }
}

// Angles are truncated and wrapped after each press, keeping their sign:
// seventy-two presses of five degrees come back to zero.
TEST(CameraKeys, AnglesTurnByTheStepTruncatedAndWrapped) {
    Settings s;
    s.StepRotation = 5;
    press(s, cameraKey::left, 72);
    EXPECT_EQ(s.YPosition, 0.0f);
    press(s, cameraKey::left);
    EXPECT_EQ(s.YPosition, -5.0f);
    press(s, cameraKey::right, 2);
    EXPECT_EQ(s.YPosition, 5.0f);
    s.StepRotation = 2.5f;
    press(s, cameraKey::up);
    press(s, cameraKey::up);
    press(s, cameraKey::down);
    EXPECT_EQ(s.XPosition, -1.0f) << "-2.5 is -2, -4.5 is -4, then -1.5 is -1";
    s.ZPosition = -365, s.YPosition = 370, s.XPosition = 12.7f;
    wrapCameraAngles(s);
    EXPECT_EQ((Values{s.XPosition, s.YPosition, s.ZPosition}), (Values{12, 10, -5}));
    press(s, cameraKey::end);
    press(s, cameraKey::home, 2);
    EXPECT_EQ(s.ZPosition, -6.0f) << "-2.5 is -2, -4.5 is -4, -6.5 is -6";
}

// Zoom and tilt test their bound before the step, so one step may pass it
// and the next is refused.
TEST(CameraKeys, ZoomAndTiltMayPassTheirBoundOnce) {
    Settings s;
    s.StepRotation = 5, s.MinZoom = 0, s.ZView = 3, s.MaxZoom = 10;
    EXPECT_TRUE(applyCameraKey(s, cameraKey::pageUp));
    EXPECT_FALSE(applyCameraKey(s, cameraKey::pageUp));
    EXPECT_EQ(s.ZView, -2.0f);
    s.ZView = 8;
    EXPECT_TRUE(applyCameraKey(s, cameraKey::pageDown));
    EXPECT_FALSE(applyCameraKey(s, cameraKey::pageDown));
    EXPECT_EQ(s.ZView, 13.0f);
    s.MaxZoom = 1000, s.ZView = 100;
    EXPECT_TRUE(applyCameraWheel(s, -120));
    EXPECT_EQ(s.ZView, 95.0f);
    EXPECT_TRUE(applyCameraWheel(s, 480));
    EXPECT_FALSE(applyCameraWheel(s, 0));
    EXPECT_EQ(s.ZView, 100.0f);
    s.Inclination = 19.5f, s.MaxInclination = 20, s.StepInclination = 1;
    EXPECT_TRUE(applyCameraKey(s, cameraKey::insert));
    EXPECT_FALSE(applyCameraKey(s, cameraKey::insert));
    EXPECT_EQ(s.Inclination, 20.5f);
    s.Inclination = -19, s.MinInclination = -20;
    EXPECT_TRUE(applyCameraKey(s, cameraKey::del));
    EXPECT_FALSE(applyCameraKey(s, cameraKey::del));
    EXPECT_EQ(s.Inclination, -20.0f);
}

TEST(CameraKeys, DigitsOfBothRowsPanAndFiveAndZeroDoNothing) {
    Settings s;
    s.StepRotation = 5;
    const struct { int key; float x, y; } cases[] = {{'4', -5, 0}, {'6', 5, 0},    {'2', 0, -5},   {'8', 0, 5},
                                                     {'1', -5, -5}, {0x63, 5, -5}, {0x67, -5, 5}, {'9', 5, 5}};
    for (const auto& c : cases) {
        s.XView = 0, s.YView = 0;
        EXPECT_TRUE(applyCameraKey(s, c.key)) << c.key;
        EXPECT_EQ((Values{s.XView, s.YView}), (Values{c.x, c.y})) << c.key;
    }
    s.XView = 0, s.YView = 0;
    for (int key : {int('5'), int('0'), 0x65, 0x60, int('A'), 0x70}) EXPECT_FALSE(applyCameraKey(s, key)) << key;
    EXPECT_EQ((Values{s.XView, s.YView}), (Values{0, 0}));
}

#endif
