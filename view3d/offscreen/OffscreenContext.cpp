#include "view3d/offscreen/OffscreenContext.h"

#include <GL/osmesa.h>

#include "view3d/Scene.h"

bool openOffscreenContext(OffscreenContext& offscreen, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (context == nullptr) return false;
    offscreen.pixels.assign(size_t(width) * height * 4, 0);
    if (!OSMesaMakeCurrent(context, offscreen.pixels.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return false;
    }
    offscreen.context = context;
    offscreen.width = width;
    offscreen.height = height;
    return true;
}

void closeOffscreenContext(OffscreenContext& offscreen) {
    if (offscreen.context == nullptr) return;
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
    OSMesaDestroyContext(static_cast<OSMesaContext>(offscreen.context));
    offscreen = {};
}

Surface offscreenFrame(const OffscreenContext& offscreen) {
    Surface frame;
    readFrame3D(frame, offscreen.width, offscreen.height);
    return frame;
}

// Mesa's off-screen renderer keeps some buffers of a destroyed context until
// the process ends; they are not ours to free. Every program that draws off
// screen (the tests, the layout tool) links this file.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
