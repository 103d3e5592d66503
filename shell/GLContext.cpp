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

PIXELFORMATDESCRIPTOR windowFormatFor(HDC deviceContext) {
    return requestedGLFormat(windowDoubleBufferedGL, static_cast<BYTE>(GetDeviceCaps(deviceContext, BITSPIXEL)));
}

// A number chosen on another device context is only a guess for this one.
bool describesRequest(HDC deviceContext, int number, const PIXELFORMATDESCRIPTOR& request) {
    PIXELFORMATDESCRIPTOR found = {};
    return number > 0 && DescribePixelFormat(deviceContext, number, sizeof found, &found) != 0 &&
           (found.dwFlags & request.dwFlags) == request.dwFlags && found.iPixelType == request.iPixelType &&
           found.cDepthBits >= request.cDepthBits;
}

}  // namespace

std::future<int> startChoosingGLFormat() {
    return std::async(std::launch::async, [] {
        HDC screen = GetDC(nullptr);
        const PIXELFORMATDESCRIPTOR format = windowFormatFor(screen);
        const int chosen = ChoosePixelFormat(screen, &format);
        ReleaseDC(nullptr, screen);
        return chosen;
    });
}

GLContextResult createGLContext(HWND window, GLWindowContext& context, unsigned allowedPaths, int screenFormat) {
    context.deviceContext = counted(GuiKind::deviceContext, GetDC(window));
    const PIXELFORMATDESCRIPTOR format = windowFormatFor(context.deviceContext);
    const int chosen = describesRequest(context.deviceContext, screenFormat, format)
                           ? screenFormat
                           : ChoosePixelFormat(context.deviceContext, &format);
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
