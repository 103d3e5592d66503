// The real window of tavrek in its 3D view, and without one.
#if TAVREK_3D

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "ShellDriver.h"
#include "TileProjection.h"
#include "WinDialogs.h"
#include "game/Commands.h"
#include "game/View3DGame.h"
#include "shell/FrameBitmapInfo.h"
#include "shell/GLContext.h"
#include "shell/GuiObjects.h"
#include "shell/Shell.h"
#include "shell/StartUp.h"
#include "shell/View3DWindow.h"
#include "view2d/BitmapWriter.h"

namespace {

using V = std::vector<int>;

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
    // Every pixel of the kept frame is spoilt first, so that one the read-back
    // misses cannot pass for drawn.
    std::vector<uint32_t> nextFrame() {
        std::vector<uint32_t>& kept = app().view3d.frame.pixels;
        std::fill(kept.begin(), kept.end(), 0xFF00FF00u);
        InvalidateRect(driver.window, nullptr, FALSE);
        driver.pump();
        return app().view3d.frame.pixels;
    }
    HMENU options() { return subMenuTitled(GetMenu(driver.window), "&Options"); }
    bool switchGreyed() { return (GetMenuState(options(), command::switchView, MF_BYCOMMAND) & MF_GRAYED) != 0; }
    // The context made again, as at start-up, on a fresh hidden window, with
    // only the surface paths given.
    GLContextResult reopenContext(unsigned allowedPaths) {
        Shell& s = shell();
        close3DView(app());
        destroyGLContext(s.view3DWindow, s.gl);
        DestroyWindow(s.view3DWindow);
        s.view3DWindow = createView3DWindow(s.instance, driver.window);
        sizeView3DWindow(s.view3DWindow, app().view.boardWidth, app().view.boardHeight);
        const GLContextResult result = createGLContext(s.view3DWindow, s.gl, allowedPaths);
        if (result != GLContextResult::ready) return result;
        useGLContext(result);
        return result;
    }
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

// How far a frame drawn by another renderer is from a reference: pixels that
// differ at all, and pixels where a channel differs by more than one level.
struct FrameDifference {
    size_t differing = 0;
    size_t farOff = 0;
};

FrameDifference differenceOf(const std::vector<uint32_t>& frame, const std::vector<uint32_t>& reference) {
    FrameDifference d;
    if (frame.size() != reference.size()) return {frame.size() + reference.size(), frame.size() + reference.size()};
    for (size_t i = 0; i < frame.size(); ++i) {
        if (frame[i] == reference[i]) continue;
        ++d.differing;
        for (int shift : {0, 8, 16})
            if (std::abs(int((frame[i] >> shift) & 0xFF) - int((reference[i] >> shift) & 0xFF)) > 1) {
                ++d.farOff;
                break;
            }
    }
    return d;
}

// The bitmap path draws with another renderer under Wine (OSMesa), whose
// bitmap formats all carry a stencil buffer and so get a 24-bit depth buffer
// instead of 16: outline pixels that lie within one 16-bit depth step of a
// side fall the other way (under a tenth of a percent of the frame). Its
// texture filtering rounds a few face pixels one level apart. Anything more
// (a black, stale, cut or untextured frame) is a fault.
void expectAlike(const std::vector<uint32_t>& frame, const std::vector<uint32_t>& reference) {
    const FrameDifference d = differenceOf(frame, reference);
    EXPECT_LE(d.differing, reference.size() / 200) << d.differing << " pixels differing";
    EXPECT_LE(d.farOff, reference.size() / 400) << d.farOff << " pixels differing by more than one level";
}

// A rectangle of the window's client area as the display shows it, read
// back from the window's device context, alpha left at 0 as in a frame.
Surface shownArea(HWND window, int left, int top, int width, int height) {
    const BITMAPINFO info = frameBitmapInfo(width, -height);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Surface shown;
    if (bitmap != nullptr) {
        const HGDIOBJ original = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
        GdiFlush();
        const uint32_t* read = static_cast<const uint32_t*>(bits);
        shown.width = width;
        shown.height = height;
        for (size_t i = 0; i < size_t(width) * size_t(height); ++i) shown.pixels.push_back(read[i] & 0xFFFFFF);
        SelectObject(memory, original);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return shown;
}

// The frame just drawn is what the window shows in the board area, as far
// as the client area reaches. With
// TAVREK_SCREENSHOTS naming a folder, the whole client area as shown is left
// there as `name`.bmp, to be looked at.
void expectShown(HWND window, const App& app, const std::string& name) {
    RECT client;
    GetClientRect(window, &client);
    const Surface& frame = app.view3d.frame;
    const int width = std::min<int>(frame.width, client.right);
    const Surface board = shownArea(window, 0, app.view.boardTop, width, frame.height);
    size_t differing = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < width; ++x)
            if (board.pixels[size_t(y) * size_t(width) + size_t(x)] != frame.pixels[size_t(y) * size_t(frame.width) + size_t(x)])
                ++differing;
    EXPECT_GT(width, frame.width - 4) << name;
    EXPECT_EQ(differing, 0u) << name << ": pixels the window shows otherwise than the frame";
    const char* folder = std::getenv("TAVREK_SCREENSHOTS");
    if (folder == nullptr) return;
    const Surface whole = shownArea(window, 0, 0, client.right, client.bottom);
    EXPECT_TRUE(writeBitmapFile(std::filesystem::path(folder) / (name + ".bmp"), whole)) << folder;
}

// Frames come from the off-screen surface, not from the hidden window: one
// shrunk to a single pixel behind the shell's back changes nothing. Each
// family of entry points draws the same frame, and the bitmap of a driver
// without either the same within a renderer's rounding; the bitmap's context
// keeps its textures through a change of size. Each path's frame, with a
// tile selected, reaches the window whole. A driver refusing every path
// leaves nothing held and the 2D view to play in.
TEST_F(View3DDriver, EverySurfacePathDrawsTheWholeFrameOffScreen) {
    const GLSurface& surface = shell().gl.surface;
    EXPECT_EQ(surface.path, GLSurfacePath::framebufferObject);
    EXPECT_EQ((V{surface.width, surface.height}), (V{app().view.boardWidth, app().view.boardHeight}));
    clickOnTile(state().removalOrder[0]);
    ASSERT_EQ(state().selectedTile, state().removalOrder[0]);
    const std::vector<uint32_t> first = nextFrame();
    expectShown(driver.window, app(), "framebufferObject");
    EXPECT_EQ(first.size(), size_t(app().view.boardWidth) * size_t(app().view.boardHeight));
    EXPECT_GT(std::set<uint32_t>(first.begin(), first.end()).size(), 50u) << "the heap, not a plain frame";
    EXPECT_FALSE(IsWindowVisible(shell().view3DWindow));
    SetWindowPos(shell().view3DWindow, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(nextFrame(), first);
    app().settings.Textures = 0;
    const std::vector<uint32_t> symbols = nextFrame();
    app().settings.Textures = 1;

    RECT outer;
    GetWindowRect(driver.window, &outer);
    const auto resize = [&](int less) {
        SetWindowPos(driver.window, nullptr, 0, 0, outer.right - outer.left - less, outer.bottom - outer.top - less,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return nextFrame();
    };
    std::vector<uint32_t> shrunkByObject;
    for (GLSurfacePath path : {GLSurfacePath::framebufferObjectEXT, GLSurfacePath::bitmap}) {
        SCOPED_TRACE(int(path));
        ASSERT_EQ(reopenContext(surfacePathBit(path)), GLContextResult::ready);
        EXPECT_EQ(surface.path, path);
        const std::vector<uint32_t> shrunk = resize(100);
        EXPECT_EQ((V{surface.width, surface.height}), (V{app().view.boardWidth, app().view.boardHeight}));
        EXPECT_EQ(shrunk.size(), size_t(surface.width) * size_t(surface.height));
        if (shrunkByObject.empty()) shrunkByObject = shrunk;
        expectAlike(shrunk, shrunkByObject);
        expectAlike(resize(0), first);
        expectShown(driver.window, app(), path == GLSurfacePath::bitmap ? "bitmap" : "framebufferObjectEXT");
        app().settings.Textures = 0;
        expectAlike(nextFrame(), symbols);
        app().settings.Textures = 1;
    }

    EXPECT_EQ(reopenContext(0), GLContextResult::noContext);
    EXPECT_EQ((std::vector<const void*>{shell().gl.deviceContext, shell().gl.renderingContext}),
              (std::vector<const void*>{nullptr, nullptr}));
    EXPECT_EQ(surface.path, GLSurfacePath::none);
    useGLContext(GLContextResult::noContext);
    EXPECT_FALSE(drawsIn3D(app()));
    EXPECT_TRUE(switchGreyed());
}

// The bitmap path holds a memory device context and a bitmap of its own:
// both go with the context, through every change of size.
TEST_F(View3DDriver, TheBitmapPathReleasesWhatItHolds) {
    Shell& s = shell();
    close3DView(app());
    destroyGLContext(s.view3DWindow, s.gl);
    const GuiObjectCounts before = guiObjectCounts();
    GLWindowContext context;
    ASSERT_EQ(createGLContext(s.view3DWindow, context, surfacePathBit(GLSurfacePath::bitmap)),
              GLContextResult::ready);
    EXPECT_EQ(context.renderingContext, nullptr) << "the window's context went";
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentContext(), context.surface.bitmap.renderingContext);
    for (int side : {40, 300, 0, 300}) EXPECT_TRUE(sizeGLSurface(context.surface, side, side)) << side;
    EXPECT_EQ((V{context.surface.width, context.surface.height}), (V{300, 300}));
    const GuiObjectCounts held = guiObjectCounts();
    EXPECT_EQ(held.live[int(GuiKind::bitmap)], before.live[int(GuiKind::bitmap)] + 1);
    EXPECT_EQ(held.live[int(GuiKind::deviceContext)], before.live[int(GuiKind::deviceContext)] + 1);
    destroyGLContext(s.view3DWindow, context);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    const GuiObjectCounts after = guiObjectCounts();
    EXPECT_EQ(after.live, before.live);
    EXPECT_EQ(after.strayReleases, before.strayReleases);
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

// The format chosen at start on the screen is taken only where the window's
// device describes it as all that is asked for: else the window chooses.
TEST(GLContext, AFormatChosenOnTheScreenIsTakenOnlyWhereItIsWhatTheWindowAsksFor) {
    const int screenFormat = startChoosingGLFormat().get();
    ASSERT_NE(screenFormat, 0);
    // Each offer on a fresh window, since a window keeps its first format.
    const auto formatTaken = [](int offered) {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);
        GLWindowContext context;
        int taken = 0;
        if (createGLContext(window, context, everyGLSurfacePath, offered) == GLContextResult::ready)
            taken = GetPixelFormat(context.deviceContext);
        destroyGLContext(window, context);
        DestroyWindow(window);
        return taken;
    };
    const int own = formatTaken(0);
    EXPECT_EQ(own, screenFormat);
    // Other formats of the display: one with all that is asked, one without
    // double buffering, one without depth.
    HDC screen = GetDC(nullptr);
    PIXELFORMATDESCRIPTOR f = {};
    const int formats = DescribePixelFormat(screen, 1, sizeof f, &f);
    int alike = 0, single = 0, flat = 0;
    for (int k = formats; k >= 1; --k) {
        DescribePixelFormat(screen, k, sizeof f, &f);
        if (f.iPixelType != PFD_TYPE_RGBA || (f.dwFlags & (PFD_SUPPORT_OPENGL | PFD_DRAW_TO_WINDOW)) !=
                                                 (PFD_SUPPORT_OPENGL | PFD_DRAW_TO_WINDOW))
            continue;
        const bool doubled = (f.dwFlags & PFD_DOUBLEBUFFER) != 0;
        if (doubled && f.cDepthBits >= 16 && k != own) alike = k;
        if (!doubled && f.cDepthBits >= 16) single = k;
        if (doubled && f.cDepthBits == 0) flat = k;
    }
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(alike != 0 && single != 0 && flat != 0) << alike << " " << single << " " << flat;
    EXPECT_EQ(formatTaken(alike), alike);
    EXPECT_EQ(formatTaken(single), own);
    EXPECT_EQ(formatTaken(flat), own);
    EXPECT_EQ(formatTaken(formats + 1), own);
}

#endif
