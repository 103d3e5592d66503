// The real window of tavrek in its 3D view, and without one.
#if TAVREK_3D

#include <gtest/gtest.h>

#include "ShellDriver.h"
#include "TileProjection.h"
#include "WinDialogs.h"
#include "engine/Commands.h"
#include "game/View3DGame.h"
#include "shell/GLContext.h"
#include "shell/Shell.h"
#include "shell/StartUp.h"

namespace {

struct View3DDriver : ::testing::Test {
    void SetUp() override {
        driver.install(playSettings + "EasyMode = 1\r\n");
        ASSERT_TRUE(driver.start());
        KillTimer(driver.window, 900);
    }
    App& app() { return shell().app; }
    GameState& state() { return app().game.state; }
    void clickOnTile(int tile) {
        const ClientPoint p = tileTopCentre(scene3D(app()), tile);
        driver.click(p.x, p.y + app().view.boardTop);
    }
    std::vector<uint32_t> nextFrame() {
        InvalidateRect(driver.window, nullptr, FALSE);
        driver.pump();
        return app().view3d.frame.pixels;
    }
    HMENU options() { return subMenuTitled(GetMenu(driver.window), "&Options"); }
    bool switchGreyed() { return (GetMenuState(options(), command::switchView, MF_BYCOMMAND) & MF_GRAYED) != 0; }
    ShellDriver driver;
};

}  // namespace

TEST_F(View3DDriver, StartsIn3DAnswersTheCameraAndSwitchesBothWays) {
    ASSERT_TRUE(drawsIn3D(app()));
    const std::vector<uint32_t> start = nextFrame();
    driver.key(VK_LEFT);
    EXPECT_EQ(app().settings.YPosition, -5);
    const std::vector<uint32_t> turned = nextFrame();
    EXPECT_NE(turned, start);
    SendMessageA(driver.window, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(app().settings.ZView, 320);
    EXPECT_NE(nextFrame(), turned);
    for (const std::string* item : {&app().language.GO2D, &app().language.GO3D}) {
        EXPECT_EQ(menuTexts(options()).front(), *item);
        EXPECT_EQ(drawsIn3D(app()), item == &app().language.GO2D);
        EXPECT_FALSE(switchGreyed());
        driver.key(VK_SPACE);
    }
    EXPECT_TRUE(drawsIn3D(app()));
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
}

TEST_F(View3DDriver, WithoutAContextThePlayerIsToldOnceAndTheSwitchStaysGreyed) {
    close3DView(app());
    destroyGLContext(shell().view3DWindow, shell().gl);
    useGLContext(GLContextResult::noContext);
    ASSERT_EQ(ShellDriver::messages.size(), 1u);
    EXPECT_EQ(ShellDriver::messages[0].text, app().language.MesNo3D);
    EXPECT_NE(ShellDriver::messages[0].text.find("2D view"), std::string::npos);
    for (int tries = 0; tries < 2; ++tries) {
        EXPECT_EQ(menuTexts(options()).front(), app().language.GO3D);
        EXPECT_TRUE(switchGreyed());
        driver.key(VK_SPACE);
        driver.openMenu();
        EXPECT_FALSE(drawsIn3D(app()));
    }
    driver.clickTile(state().removalOrder[0]);  // the 2D view plays
    EXPECT_EQ(state().selectedTile, state().removalOrder[0]);
    EXPECT_EQ(ShellDriver::messages.size(), 1u);
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
    EXPECT_EQ(context.deviceContext, nullptr);
    EXPECT_EQ(context.renderingContext, nullptr);
    ReleaseDC(window, deviceContext);
    DestroyWindow(window);
}

#endif
