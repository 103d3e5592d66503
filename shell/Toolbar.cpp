#include "shell/Toolbar.h"

#include <commctrl.h>

#include <array>

#include "game/Commands.h"
#include "shell/Dpi.h"
#include "shell/Shell.h"
#include "dialogs/WideText.h"

// The pictures are those drawn nearest to the window's scaling; the buttons
// take their size from them.
void createToolbar(HWND window) {
    Shell& s = shell();
    if (s.toolbar != nullptr) DestroyWindow(s.toolbar);
    const DrawnSize strip = toolbarStripForDpi(windowDpi(window));
    std::array<TBBUTTON, toolbarButtonCount> buttons{};
    for (int k = 0; k < toolbarButtonCount; ++k) {
        const ToolbarButton& button = toolbarButtons()[k];
        TBBUTTON& entry = buttons[static_cast<size_t>(k)];
        entry.iBitmap = button.picture;
        entry.idCommand = button.command;
        entry.fsState = TBSTATE_ENABLED;
        entry.fsStyle = button.command == 0 ? BTNS_SEP : BTNS_BUTTON;
    }
    s.toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | TBSTYLE_TOOLTIPS,
                                toolbarControlId, toolbarButtonCount, s.instance, static_cast<UINT_PTR>(strip.resource),
                                buttons.data(), toolbarButtonCount, 0, 0, strip.pixels, strip.pixels,
                                sizeof(TBBUTTON));
    RECT rect;
    GetWindowRect(s.toolbar, &rect);
    s.toolbarHeight = rect.bottom - rect.top;
}

// A tool-tip holds up to 127 characters, more than its own buffer takes: the
// text is handed over from the shell's, which lasts until the next request.
void fillToolTip(NMTTDISPINFOW& request) {
    Shell& s = shell();
    const std::string* text = toolTipFor(s.app.language, static_cast<CommandId>(request.hdr.idFrom));
    if (text == nullptr) return;
    s.toolTipText = wideFromUtf8(*text);
    request.lpszText = s.toolTipText.data();
}
