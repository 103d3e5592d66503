// The OpenGL context of the main window, in which the 3D view draws and its
// textures live for the whole life of the window.
#pragma once

#include <windows.h>

#if TAVREK_3D

struct GLWindowContext {
    HDC deviceContext = nullptr;  // the window's, kept while the context lives
    HGLRC renderingContext = nullptr;
};

enum class GLContextResult {
    ready,
    noPixelFormat,       // ChoosePixelFormat found none: the program cannot start
    pixelFormatRefused,  // SetPixelFormat failed: the program cannot start
    noContext,           // no rendering context could be made current: the 2D view plays on
};

// Asks for a double-buffered RGBA window format with the display's colour
// depth and a 16-bit depth buffer, and makes a rendering context of it
// current on this thread. On any failure nothing is left held.
GLContextResult createGLContext(HWND window, GLWindowContext& context);

// The fixed text of a pixel-format failure, shown with the caption "Error";
// nullptr for the other results.
const char* pixelFormatFailureText(GLContextResult result);

// Makes no context current and releases the context and the device context.
void destroyGLContext(HWND window, GLWindowContext& context);

#endif
