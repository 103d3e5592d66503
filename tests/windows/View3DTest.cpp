// The real window of tavrek in its 3D view: it starts there, switches both
// ways, answers the camera keys and the wheel, is won by clicks where the
// tiles are seen, and demonstrates a game while still answering.
#if TAVREK_3D

#include <gtest/gtest.h>

#include "ShellDriver.h"
#include "TileProjection.h"
#include "WinDialogs.h"
#include "engine/Commands.h"
#include "game/AutoPlay.h"
#include "game/View3DGame.h"
#include "shell/GLContext.h"
#include "shell/Shell.h"

namespace {

struct View3DDriver : ::testing::Test {
    void SetUp() override {
        driver.copyShippedData();
        driver.writeSettings(
            "Language        = \"ENGLISH.TXT\"\r\nLayout          = \"DEFAULT.TVL\"\r\n"
            "RemoveTileTime  = 0\r\nAutoPlaySleep   = 10\r\nEasyMode        = 1\r\n");
        ASSERT_TRUE(driver.start());
        KillTimer(driver.window, 900);
    }
    App& app() { return shell().app; }
    GameState& state() { return app().game.state; }
    void clickOnTile(int tile) {
        const ClientPoint p = tileTopCentre(scene3D(app()), tile);
        driver.click(p.x, p.y + app().view.boardTop);
    }
    // The frame the next paint shows.
    std::vector<uint32_t> frame() {
        InvalidateRect(driver.window, nullptr, FALSE);
        driver.pump();
        return app().view3d.frame.pixels;
    }
    std::string firstOptionsItem() { return menuTexts(subMenuTitled(GetMenu(driver.window), "&Options")).front(); }
    ShellDriver driver;
};

}  // namespace

TEST_F(View3DDriver, StartsIn3DAndSwitchesToTheFlatViewAndBack) {
    ASSERT_TRUE(drawsIn3D(app()));
    EXPECT_TRUE(ShellDriver::messages.empty());
    EXPECT_EQ(app().view3d.frame.width, app().view.boardWidth);
    EXPECT_EQ(app().view3d.frame.height, app().view.boardHeight);
    EXPECT_EQ(firstOptionsItem(), app().language.GO2D);
    driver.key(VK_SPACE);
    EXPECT_FALSE(drawsIn3D(app()));
    EXPECT_EQ(firstOptionsItem(), app().language.GO3D);
    driver.command(command::switchView);
    EXPECT_TRUE(drawsIn3D(app()));
    EXPECT_EQ(firstOptionsItem(), app().language.GO2D);
}

TEST_F(View3DDriver, CameraKeysAndTheWheelChangeTheFrame) {
    const std::vector<uint32_t> start = frame();
    driver.key(VK_LEFT);
    EXPECT_EQ(app().settings.YPosition, -5);
    const std::vector<uint32_t> turned = frame();
    EXPECT_NE(turned, start);
    SendMessageA(driver.window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(app().settings.ZView, 320);
    EXPECT_NE(frame(), turned);
    driver.key('6');
    EXPECT_EQ(app().settings.XView, 5);
}

TEST_F(View3DDriver, AWholeGameIsWonByClicksWhereTheTilesAreSeen) {
    answerWinDialogs("Gwen");
    const std::array<uint8_t, tileCount> order = state().removalOrder;
    for (size_t k = 0; k < tileCount; k += 2) {
        clickOnTile(order[k]);
        ASSERT_EQ(state().selectedTile, order[k]) << k;
        clickOnTile(order[k + 1]);
        ASSERT_EQ(state().tilesLeft, int(tileCount - k - 2)) << k;
    }
    EXPECT_EQ(winDialogsSeen().nameDialogs, 1);
    stopAnsweringWinDialogs();
}

TEST_F(View3DDriver, ADemonstrationPlaysIn3DWhileTheWindowAnswers) {
    const BoardGrid dealt = app().game.boardGrid;
    driver.command(command::autoPlay);
    bool answered = false;
    for (int waited = 0; waited < 30000 && autoPlayerBusy(app()); waited += 5) {
        if (!answered && state().movesMade >= 10) {
            driver.key(VK_RIGHT);
            answered = app().settings.YPosition == 5;
            EXPECT_TRUE(autoPlayerBusy(app()));
        }
        driver.pump();
        Sleep(5);
    }
    EXPECT_TRUE(answered);
    ASSERT_FALSE(autoPlayerBusy(app()));
    EXPECT_EQ(app().game.boardGrid, dealt);
    EXPECT_EQ(state().tilesLeft, tileCount);
}

// A window keeps the first pixel format it was given: one without double
// buffering set beforehand makes the context's format refused, with the fixed
// text, and nothing is left held.
TEST(GLContext, AWindowWithAnotherPixelFormatRefusesTheContext) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);
    HDC deviceContext = GetDC(window);
    PIXELFORMATDESCRIPTOR format = {};
    const int formats = DescribePixelFormat(deviceContext, 1, sizeof format, &format);
    int single = 0;
    for (int k = 1; k <= formats && single == 0; ++k) {
        DescribePixelFormat(deviceContext, k, sizeof format, &format);
        if ((format.dwFlags & PFD_SUPPORT_OPENGL) && !(format.dwFlags & PFD_DOUBLEBUFFER)) single = k;
    }
    ASSERT_NE(single, 0);
    ASSERT_TRUE(SetPixelFormat(deviceContext, single, &format));
    GLWindowContext context;
    EXPECT_EQ(createGLContext(window, context), GLContextResult::pixelFormatRefused);
    EXPECT_STREQ(pixelFormatFailureText(GLContextResult::pixelFormatRefused), "SetPixelFormat failed.");
    EXPECT_STREQ(pixelFormatFailureText(GLContextResult::noPixelFormat), "ChoosePixelFormat failed.");
    EXPECT_EQ(pixelFormatFailureText(GLContextResult::noContext), nullptr);
    EXPECT_EQ(context.deviceContext, nullptr);
    EXPECT_EQ(context.renderingContext, nullptr);
    ReleaseDC(window, deviceContext);
    DestroyWindow(window);
}

#endif
