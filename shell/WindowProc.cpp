#include "shell/WindowProc.h"

#include <commctrl.h>
#include <windowsx.h>

#include "game/CameraKeys.h"
#include "game/Commands.h"
#include "game/Input.h"
#include "game/Redraw.h"
#include "game/Status.h"
#include "game/View3DGame.h"
#include "shell/BoardWindow.h"
#include "shell/CommandHandler.h"
#include "shell/DpiChange.h"
#include "shell/Menus.h"
#include "shell/Shell.h"
#include "shell/StartUp.h"
#include "shell/Toolbar.h"

namespace {

void sendCommand(HWND window, CommandId id) { SendMessageW(window, WM_COMMAND, id, 0); }

#if TAVREK_3D
bool view3DShown() { return shell().app.settings.view3D == 1; }

// The 3D view is drawn by the next paint message.
void afterCameraChange(HWND window, bool projectionChanged) {
    withGame([projectionChanged](App& app) { cameraMoved(app, projectionChanged); });
    InvalidateRect(window, nullptr, FALSE);
}
#endif

void keyDown(HWND window, WPARAM key) {
    const CommandId functionCommand = commandForFunctionKey(static_cast<int>(key));
    if (functionCommand != 0) sendCommand(window, functionCommand);
#if TAVREK_3D
    if (key == VK_SPACE) sendCommand(window, command::switchView);
    if (!view3DShown()) return;
    bool projectionChanged = false;
    withGame([key, &projectionChanged](App& app) {
        projectionChanged = applyCameraKey(app.settings, static_cast<int>(key));
    });
    afterCameraChange(window, projectionChanged);
#endif
}

#if TAVREK_3D
void mouseWheel(HWND window, WPARAM first) {
    if (!view3DShown()) return;
    bool projectionChanged = false;
    withGame([first, &projectionChanged](App& app) {
        projectionChanged = applyCameraWheel(app.settings, GET_WHEEL_DELTA_WPARAM(first));
    });
    afterCameraChange(window, projectionChanged);
}
#endif

void leftButtonDown(LPARAM position) {
    Shell& s = shell();
    SetCursor(s.busyCursor);
    const int x = GET_X_LPARAM(position), y = GET_Y_LPARAM(position);
    withGame([x, y](App& app) {
#if TAVREK_3D
        if (view3DShown())
            clickBoard3D(app, x, y);
        else
#endif
            clickBoard2D(app, x, y);
    });
    SetCursor(s.normalCursor);
}

void paint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    withGame(redrawBoard);
    EndPaint(window, &paint);
}

LRESULT notify(NMHDR* header) {
    if (header->code == TTN_GETDISPINFOW) fillToolTip(*reinterpret_cast<NMTTDISPINFOW*>(header));
    return 0;
}

}  // namespace

// The game lock is taken only around the game operations of a message.
// DefWindowProc (menus, moves and resizes run their own loops there), the
// boxes and the dialogs run without it, so a demonstration goes on beside
// them; commands take it themselves.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_CREATE: return createMainWindow(window) ? 0 : -1;
        case WM_DESTROY: shutDown(); return 0;
        case WM_SIZE: withGame([](App&) { resizeBoardWindow(); }); return 0;
        case WM_DPICHANGED: dpiChanged(window, second); return 0;
        case WM_SETFOCUS: withGame([](App& app) { setBoardFocus(app, true); }); return 0;
        case WM_KILLFOCUS: withGame([](App& app) { setBoardFocus(app, false); }); return 0;
        case WM_PAINT: paint(window); return 0;
        case WM_INITMENUPOPUP: refreshCheckMarks(); return 0;
        case WM_NOTIFY: return notify(reinterpret_cast<NMHDR*>(second));
        case WM_KEYDOWN: keyDown(window, first); return 0;
        case WM_COMMAND: runCommand(first); return 0;
        case WM_TIMER: withGame(clockTick); return 0;
        case statusPostedMessage: showPostedStatus(); return 0;
        case WM_MOUSEMOVE:
            SetCursor(first == MK_LBUTTON ? shell().busyCursor : shell().normalCursor);
            return 0;
        case WM_LBUTTONDOWN: leftButtonDown(second); return 0;
        case WM_RBUTTONDOWN: sendCommand(window, command::undo); return 0;
        case WM_MBUTTONDOWN: sendCommand(window, command::changeColors); return 0;
#if TAVREK_3D
        case WM_MOUSEWHEEL: mouseWheel(window, first); return 0;
#endif
        default: return DefWindowProcW(window, message, first, second);
    }
}
