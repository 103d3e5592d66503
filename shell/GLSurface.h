// The frame buffer the 3D view draws into, of the board area's size: an
// off-screen frame buffer object, or where the driver has none a bitmap in
// memory. OpenGL owns its pixels whatever the window system does with any
// window. Frames are read back from it and shown in the main window like 2D
// frames.
#pragma once

#include <windows.h>
#include <GL/gl.h>

#include "shell/GLSurfaceBitmap.h"

#if TAVREK_3D

// The two families of entry points of a frame buffer object (OpenGL 3.0 and
// GL_ARB_framebuffer_object name them alike, GL_EXT_framebuffer_object with
// a suffix), then the bitmap; tried in this order.
enum class GLSurfacePath { none, framebufferObject, framebufferObjectEXT, bitmap };
constexpr unsigned everyGLSurfacePath = 7;  // bit 0: the unsuffixed family, bit 1: EXT, bit 2: the bitmap
constexpr unsigned surfacePathBit(GLSurfacePath path) { return path == GLSurfacePath::none ? 0 : 1u << (int(path) - 1); }

struct GLFramebufferCalls {
    void(APIENTRY* genFramebuffers)(GLsizei, GLuint*) = nullptr;
    void(APIENTRY* deleteFramebuffers)(GLsizei, const GLuint*) = nullptr;
    void(APIENTRY* bindFramebuffer)(GLenum, GLuint) = nullptr;
    void(APIENTRY* genRenderbuffers)(GLsizei, GLuint*) = nullptr;
    void(APIENTRY* deleteRenderbuffers)(GLsizei, const GLuint*) = nullptr;
    void(APIENTRY* bindRenderbuffer)(GLenum, GLuint) = nullptr;
    void(APIENTRY* renderbufferStorage)(GLenum, GLenum, GLsizei, GLsizei) = nullptr;
    void(APIENTRY* framebufferRenderbuffer)(GLenum, GLenum, GLenum, GLuint) = nullptr;
    GLenum(APIENTRY* checkFramebufferStatus)(GLenum) = nullptr;
};

struct GLSurface {
    GLSurfacePath path = GLSurfacePath::none;
    GLFramebufferCalls calls;
    GLuint framebuffer = 0;
    GLuint colour = 0;  // RGBA renderbuffer
    GLuint depth = 0;   // 16-bit depth renderbuffer
    int width = 0;
    int height = 0;
    GLBitmapTarget bitmap;  // the bitmap path: the target with its own context
};

// With a context current: the first frame buffer object family among
// `allowedPaths` that the context offers, a frame buffer of width x height
// made and bound for good. False, with nothing left held, when none is
// offered or none is complete.
bool openGLSurface(GLSurface& surface, int width, int height, unsigned allowedPaths);
// With no context: the bitmap, when `allowedPaths` has it, with its context
// made current. False, with nothing left held, when it cannot be made.
bool openGLBitmapSurface(GLSurface& surface, int width, int height, unsigned allowedPaths);
// The board area has a new size (at least 1 x 1); false when the frame
// buffer is no longer complete.
bool sizeGLSurface(GLSurface& surface, int width, int height);
// The frame buffer objects go while their context is still current; the
// bitmap path's context goes with its bitmap.
void closeGLSurface(GLSurface& surface);

#endif
