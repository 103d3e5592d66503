#include "shell/StatusBar.h"

#include <commctrl.h>

#include "shell/Dpi.h"
#include "shell/GuiObjects.h"
#include "shell/Shell.h"

namespace {

// A status bar takes the screen's status font when it is made; a window moved
// to a screen of another scaling needs the font of that scaling instead.
HFONT statusFontFor(int dpi) {
    LOGFONTW font;
    if (!statusFontForDpi(dpi, font)) return nullptr;
    return counted(GuiKind::font, CreateFontIndirectW(&font));
}

}  // namespace

void createStatusBar(HWND window) {
    Shell& s = shell();
    if (s.statusBar != nullptr) DestroyWindow(s.statusBar);
    s.statusBar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, L"", window, statusBarControlId);
    HFONT font = statusFontFor(windowDpi(window));
    if (font != nullptr) SendMessageW(s.statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    releaseStatusFont();
    s.statusFont = font;
    // The bar fits its height to the font at the next size message.
    SendMessageW(s.statusBar, WM_SIZE, 0, 0);
    RECT rect;
    GetWindowRect(s.statusBar, &rect);
    s.statusBarHeight = rect.bottom - rect.top;
}

void releaseStatusFont() {
    Shell& s = shell();
    if (s.statusFont != nullptr) deleteObject(GuiKind::font, s.statusFont);
    s.statusFont = nullptr;
}
