#include <gtest/gtest.h>

#include <numeric>

#include "FrameFixtures.h"
#include "game/Redraw.h"
#include "view2d/Fade.h"
#include "view2d/PixelRules.h"

namespace {

struct Fade : ::testing::Test {
    BoardScene scene;
    void SetUp() override { scene.place(bridge); }
    int64_t fadeTime(const std::function<void()>& fade) {
        const int64_t start = scene.host.clockMicroseconds;
        fade();
        return scene.host.clockMicroseconds - start;
    }
    // A redraw, then the fade of a removed pair over RemoveTileTime (400 ms):
    // the frames the redraw planned, every wait a real one, late by at most `slack`.
    int redrawAndFade(int64_t slack) {
        scene.app.settings.RemoveTileTime = 400;
        redrawBoard(scene.app);
        scene.host.framesPresented = 0;
        scene.host.sleeps.clear();
        const int64_t took = fadeTime([&] { playRemovalFade(scene2D(scene.app), 2, noTile); });
        EXPECT_EQ(scene.host.framesPresented, scene.app.view.fadeSteps);
        EXPECT_TRUE(took >= 399000 && took <= 400000 + slack) << took;
        for (int sleep : scene.host.sleeps) EXPECT_GT(sleep, 0);
        return scene.app.view.fadeSteps;
    }
};

}  // namespace

// At most 60 frames a second, even when too fast to measure; none when one
// frame takes longer than the fade; the weights step by 100 / (frames + 1),
// which must not reach 0.
TEST(FadeFrames, FramesFitTheDurationAtNoMoreThanSixtyASecond) {
    const std::vector<std::vector<int64_t>> cases = {{500, 20000, 25}, {1000, 40000, 25}, {500, 1000, 30},
                                                     {500, 0, 30},     {500, 499999, 1},  {500, 500000, 1},
                                                     {500, 500001, 0}, {0, 0, 0},         {-300, 1000, 0},
                                                     {60000, 1000, mostFadeFrames},  {INT32_MAX, 1, mostFadeFrames}};
    for (const auto& c : cases) EXPECT_EQ(fadeFrameCount(int32_t(c[0]), c[1]), c[2]) << c[0] << " " << c[1];
}

TEST_F(Fade, TheRemovalFadeLastsAboutRemoveTileTime) {
    int64_t frameCost = 0;
    scene.host.frameCost = [&] { return frameCost; };
    for (int64_t cost : {0, 1000, 7000, 30000}) {
        frameCost = cost;
        const int frames = redrawAndFade(cost + 1000);
        EXPECT_TRUE(frames > 0 && frames <= 24) << cost << ": at most about 60 frames a second";
    }
}

TEST_F(Fade, FramesGoFromNearlyOpaqueToNearlyInvisible) {
    const TileRecord& upper = scene.app.game.tiles[2];
    const int x = upper.screenX + 4, y = upper.screenY;  // above tile 0: background behind
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    const uint32_t face = scene.at(x, y);
    ASSERT_NE(face, sceneBackground);
    playFade(scene2D(scene.app), 2, noTile, 4, 100, sleepBetweenFrames(scene.host));
    // The last of four frames: step 20, the board weighs 80 and the face 20.
    EXPECT_EQ(scene.at(x, y), blendColours(sceneBackground, face, 80, 20));
    playFade(scene2D(scene.app), 2, noTile, 1, 100, sleepBetweenFrames(scene.host));
    EXPECT_EQ(scene.at(x, y), blendColours(sceneBackground, face, 50, 50));
    int waits = 0;
    playFade(scene2D(scene.app), 2, noTile, 4, 100, [&](int) { return ++waits < 2; });
    EXPECT_EQ(scene.host.framesPresented, 1 + 4 + 1 + 2) << "a wait that says no ends the fade";
    EXPECT_EQ(scene.app.view.fadeBase.fadingA, noTile) << "and drops its base";
}

TEST_F(Fade, TheAutomaticPlayerShowsThePairThenFadesOverAutoPlaySleep) {
    scene.app.settings.AutoPlaySleep = 300;
    scene.host.microsecondsPerReading = 5000;  // a measured frame of 5 ms
    EXPECT_GE(fadeTime([&] { playAutoPlayFade(scene2D(scene.app), 2, 1, sleepBetweenFrames(scene.host)); }), 300000);
    EXPECT_EQ(scene.host.framesPresented, 1 + 18);  // 300 ms at 60 frames a second
    EXPECT_LE(std::accumulate(scene.host.sleeps.begin(), scene.host.sleeps.end(), 0), 300);
    scene.app.settings.AutoPlaySleep = 0;
    playAutoPlayFade(scene2D(scene.app), 2, 1, sleepBetweenFrames(scene.host));
    EXPECT_EQ(scene.host.framesPresented, 1 + 18 + 1);
}

