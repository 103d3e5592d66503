#include "view3d/offscreen/OffscreenContext.h"

#include <GL/osmesa.h>

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
    glFinish();
    Surface frame;
    resizeSurface(frame, offscreen.width, offscreen.height);
    for (int y = 0; y < offscreen.height; ++y) {
        const uint8_t* p = offscreen.pixels.data() + size_t(offscreen.height - 1 - y) * offscreen.width * 4;
        uint32_t* row = rowOf(frame, y);
        for (int x = 0; x < offscreen.width; ++x, p += 4) row[x] = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    return frame;
}
