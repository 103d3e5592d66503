// The OpenGL context of the 3D view, in which its textures live for the
// whole life of the main window. It is made on a hidden window of its own,
// which lends it a pixel format; no frame is ever drawn into that window:
// every frame goes to the off-screen surface chosen with the context. A
// driver without frame buffer objects gets a context made for a bitmap
// instead, held by the surface.
#pragma once

#include <windows.h>

#include <future>

#include "shell/GLSurface.h"

#if TAVREK_3D

struct GLWindowContext {
    HDC deviceContext = nullptr;  // the window's, kept while the context lives
    HGLRC renderingContext = nullptr;  // the window's; none on the bitmap path
    GLSurface surface;
};

enum class GLContextResult {
    ready,
    noPixelFormat,       // ChoosePixelFormat found none: the program cannot start
    pixelFormatRefused,  // SetPixelFormat failed: the program cannot start
    noContext,           // no context made current, or no surface to draw in: the 2D view plays on
};

// Windows loads the graphics driver at the process's first pixel-format
// call, the longest wait of a 3D start, and choosing a format goes through
// every one the driver has. Both are done on a thread of its own when the
// program starts, on the screen's device context, while the window is made:
// the future holds the number of the format chosen for the 3D view's window,
// 0 when there is none. No OpenGL call is made there.
std::future<int> startChoosingGLFormat();

// Asks for a double-buffered RGBA window format with the display's colour
// depth and a 16-bit depth buffer, makes a rendering context of it current
// on this thread and opens a surface of the window's client size, by the
// first of `allowedPaths` the driver offers; the bitmap path then replaces
// the window's context by its own. On any failure nothing is left held.
// `screenFormat`, from startChoosingGLFormat, is taken when the window's
// device describes it as the format asked for; otherwise the window's own
// device chooses.
GLContextResult createGLContext(HWND window, GLWindowContext& context, unsigned allowedPaths = everyGLSurfacePath,
                                int screenFormat = 0);

// The fixed text of a pixel-format failure, shown with the caption "Error";
// nullptr for the other results.
const char* pixelFormatFailureText(GLContextResult result);

// Closes the surface, makes no context current and releases the context and
// the device context.
void destroyGLContext(HWND window, GLWindowContext& context);

#endif
