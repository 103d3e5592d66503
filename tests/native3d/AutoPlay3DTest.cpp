// A demonstration that ends in the 3D view, with a real OpenGL context open:
// only the thread that holds the context may draw, the worker asks for repaints.
#include <gtest/gtest.h>

#include <thread>

#include "native/BoardBuilder.h"
#include "native/RecordingHost.h"
#include "engine/Deal.h"
#include "game/App.h"
#include "game/AutoPlay.h"
#include "game/DealGame.h"
#include "game/Redraw.h"
#include "game/View3DGame.h"
#include "files/DataDirectories.h"
#include "files/Settings.h"
#include "view2d/BoardView.h"
#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"
#include "view3d/offscreen/OffscreenContext.h"

namespace {

// Frames shown from a thread other than the test's own are counted apart.
struct ThreadWatchingHost : RecordingHost {
    std::thread::id windowThread = std::this_thread::get_id();
    int framesFromOtherThreads = 0;
    void presentFrame(const uint32_t* pixels, int width, int height) override {
        if (std::this_thread::get_id() != windowThread) ++framesFromOtherThreads;
        RecordingHost::presentFrame(pixels, width, height);
    }
};

// A board of 200 x 150 pixels in the 3D view, with a real OpenGL context open.
struct AutoPlay3D : ::testing::Test {
    ThreadWatchingHost host;
    App app{host};
    OffscreenContext gl;
    void SetUp() override {
        ASSERT_TRUE(openOffscreenContext(gl, 200, 150));
        initDataDirectories(app.dirs, "start");
        resizeBoard(scene2D(app), 200, 150);
        buildBoard(app.game, twoLayerLayout(), 0);
        open3DView(app, 200, 150);
        app.settings.view3D = 1;
    }
    void TearDown() override {
        close3DView(app);
        closeOffscreenContext(gl);
    }
};

}  // namespace

TEST_F(AutoPlay3D, TheWorkerOfADemonstrationEndingIn3DNeverDrawsAndTheWindowThreadShowsTheDealBack) {
    app.settings.AutoPlaySleep = 0;
    ASSERT_FALSE(dealNewGame(app).fellBack);
    redrawBoard(app);
    const int framesBefore = host.framesPresented;
    ASSERT_GT(framesBefore, 0);

    std::thread worker(autoPlayWorker, std::ref(app));
    worker.join();
    EXPECT_EQ(app.view3d.strayCalls, 0) << "OpenGL asked for on the worker";
    EXPECT_EQ(host.framesFromOtherThreads, 0);
    EXPECT_EQ(host.framesPresented, framesBefore);
    EXPECT_GT(host.repaintRequests, pairCount);
    EXPECT_EQ(app.game.state.tilesLeft, tileCount);

    // The repaint the worker asked for, answered on the window thread.
    redrawBoard(app);
    EXPECT_EQ(host.framesPresented, framesBefore + 1);
}

TEST(AutoPlay3DContext, EveryDrawingEntryRefusesAThreadThatDoesNotHoldTheContext) {
    View3D view;
    std::thread([&view] { claimContext(view); }).join();
    setCamera(view, Settings{}, 10, 10);
    releaseTileTextures(view);
    EXPECT_EQ(view.strayCalls, 2);
    claimContext(view);
    EXPECT_TRUE(onContextThread(view));
    EXPECT_EQ(view.strayCalls, 2);
}

// While the window is being made the deal draws nothing, and the removal fade
// keeps no count measured from a frame that was not drawn; the first frame
// after that is drawn, shown and measured as any other.
TEST_F(AutoPlay3D, HeldFramesDrawNothingUntilTheWindowIsShown) {
    app.view3d.framesHeld = true;
    app.view.fadeSteps = -1;
    ASSERT_FALSE(dealNewGame(app).fellBack);
    EXPECT_EQ(host.framesPresented, 0);
    EXPECT_EQ(host.repaintRequests, 0);
    EXPECT_EQ(app.view.fadeSteps, -1);
    EXPECT_TRUE(app.view3d.frame.pixels.empty());

    app.view3d.framesHeld = false;
    redrawBoard(app);
    EXPECT_EQ(host.framesPresented, 1);
    EXPECT_EQ((std::vector<int>{host.lastFrameWidth, host.lastFrameHeight}), (std::vector<int>{200, 150}));
    EXPECT_GE(app.view.fadeSteps, 0);
}
