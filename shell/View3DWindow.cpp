#include "shell/View3DWindow.h"

#include "shell/Shell.h"

#if TAVREK_3D

namespace {

const wchar_t* const view3DClassName = L"TavrekView3D";

}  // namespace

HWND createView3DWindow(HINSTANCE instance, HWND mainWindow) {
    WNDCLASSW windowClass = {};
    // OpenGL keeps the window's device context for the window's whole life.
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = view3DClassName;
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, view3DClassName, L"", WS_POPUP, 0, 0, 1, 1, mainWindow, nullptr,
                           instance, nullptr);
}

void sizeView3DWindow(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width > 0 ? width : 1, height > 0 ? height : 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    sizeGLSurface(shell().gl.surface, width, height);
}

#endif
