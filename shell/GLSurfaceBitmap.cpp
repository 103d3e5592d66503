#include "shell/GLSurfaceBitmap.h"

#if TAVREK_3D

#include "shell/FrameBitmapInfo.h"
#include "shell/GuiObjects.h"

namespace {

constexpr DWORD bitmapGL = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL | PFD_SUPPORT_GDI;
constexpr BYTE bitmapBits = 32;

// Bottom row first, as every generic implementation draws into bitmaps.
HBITMAP makeBitmap(HDC deviceContext, int width, int height) {
    const BITMAPINFO info = frameBitmapInfo(width > 0 ? width : 1, height > 0 ? height : 1);
    void* bits = nullptr;
    return counted(GuiKind::bitmap, CreateDIBSection(deviceContext, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// ChoosePixelFormat gives the nearest format it has, which need not draw
// into a bitmap of this depth at all: the one chosen is checked.
bool setBitmapPixelFormat(HDC deviceContext) {
    const PIXELFORMATDESCRIPTOR format = requestedGLFormat(bitmapGL, bitmapBits);
    const int chosen = ChoosePixelFormat(deviceContext, &format);
    PIXELFORMATDESCRIPTOR found = {};
    if (chosen == 0 || DescribePixelFormat(deviceContext, chosen, sizeof found, &found) == 0) return false;
    const bool fits = (found.dwFlags & (PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL)) ==
                          (PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL) &&
                      found.iPixelType == PFD_TYPE_RGBA && found.cColorBits == bitmapBits && found.cDepthBits > 0;
    return fits && SetPixelFormat(deviceContext, chosen, &found);
}

}  // namespace

PIXELFORMATDESCRIPTOR requestedGLFormat(DWORD flags, BYTE colourBits) {
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = flags;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = colourBits;
    format.cDepthBits = 16;
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

bool openGLBitmapTarget(GLBitmapTarget& target, int width, int height) {
    target = {};
    target.deviceContext = counted(GuiKind::deviceContext, CreateCompatibleDC(nullptr));
    if (target.deviceContext == nullptr) return false;
    target.bitmap = makeBitmap(target.deviceContext, width, height);
    if (target.bitmap != nullptr) target.original = SelectObject(target.deviceContext, target.bitmap);
    if (target.bitmap != nullptr && setBitmapPixelFormat(target.deviceContext))
        target.renderingContext = wglCreateContext(target.deviceContext);
    if (target.renderingContext != nullptr && wglMakeCurrent(target.deviceContext, target.renderingContext)) {
        target.width = width > 0 ? width : 1;
        target.height = height > 0 ? height : 1;
        return true;
    }
    closeGLBitmapTarget(target);
    return false;
}

// A context draws into the bitmap its device context held when it was made
// current, so the new bitmap goes in while no context is current.
bool sizeGLBitmapTarget(GLBitmapTarget& target, int width, int height) {
    if (target.renderingContext == nullptr) return false;
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (width == target.width && height == target.height) return true;
    HBITMAP bitmap = makeBitmap(target.deviceContext, width, height);
    if (bitmap == nullptr) return false;
    wglMakeCurrent(nullptr, nullptr);
    SelectObject(target.deviceContext, bitmap);
    deleteObject(GuiKind::bitmap, target.bitmap);
    target.bitmap = bitmap;
    target.width = width;
    target.height = height;
    return wglMakeCurrent(target.deviceContext, target.renderingContext) != FALSE;
}

void closeGLBitmapTarget(GLBitmapTarget& target) {
    if (target.renderingContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(target.renderingContext);
    }
    if (target.original != nullptr) SelectObject(target.deviceContext, target.original);
    if (target.bitmap != nullptr) deleteObject(GuiKind::bitmap, target.bitmap);
    if (target.deviceContext != nullptr) deleteDC(target.deviceContext);
    target = {};
}

#endif