TEST_F(Fade, FramesSlowerThanMeasuredAreLeftOutRatherThanOverrun) {
    scene.host.frameCost = [] { return 30000; };  // each frame takes 30 ms where 10 ms were planned
    std::vector<int> waits;
    const int64_t took = fadeTime([&] {
        playFade(scene2D(scene.app), 2, noTile, 30, 300, [&](int ms) {
            waits.push_back(ms);
            return true;
        });
    });
    EXPECT_EQ(waits, std::vector<int>(scene.host.framesPresented, 0)) << "a turn for others after every frame";
    EXPECT_LT(scene.host.framesPresented, 12);
    EXPECT_GE(scene.host.framesPresented, 9);
    EXPECT_LE(took, 300000 + 2 * 30000);
}

// A fade frame redraws a few tiles over a kept board and costs far less than
// a plain one; the fade gets as many frames as its own frames leave time
// for, and follows a machine that grows slower.
TEST_F(Fade, FadeStepsFollowWhatAFadeFrameCosts) {
    int64_t plainCost = 200000, fadeCost = 20000;
    scene.host.frameCost = [&] { return scene.app.view.fadeBase.fadingA != noTile ? fadeCost : plainCost; };
    std::vector<int> steps;
    steps.push_back(redrawAndFade(fadeCost));  // nothing known of fade frames yet: as long as a plain frame
    steps.push_back(redrawAndFade(fadeCost));
    plainCost *= 2, fadeCost *= 2;
    steps.push_back(redrawAndFade(fadeCost));
    resizeBoard(scene2D(scene.app), 70, 40);  // another board area: learnt again
    plainCost = 100000;
    steps.push_back(redrawAndFade(fadeCost));
    EXPECT_EQ(steps, (std::vector<int>{2, 20, 10, 4}));
}

// Frames composed over the kept lower board of the pair (a, b) equal frames
// painted whole, each one over the last; `between` runs before each frame.
void expectFromKeptBase(BoardScene& scene, int a, int b, int composeA, int composeB,
                        const std::function<void()>& between = [] {}) {
    const Scene2D s = scene2D(scene.app);
    keepFadeBase(s, a, b);
    std::vector<std::vector<uint32_t>> fromBase;
    for (int16_t weight : {30, 60, 90}) {
        between();
        composeFrame2D(s, composeA, composeB, weight, int16_t(100 - weight));
        fromBase.push_back(scene.app.view.boardBitmap.pixels);
    }
    dropFadeBase(scene.app.view);
    for (int16_t weight : {30, 60, 90}) {
        paintFrame2D(s, composeA, composeB, weight, int16_t(100 - weight));
        EXPECT_EQ(fromBase[weight / 30 - 1], scene.app.view.boardBitmap.pixels)
            << a << " " << b << " then " << composeA << " " << composeB << " at " << weight;
    }
}

TEST(FadeBase, FramesFromTheKeptLowerBoardEqualWholeFrames) {
    BoardScene scene(200, 90);
    scene.place(threeLayerHeap());
    scene.app.settings.Shadows = 1;
    scene.app.game.state.selectedTile = 3;
    keepFadeBase(scene2D(scene.app), 130, 100);
    EXPECT_LT(scene.app.view.fadeBase.tail.size(), size_t(tileCount - 100));  // not every later tile
    // Low tiles fading: the tiles drawn over them must still come after them.
    for (const std::vector<int>& pair : {std::vector<int>{130, 100}, {0, 17}, {40, 90}, {79, 143}})
        expectFromKeptBase(scene, pair[0], pair[1], pair[0], pair[1]);
    // Another pair, the plain frame, or a board area changed during the fade is composed whole.
    expectFromKeptBase(scene, 130, 100, noTile, noTile);
    expectFromKeptBase(scene, 130, 100, 130, 120);
    expectFromKeptBase(scene, 130, 100, 130, 100, [&] { resizeBoard(scene2D(scene.app), 150, 80); });
    // A plain frame shown during the fade, or a board bitmap given back, leaves
    // nothing of the fade to build on.
    expectFromKeptBase(scene, 0, 17, 0, 17, [&] { composeFrame2D(scene2D(scene.app), noTile, noTile, 0, 0); });
    expectFromKeptBase(scene, 0, 17, 0, 17, [&] { releaseSurface(scene.app.view.boardBitmap); });
}
