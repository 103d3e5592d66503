// The frame buffer of a driver that has no frame buffer object (Microsoft's
// basic display driver and the generic OpenGL 1.1 of a machine without a
// graphics driver): a 32-bit device-independent bitmap selected into a memory
// device context, drawn by a context of its own made with a bitmap pixel
// format. The bitmap's memory holds every pixel, so what is read back from
// it is what was drawn, whatever happens to any window.
#pragma once

#include <windows.h>

#if TAVREK_3D

// An RGBA pixel format with a 16-bit depth buffer, asked for with `flags`
// and `colourBits`; every other field 0.
PIXELFORMATDESCRIPTOR requestedGLFormat(DWORD flags, BYTE colourBits);

struct GLBitmapTarget {
    HDC deviceContext = nullptr;   // a memory device context, holding the bitmap
    HBITMAP bitmap = nullptr;      // the DIB section drawn into
    HGDIOBJ original = nullptr;    // the memory context's own bitmap, put back before it goes
    HGLRC renderingContext = nullptr;
    int width = 0;
    int height = 0;
};

// A bitmap of width x height and a single-buffered RGBA context with a 16-bit
// depth buffer drawing into it, made current on this thread. False, with
// nothing left held, when the driver offers no such format or context.
bool openGLBitmapTarget(GLBitmapTarget& target, int width, int height);
// A new bitmap of the new size (at least 1 x 1) for the same context, so
// that the textures made in it stay; false when it cannot be made current.
bool sizeGLBitmapTarget(GLBitmapTarget& target, int width, int height);
// Makes no context current and releases the context, the bitmap and the
// memory device context.
void closeGLBitmapTarget(GLBitmapTarget& target);

#endif
