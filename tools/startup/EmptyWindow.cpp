// The yardsticks of start-up time: a Win32 program that shows one empty
// window of the game's size, paints it once and ends. Built with
// EMPTY_WINDOW_GL, it paints that window with OpenGL instead: a context on
// the window and one drawn frame, the least that any program starting in a
// 3D view must do before its first frame.
#include <windows.h>
#if EMPTY_WINDOW_GL
#include <GL/gl.h>
#endif

#include "SinceStart.h"

namespace {

#if EMPTY_WINDOW_GL
// The class's own device context, which BeginPaint hands out too, keeps
// the pixel format.
void paintWithOpenGL(HDC deviceContext) {
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.cColorBits = 24;
    format.cDepthBits = 16;
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &format), &format);
    HGLRC context = wglCreateContext(deviceContext);
    wglMakeCurrent(deviceContext, context);
    // One shaded triangle: a software driver builds its first drawing code
    // only when something is drawn.
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBegin(GL_TRIANGLES);
    glColor3f(1, 0, 0);
    glVertex2f(-0.5f, -0.5f);
    glColor3f(0, 1, 0);
    glVertex2f(0.5f, -0.5f);
    glColor3f(0, 0, 1);
    glVertex2f(0, 0.5f);
    glEnd();
    SwapBuffers(deviceContext);
    glFinish();
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context);
}
#endif

LRESULT CALLBACK emptyWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, first, second);
    PAINTSTRUCT paint;
    HDC deviceContext = BeginPaint(window, &paint);
#if EMPTY_WINDOW_GL
    paintWithOpenGL(deviceContext);
#else
    FillRect(deviceContext, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
#endif
    EndPaint(window, &paint);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = emptyWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "EmptyWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "EmptyWindow", "Empty", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                  instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    printMillisecondsSinceStart();
    ExitProcess(0);
}
