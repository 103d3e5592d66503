// The fixed-function OpenGL 1.x and GLU declarations. On Windows these
// headers want two calling-convention macros that <windows.h> would bring;
// defining them here keeps the whole of windows.h out of the view. Files of
// the shell include <windows.h> first, which defines them itself.
#pragma once

#if defined(_WIN32) && !defined(APIENTRY)
#define APIENTRY __stdcall
#endif
#if defined(_WIN32) && !defined(WINGDIAPI)
#define WINGDIAPI __declspec(dllimport)
#endif
#if defined(_WIN32) && !defined(CALLBACK)
#define CALLBACK __stdcall
#endif

#include <GL/gl.h>
#include <GL/glu.h>

// Pixels in the order of a 32-bit Windows DIB: an extension of OpenGL 1.1.
#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif
