#include "shell/DpiChange.h"

#include "shell/BoardWindow.h"
#include "shell/CommandHandler.h"
#include "shell/Menus.h"
#include "shell/StartUp.h"
#include "shell/StatusBar.h"
#include "shell/Toolbar.h"

void dpiChanged(HWND window, LPARAM suggested) {
    buildMenus();
    loadCursors();
    createToolbar(window);
    createStatusBar(window);
    const RECT& rect = *reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A suggested rectangle of the same size brings no size message.
    withGame([](App&) { resizeBoardWindow(); });
    InvalidateRect(window, nullptr, FALSE);
}
