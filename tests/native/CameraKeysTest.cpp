#if TAVREK_3D

#include <gtest/gtest.h>

#include "engine/CameraKeys.h"
#include "files/Settings.h"

namespace {

void press(Settings& settings, int key, int times = 1) {
    for (int k = 0; k < times; ++k) {
        applyCameraKey(settings, key);
        wrapCameraAngles(settings);
    }
}

}  // namespace

TEST(CameraKeys, SeventyTwoLeftPressesOfFiveDegreesComeBackToZero) {
    Settings settings;
    settings.StepRotation = 5;
    press(settings, cameraKey::left, 72);
    EXPECT_EQ(settings.YPosition, 0.0f);
    press(settings, cameraKey::left);
    EXPECT_EQ(settings.YPosition, -5.0f);
    press(settings, cameraKey::right, 2);
    EXPECT_EQ(settings.YPosition, 5.0f);
}

TEST(CameraKeys, AnglesAreTruncatedAfterEachPressAndKeepTheirSign) {
    Settings settings;
    settings.StepRotation = 2.5f;
    press(settings, cameraKey::up);
    EXPECT_EQ(settings.XPosition, -2.0f);
    press(settings, cameraKey::up);
    EXPECT_EQ(settings.XPosition, -4.0f);
    settings.ZPosition = -365;
    settings.YPosition = 370;
    settings.XPosition = 12.7f;
    wrapCameraAngles(settings);
    EXPECT_EQ(settings.ZPosition, -5.0f);
    EXPECT_EQ(settings.YPosition, 10.0f);
    EXPECT_EQ(settings.XPosition, 12.0f);
    press(settings, cameraKey::end);
    EXPECT_EQ(settings.ZPosition, -2.0f);
}

TEST(CameraKeys, ZoomMayPassItsBoundOnceAndIsThenRefused) {
    Settings settings;
    settings.StepRotation = 5;
    settings.MinZoom = 0;
    settings.ZView = 3;
    EXPECT_TRUE(applyCameraKey(settings, cameraKey::pageUp));
    EXPECT_EQ(settings.ZView, -2.0f);
    EXPECT_FALSE(applyCameraKey(settings, cameraKey::pageUp));
    EXPECT_EQ(settings.ZView, -2.0f);
    settings.MaxZoom = 10;
    settings.ZView = 8;
    EXPECT_TRUE(applyCameraKey(settings, cameraKey::pageDown));
    EXPECT_FALSE(applyCameraKey(settings, cameraKey::pageDown));
    EXPECT_EQ(settings.ZView, 13.0f);
    settings.MaxZoom = 1000;
    settings.ZView = 100;
    EXPECT_TRUE(applyCameraWheel(settings, -120));
    EXPECT_EQ(settings.ZView, 95.0f);
    EXPECT_TRUE(applyCameraWheel(settings, 480));
    EXPECT_EQ(settings.ZView, 100.0f);
    EXPECT_FALSE(applyCameraWheel(settings, 0));
}

TEST(CameraKeys, TiltStepsWithinItsBounds) {
    Settings settings;
    settings.Inclination = 19.5f;
    settings.MaxInclination = 20;
    settings.StepInclination = 1;
    EXPECT_TRUE(applyCameraKey(settings, cameraKey::insert));
    EXPECT_EQ(settings.Inclination, 20.5f);
    EXPECT_FALSE(applyCameraKey(settings, cameraKey::insert));
    settings.Inclination = -20;
    settings.MinInclination = -20;
    EXPECT_FALSE(applyCameraKey(settings, cameraKey::del));
    EXPECT_EQ(settings.Inclination, -20.0f);
}

TEST(CameraKeys, DigitsOfBothRowsPanAndFiveAndZeroDoNothing) {
    Settings settings;
    settings.StepRotation = 5;
    const struct {
        int key;
        float x;
        float y;
    } cases[] = {{'4', -5, 0}, {'6', 5, 0}, {'2', 0, -5}, {'8', 0, 5}, {'1', -5, -5},
                 {0x63, 5, -5}, {0x67, -5, 5}, {'9', 5, 5}};
    for (const auto& c : cases) {
        settings.XView = 0;
        settings.YView = 0;
        EXPECT_TRUE(applyCameraKey(settings, c.key)) << c.key;
        EXPECT_EQ(settings.XView, c.x) << c.key;
        EXPECT_EQ(settings.YView, c.y) << c.key;
    }
    settings.XView = 0;
    settings.YView = 0;
    for (int key : {int('5'), int('0'), 0x65, 0x60, int('A'), 0x70}) EXPECT_FALSE(applyCameraKey(settings, key)) << key;
    EXPECT_EQ(settings.XView, 0.0f);
    EXPECT_EQ(settings.YView, 0.0f);
}

#endif
