#include "shell/BoardWindow.h"

#include <windows.h>
#include <commctrl.h>

#include "game/View3DGame.h"
#include "shell/FrameBitmapInfo.h"
#include "shell/GuiObjects.h"
#include "shell/Shell.h"
#include "shell/View3DWindow.h"

// The client rectangle, not the outer one less frame metrics: the frame's width
// differs between Windows versions and scalings, and a narrow window's menu bar
// wraps onto a second row.
BoardArea boardArea() {
    const Shell& s = shell();
    RECT client;
    GetClientRect(s.mainWindow, &client);
    return BoardArea{client.right, client.bottom - s.toolbarHeight - s.statusBarHeight};
}

void makeWindowBoardBitmap() {
    Shell& s = shell();
    const BoardArea area = boardArea();
    s.app.view.boardTop = s.toolbarHeight;
    s.app.view.boardWidth = area.width;
    s.app.view.boardHeight = area.height;
    makeBoardBitmap(s.app.view);
}

#if TAVREK_3D
void placeView3DWindow() {
    const Shell& s = shell();
    const BoardArea area = boardArea();
    sizeView3DWindow(s.view3DWindow, area.width, area.height);
}
#endif

void resizeBoardWindow() {
    Shell& s = shell();
    RECT client;
    GetClientRect(s.mainWindow, &client);
    MoveWindow(s.statusBar, 0, client.bottom - s.statusBarHeight, client.right, s.statusBarHeight, TRUE);
    const BoardArea area = boardArea();
    s.app.view.boardTop = s.toolbarHeight;
    resizeBoard(scene2D(s.app), area.width, area.height);
#if TAVREK_3D
    placeView3DWindow();
    resize3DView(s.app, area.width, area.height);
#endif
    SendMessageW(s.toolbar, TB_AUTOSIZE, 0, 0);
}

void releaseBoardBitmaps() {
    BoardView& view = shell().app.view;
    releaseSurface(view.boardBitmap);
    releaseSurface(view.tileSet.fileImage);
    releaseSurface(view.tileSet.prepared);
    releaseSurface(view.background.fileImage);
    releaseSurface(view.background.fitted);
}

void blitFrame(const uint32_t* pixels, int width, int height) {
    const Shell& s = shell();
    if (s.mainWindow == nullptr || width <= 0 || height <= 0) return;
    const BITMAPINFO info = frameBitmapInfo(width, -height);
    HDC surface = counted(GuiKind::deviceContext, GetDC(s.mainWindow));
    SetDIBitsToDevice(surface, 0, s.toolbarHeight, static_cast<DWORD>(width), static_cast<DWORD>(height),
                      0, 0, 0, static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
    releaseDC(s.mainWindow, surface);
}
