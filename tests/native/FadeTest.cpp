#include <gtest/gtest.h>

#include <numeric>
#include <utility>

#include "FrameFixtures.h"
#include "view2d/Fade.h"
#include "view2d/PixelRules.h"
#include "game/Redraw.h"

namespace {

const std::vector<Placement> bridge = {{0, 0, 2, 3}, {0, 0, 0, 4}, {1, 0, 1, 40}};

int totalSleep(const RecordingHost& host) { return std::accumulate(host.sleeps.begin(), host.sleeps.end(), 0); }

}  // namespace

TEST(Fade, FramesFitTheDurationAtNoMoreThanSixtyASecond) {
    EXPECT_EQ(fadeFrameCount(500, 20000), 25);  // 20 ms frames
    EXPECT_EQ(fadeFrameCount(1000, 40000), 25);
    EXPECT_EQ(fadeFrameCount(500, 1000), 30);   // fast frames are held to 60 a second
    EXPECT_EQ(fadeFrameCount(500, 0), 30);      // even when too fast to measure
    EXPECT_EQ(fadeFrameCount(500, 499999), 1);
    EXPECT_EQ(fadeFrameCount(500, 500000), 1);
    EXPECT_EQ(fadeFrameCount(500, 500001), 0);  // one frame takes longer than the fade
    EXPECT_EQ(fadeFrameCount(0, 0), 0);
    EXPECT_EQ(fadeFrameCount(-300, 1000), 0);
    // The weights step by 100 / (frames + 1), which must not reach 0.
    EXPECT_EQ(fadeFrameCount(60000, 1000), mostFadeFrames);
    EXPECT_EQ(fadeFrameCount(INT32_MAX, 1), mostFadeFrames);
}

TEST(Fade, EveryRedrawMeasuresTheFadeBudget) {
    BoardScene scene;
    scene.place(bridge);
    scene.host.microsecondsPerReading = 20000;
    redrawBoard(scene.app);
    EXPECT_EQ(scene.host.framesPresented, 1);
    EXPECT_EQ(scene.app.view.fadeSteps, 25);  // 500 ms in frames of 20 ms
    scene.host.microsecondsPerReading = 0;
    redrawBoard(scene.app);
    EXPECT_EQ(scene.app.view.fadeSteps, 30);
    scene.app.settings.RemoveTileTime = 10;
    scene.host.microsecondsPerReading = 11000;
    redrawBoard(scene.app);
    EXPECT_EQ(scene.app.view.fadeSteps, 0);
}

TEST(Fade, TheRemovalFadeLastsAboutRemoveTileTime) {
    for (int64_t frameCost : {0, 1000, 7000, 30000}) {
        BoardScene scene;
        scene.place(bridge);
        scene.app.settings.RemoveTileTime = 400;
        scene.host.microsecondsPerReading = frameCost / 2;  // two readings around a frame
        redrawBoard(scene.app);
        const int frames = scene.app.view.fadeSteps;
        ASSERT_GT(frames, 0) << frameCost;
        const int64_t start = scene.host.clockMicroseconds;
        playRemovalFade(scene2D(scene.app), 2, noTile);
        const int64_t took = scene.host.clockMicroseconds - start;
        EXPECT_EQ(scene.host.framesPresented, 1 + frames) << frameCost;
        EXPECT_GE(took, 399000) << frameCost;
        EXPECT_LE(took, 400000 + frameCost + 1000) << frameCost;
        EXPECT_LE(frames, 24) << "at most about 60 frames a second";
        for (int sleep : scene.host.sleeps) EXPECT_GT(sleep, 0);
    }
}

TEST(Fade, FramesGoFromNearlyOpaqueToNearlyInvisible) {
    BoardScene scene;
    scene.place(bridge);
    const TileRecord& upper = scene.app.game.tiles[2];
    const int x = upper.screenX + 4, y = upper.screenY;  // above tile 0: background behind
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    const uint32_t face = scene.at(x, y);
    ASSERT_NE(face, sceneBackground);
    playFade(scene2D(scene.app), 2, noTile, 4, 100, sleepBetweenFrames(scene.host));
    ASSERT_EQ(scene.host.framesPresented, 1 + 4);
    // The last of four frames: step 20, the board weighs 80 and the face 20.
    EXPECT_EQ(scene.at(x, y), blendColours(sceneBackground, face, 80, 20));
    playFade(scene2D(scene.app), 2, noTile, 1, 100, sleepBetweenFrames(scene.host));
    EXPECT_EQ(scene.at(x, y), blendColours(sceneBackground, face, 50, 50));
    int waits = 0;
    playFade(scene2D(scene.app), 2, noTile, 4, 100, [&](int) { return ++waits < 2; });
    EXPECT_EQ(scene.host.framesPresented, 1 + 4 + 1 + 2) << "a wait that says no ends the fade";
    EXPECT_EQ(scene.app.view.fadeBase.fadingA, noTile) << "and drops its base";
}

TEST(Fade, NoFadeWithoutTimeOrFrames) {
    BoardScene scene;
    scene.place(bridge);
    scene.app.view.fadeSteps = 10;
    scene.app.settings.RemoveTileTime = 0;
    playRemovalFade(scene2D(scene.app), 2, noTile);
    scene.app.settings.RemoveTileTime = -50;
    playRemovalFade(scene2D(scene.app), 2, noTile);
    scene.app.settings.RemoveTileTime = 500;
    scene.app.view.fadeSteps = 0;
    playRemovalFade(scene2D(scene.app), 2, noTile);
    EXPECT_EQ(scene.host.framesPresented, 0);
    EXPECT_TRUE(scene.host.sleeps.empty());
}

