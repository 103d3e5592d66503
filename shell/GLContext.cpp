#include "shell/GLContext.h"

#include "shell/GuiObjects.h"

#if TAVREK_3D

namespace {

constexpr DWORD windowDoubleBufferedGL = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;  // 0x25

PIXELFORMATDESCRIPTOR requestedFormat(HDC deviceContext) {
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = windowDoubleBufferedGL;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(GetDeviceCaps(deviceContext, BITSPIXEL));
    format.cDepthBits = 16;
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

GLContextResult fail(HWND window, GLWindowContext& context, GLContextResult result) {
    if (context.renderingContext != nullptr) wglDeleteContext(context.renderingContext);
    releaseDC(window, context.deviceContext);
    context = {};
    return result;
}

bool openSurfaceOfWindowSize(HWND window, GLWindowContext& context, unsigned allowedPaths) {
    RECT client;
    GetClientRect(window, &client);
    return openGLSurface(context.surface, client.right, client.bottom, allowedPaths);
}

}  // namespace

GLContextResult createGLContext(HWND window, GLWindowContext& context, unsigned allowedPaths) {
    context.deviceContext = counted(GuiKind::deviceContext, GetDC(window));
    const PIXELFORMATDESCRIPTOR format = requestedFormat(context.deviceContext);
    const int chosen = ChoosePixelFormat(context.deviceContext, &format);
    if (chosen == 0) return fail(window, context, GLContextResult::noPixelFormat);
    if (!SetPixelFormat(context.deviceContext, chosen, &format))
        return fail(window, context, GLContextResult::pixelFormatRefused);
    context.renderingContext = wglCreateContext(context.deviceContext);
    if (context.renderingContext == nullptr || !wglMakeCurrent(context.deviceContext, context.renderingContext))
        return fail(window, context, GLContextResult::noContext);
    if (!openSurfaceOfWindowSize(window, context, allowedPaths)) {
        wglMakeCurrent(nullptr, nullptr);
        return fail(window, context, GLContextResult::noContext);
    }
    return GLContextResult::ready;
}

const char* pixelFormatFailureText(GLContextResult result) {
    if (result == GLContextResult::noPixelFormat) return "ChoosePixelFormat failed.";
    if (result == GLContextResult::pixelFormatRefused) return "SetPixelFormat failed.";
    return nullptr;
}

void destroyGLContext(HWND window, GLWindowContext& context) {
    if (context.deviceContext == nullptr) return;
    closeGLSurface(context.surface);
    wglMakeCurrent(nullptr, nullptr);
    if (context.renderingContext != nullptr) wglDeleteContext(context.renderingContext);
    releaseDC(window, context.deviceContext);
    context = {};
}

#endif
