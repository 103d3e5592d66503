// The yardstick of start-up time: a Win32 program that shows one empty
// window of the game's size, paints it once and ends.
#include <windows.h>

#include "SinceStart.h"

namespace {

LRESULT CALLBACK emptyWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, first, second);
    PAINTSTRUCT paint;
    HDC deviceContext = BeginPaint(window, &paint);
    FillRect(deviceContext, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EndPaint(window, &paint);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
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
