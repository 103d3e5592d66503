#include "dialogs/ColourChooser.h"

#include "dialogs/CommonDialogs.h"
#include "dialogs/OptionsDialog.h"
#include "game/App.h"
#include "resources/resource.h"

ColourChooserHook colourChooserHook = nullptr;

bool chooseColour(HWND owner, Colour& colour) {
    if (colourChooserHook != nullptr) return colourChooserHook(owner, colour);
    COLORREF customColours[16];
    for (COLORREF& custom : customColours) custom = RGB(255, 255, 255);
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
    chooser.rgbResult = colour;
    chooser.lpCustColors = customColours;
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!showColourDialog(chooser)) return false;
    colour = chooser.rgbResult & 0xFFFFFF;
    return true;
}

HBRUSH swatchBrush(HWND dialog, Settings& settings, ColourRows rows, HDC context, HWND control) {
    for (const ColourRow& row : rows) {
        if (GetDlgItem(dialog, row.swatchId) != control) continue;
        SetDCBrushColor(context, colourSetting(settings, row.setting));
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    return nullptr;
}

// The chooser is open without the game lock; the chosen colour is stored
// under it, since a demonstration draws from the settings meanwhile.
bool chooseRowColour(HWND dialog, App& app, ColourRows rows, int id) {
    for (const ColourRow& row : rows) {
        if (id != row.buttonId) continue;
        Colour chosen = colourSetting(app.settings, row.setting);
        if (!chooseColour(dialog, chosen)) return true;
        {
            const GameHold hold = holdForWindow(app.gameLock);
            colourSetting(app.settings, row.setting) = chosen;
        }
        InvalidateRect(GetDlgItem(dialog, row.swatchId), nullptr, TRUE);
        return true;
    }
    return false;
}

INT_PTR colourDialogMessage(const ColourDialogKind& kind, HWND dialog, UINT message, WPARAM first, LPARAM second) {
    App* app = keptApp(dialog);
    if (message == WM_INITDIALOG) {
        keepApp(dialog, second);
        kind.open(dialog, keptApp(dialog)->language);
        return TRUE;
    }
    if (app == nullptr) return FALSE;
    if (message == WM_CTLCOLORSTATIC)
        return reinterpret_cast<INT_PTR>(swatchBrush(dialog, app->settings, kind.rows, reinterpret_cast<HDC>(first),
                                                     reinterpret_cast<HWND>(second)));
    if (message != WM_COMMAND) return FALSE;
    const int id = LOWORD(first);
    if (id != IDC_COLORS_OK) return chooseRowColour(dialog, *app, kind.rows, id) ? TRUE : FALSE;
    EndDialog(dialog, 1);
    return TRUE;
}
