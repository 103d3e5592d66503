#include "shell/View3DWindow.h"

#include "shell/Shell.h"

#if TAVREK_3D

namespace {

const char* const view3DClassName = "TavrekView3D";

}  // namespace

HWND createView3DWindow(HINSTANCE instance, HWND mainWindow) {
    WNDCLASSA windowClass = {};
    // OpenGL keeps the window's device context for the window's whole life.
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = view3DClassName;
    RegisterClassA(&windowClass);
    return CreateWindowExA(WS_EX_TOOLWINDOW, view3DClassName, "", WS_POPUP, 0, 0, 1, 1, mainWindow, nullptr,
                           instance, nullptr);
}

void sizeView3DWindow(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width > 0 ? width : 1, height > 0 ? height : 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    sizeGLSurface(shell().gl.surface, width, height);
}

#endif
