#include "shell/GLContext.h"

#include "shell/GuiObjects.h"

#if TAVREK_3D

namespace {

constexpr DWORD windowDoubleBufferedGL = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;  // 0x25

void releaseWindowContext(HWND window, GLWindowContext& context) {
    if (context.renderingContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context.renderingContext);
    }
    releaseDC(window, context.deviceContext);
    context = {};
}

GLContextResult fail(HWND window, GLWindowContext& context, GLContextResult result) {
    releaseWindowContext(window, context);
    return result;
}

bool windowContextCurrent(GLWindowContext& context) {
    context.renderingContext = wglCreateContext(context.deviceContext);
    return context.renderingContext != nullptr && wglMakeCurrent(context.deviceContext, context.renderingContext);
}

}  // namespace

std::future<void> startLoadingGLDriver() {
    return std::async(std::launch::async, [] {
        HDC screen = GetDC(nullptr);
        PIXELFORMATDESCRIPTOR format = {};
        DescribePixelFormat(screen, 1, sizeof format, &format);
        ReleaseDC(nullptr, screen);
    });
}

GLContextResult createGLContext(HWND window, GLWindowContext& context, unsigned allowedPaths) {
    context.deviceContext = counted(GuiKind::deviceContext, GetDC(window));
    const PIXELFORMATDESCRIPTOR format =
        requestedGLFormat(windowDoubleBufferedGL, static_cast<BYTE>(GetDeviceCaps(context.deviceContext, BITSPIXEL)));
    const int chosen = ChoosePixelFormat(context.deviceContext, &format);
    if (chosen == 0) return fail(window, context, GLContextResult::noPixelFormat);
    if (!SetPixelFormat(context.deviceContext, chosen, &format))
        return fail(window, context, GLContextResult::pixelFormatRefused);
    RECT client;
    GetClientRect(window, &client);
    if (windowContextCurrent(context) && openGLSurface(context.surface, client.right, client.bottom, allowedPaths))
        return GLContextResult::ready;
    // Without a frame buffer object the window's context is of no use: the
    // bitmap gets a context of its own.
    releaseWindowContext(window, context);
    return openGLBitmapSurface(context.surface, client.right, client.bottom, allowedPaths) ? GLContextResult::ready
                                                                                         : GLContextResult::noContext;
}

const char* pixelFormatFailureText(GLContextResult result) {
    if (result == GLContextResult::noPixelFormat) return "ChoosePixelFormat failed.";
    if (result == GLContextResult::pixelFormatRefused) return "SetPixelFormat failed.";
    return nullptr;
}

void destroyGLContext(HWND window, GLWindowContext& context) {
    closeGLSurface(context.surface);
    if (context.deviceContext != nullptr) releaseWindowContext(window, context);
}

#endif
