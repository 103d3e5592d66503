#include "shell/Toolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "game/Commands.h"
#include "shell/Dpi.h"
#include "shell/Shell.h"

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

void fillToolTip(NMTTDISPINFOA& request) {
    const std::string* text =
        toolTipFor(shell().app.language, static_cast<CommandId>(request.hdr.idFrom));
    if (text == nullptr) return;
    const size_t length = std::min(text->size(), sizeof request.szText - 1);
    std::memcpy(request.szText, text->data(), length);
    request.szText[length] = '\0';
    request.lpszText = request.szText;
}
