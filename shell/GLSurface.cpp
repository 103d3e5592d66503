#include "shell/GLSurface.h"

#if TAVREK_3D

#include <cstring>
#include <string>

namespace {

// Values shared by the three families; the OpenGL 1.1 header has none of them.
constexpr GLenum frameBufferTarget = 0x8D40;
constexpr GLenum renderBufferTarget = 0x8D41;
constexpr GLenum colourAttachment0 = 0x8CE0;
constexpr GLenum depthAttachment = 0x8D00;
constexpr GLenum frameBufferComplete = 0x8CD5;
constexpr GLenum depthComponent16 = 0x81A5;

// Some drivers answer an unknown name with a small number instead of null.
PROC entryPoint(const std::string& name) {
    const PROC found = wglGetProcAddress(name.c_str());
    const INT_PTR value = reinterpret_cast<INT_PTR>(found);
    return value >= -1 && value <= 3 ? nullptr : found;
}

template <typename Call>
bool find(Call& call, const char* name, const char* suffix) {
    // By way of void (*)(): the entry point's real type is known only to its caller.
    call = reinterpret_cast<Call>(reinterpret_cast<void (*)()>(entryPoint(std::string(name) + suffix)));
    return call != nullptr;
}

bool findCalls(GLFramebufferCalls& c, const char* suffix) {
    return find(c.genFramebuffers, "glGenFramebuffers", suffix) &&
           find(c.deleteFramebuffers, "glDeleteFramebuffers", suffix) &&
           find(c.bindFramebuffer, "glBindFramebuffer", suffix) &&
           find(c.genRenderbuffers, "glGenRenderbuffers", suffix) &&
           find(c.deleteRenderbuffers, "glDeleteRenderbuffers", suffix) &&
           find(c.bindRenderbuffer, "glBindRenderbuffer", suffix) &&
           find(c.renderbufferStorage, "glRenderbufferStorage", suffix) &&
           find(c.framebufferRenderbuffer, "glFramebufferRenderbuffer", suffix) &&
           find(c.checkFramebufferStatus, "glCheckFramebufferStatus", suffix);
}

// An entry point found is no promise: only the version or the extension
// string says the context offers the family.
bool hasExtension(const char* name) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (all == nullptr) return false;
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(all, name); at != nullptr; at = std::strstr(at + length, name))
        if ((at == all || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) return true;
    return false;
}

bool versionAtLeast3() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version != nullptr && version[0] >= '3' && version[0] <= '9';
}

bool offered(GLSurfacePath path) {
    if (path == GLSurfacePath::framebufferObject)
        return versionAtLeast3() || hasExtension("GL_ARB_framebuffer_object");
    return hasExtension("GL_EXT_framebuffer_object");
}

bool choosePath(GLSurface& surface, unsigned allowedPaths) {
    for (GLSurfacePath path : {GLSurfacePath::framebufferObject, GLSurfacePath::framebufferObjectEXT}) {
        if ((allowedPaths & surfacePathBit(path)) == 0 || !offered(path)) continue;
        if (!findCalls(surface.calls, path == GLSurfacePath::framebufferObject ? "" : "EXT")) continue;
        surface.path = path;
        return true;
    }
    surface.calls = {};
    return false;
}

void deleteFramebufferObjects(const GLSurface& surface) {
    const GLFramebufferCalls& c = surface.calls;
    c.bindFramebuffer(frameBufferTarget, 0);
    c.deleteFramebuffers(1, &surface.framebuffer);
    c.deleteRenderbuffers(1, &surface.colour);
    c.deleteRenderbuffers(1, &surface.depth);
}

}  // namespace

bool openGLSurface(GLSurface& surface, int width, int height, unsigned allowedPaths) {
    surface = {};
    if (!choosePath(surface, allowedPaths)) return false;
    const GLFramebufferCalls& c = surface.calls;
    c.genFramebuffers(1, &surface.framebuffer);
    c.genRenderbuffers(1, &surface.colour);
    c.genRenderbuffers(1, &surface.depth);
    c.bindFramebuffer(frameBufferTarget, surface.framebuffer);
    if (sizeGLSurface(surface, width, height)) return true;
    closeGLSurface(surface);
    return false;
}

// Storage of a new size detaches nothing: the attachments are made once and
// the status checked again.
bool openGLBitmapSurface(GLSurface& surface, int width, int height, unsigned allowedPaths) {
    surface = {};
    if ((allowedPaths & surfacePathBit(GLSurfacePath::bitmap)) == 0) return false;
    if (!openGLBitmapTarget(surface.bitmap, width, height)) return false;
    surface.path = GLSurfacePath::bitmap;
    surface.width = surface.bitmap.width;
    surface.height = surface.bitmap.height;
    return true;
}

bool sizeGLSurface(GLSurface& surface, int width, int height) {
    if (surface.path == GLSurfacePath::none) return false;
    if (surface.path == GLSurfacePath::bitmap) {
        const bool sized = sizeGLBitmapTarget(surface.bitmap, width, height);
        surface.width = surface.bitmap.width;
        surface.height = surface.bitmap.height;
        return sized;
    }
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (width == surface.width && height == surface.height) return true;
    const GLFramebufferCalls& c = surface.calls;
    c.bindRenderbuffer(renderBufferTarget, surface.colour);
    c.renderbufferStorage(renderBufferTarget, GL_RGBA8, width, height);
    c.bindRenderbuffer(renderBufferTarget, surface.depth);
    c.renderbufferStorage(renderBufferTarget, depthComponent16, width, height);
    c.bindRenderbuffer(renderBufferTarget, 0);
    if (surface.width == 0) {
        c.framebufferRenderbuffer(frameBufferTarget, colourAttachment0, renderBufferTarget, surface.colour);
        c.framebufferRenderbuffer(frameBufferTarget, depthAttachment, renderBufferTarget, surface.depth);
    }
    surface.width = width;
    surface.height = height;
    return c.checkFramebufferStatus(frameBufferTarget) == frameBufferComplete;
}

void closeGLSurface(GLSurface& surface) {
    if (surface.path == GLSurfacePath::bitmap) closeGLBitmapTarget(surface.bitmap);
    else if (surface.path != GLSurfacePath::none) deleteFramebufferObjects(surface);
    surface = {};
}

#endif