TEST(Fade, TheAutomaticPlayerShowsThePairThenFadesOverAutoPlaySleep) {
    BoardScene scene;
    scene.place(bridge);
    scene.app.settings.AutoPlaySleep = 300;
    scene.host.microsecondsPerReading = 5000;  // a measured frame of 5 ms
    const int64_t start = scene.host.clockMicroseconds;
    playAutoPlayFade(scene2D(scene.app), 2, 1, sleepBetweenFrames(scene.host));
    EXPECT_EQ(scene.host.framesPresented, 1 + 18);  // 300 ms at 60 frames a second
    EXPECT_GE(scene.host.clockMicroseconds - start, 300000);
    EXPECT_LE(totalSleep(scene.host), 300);
    scene.app.settings.AutoPlaySleep = 0;
    playAutoPlayFade(scene2D(scene.app), 2, 1, sleepBetweenFrames(scene.host));
    EXPECT_EQ(scene.host.framesPresented, 1 + 18 + 1);
}

TEST(Fade, FramesSlowerThanMeasuredAreLeftOutRatherThanOverrun) {
    BoardScene scene;
    scene.place(bridge);
    scene.host.microsecondsPerReading = 30000;  // each frame takes 30 ms where 10 ms were planned
    const int64_t start = scene.host.clockMicroseconds;
    std::vector<int> waits;
    playFade(scene2D(scene.app), 2, noTile, 30, 300, [&](int milliseconds) {
        waits.push_back(milliseconds);
        return true;
    });
    EXPECT_EQ(waits, std::vector<int>(scene.host.framesPresented, 0)) << "a turn for others after every frame";
    EXPECT_LT(scene.host.framesPresented, 12);
    EXPECT_GE(scene.host.framesPresented, 9);
    EXPECT_LE(scene.host.clockMicroseconds - start, 300000 + 2 * 30000);
}

TEST(Fade, FramesFromTheKeptLowerBoardEqualWholeFrames) {
    BoardScene scene(200, 90);
    scene.place(threeLayerHeap());
    scene.app.settings.Shadows = 1;
    scene.app.game.state.selectedTile = 3;
    const int a = 130, b = 100;
    composeFrame2D(scene2D(scene.app), a, b, 30, 60);
    const std::vector<uint32_t> whole = scene.app.view.boardBitmap.pixels;
    keepFadeBase(scene2D(scene.app), a, b);
    EXPECT_LT(scene.app.view.fadeBase.tail.size(), size_t(tileCount - b));  // not every later tile
    fillRectangle(scene.app.view.boardBitmap, 0, 0, 200, 90, 0xFFFFFF);
    composeFrame2D(scene2D(scene.app), a, b, 30, 60);
    EXPECT_EQ(scene.app.view.boardBitmap.pixels, whole);
    // Low tiles fading: the tiles drawn over them must still come after them.
    for (const auto& pair : {std::pair<int, int>{0, 17}, {40, 90}, {79, 143}}) {
        composeFrame2D(scene2D(scene.app), pair.first, pair.second, 45, 45);
        const std::vector<uint32_t> expected = scene.app.view.boardBitmap.pixels;
        keepFadeBase(scene2D(scene.app), pair.first, pair.second);
        composeFrame2D(scene2D(scene.app), pair.first, pair.second, 45, 45);
        EXPECT_EQ(scene.app.view.boardBitmap.pixels, expected) << pair.first << " " << pair.second;
    }
    keepFadeBase(scene2D(scene.app), a, b);
    // Another pair, or the plain frame, is composed whole.
    composeFrame2D(scene2D(scene.app), noTile, noTile, 0, 0);
    const std::vector<uint32_t> plain = scene.app.view.boardBitmap.pixels;
    dropFadeBase(scene.app.view);
    composeFrame2D(scene2D(scene.app), noTile, noTile, 0, 0);
    EXPECT_EQ(scene.app.view.boardBitmap.pixels, plain);
    EXPECT_NE(plain, whole);
    keepFadeBase(scene2D(scene.app), a, b);
    composeFrame2D(scene2D(scene.app), a, 120, 30, 60);
    const std::vector<uint32_t> otherSecond = scene.app.view.boardBitmap.pixels;
    dropFadeBase(scene.app.view);
    composeFrame2D(scene2D(scene.app), a, 120, 30, 60);
    EXPECT_EQ(scene.app.view.boardBitmap.pixels, otherSecond) << "one tile of the pair changed";
    // A board area changed during the fade is not served from the old one.
    keepFadeBase(scene2D(scene.app), a, b);
    resizeBoard(scene2D(scene.app), 150, 80);
    composeFrame2D(scene2D(scene.app), a, b, 30, 60);
    const std::vector<uint32_t> resized = scene.app.view.boardBitmap.pixels;
    dropFadeBase(scene.app.view);
    composeFrame2D(scene2D(scene.app), a, b, 30, 60);
    EXPECT_EQ(scene.app.view.boardBitmap.pixels, resized);
}
