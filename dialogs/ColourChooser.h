// The platform's colour chooser, and the colour buttons of the colours
// dialogs: each button chooses one colour setting shown in a swatch beside it.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "files/SettingSteps.h"

struct App;

// Opens the full chooser with `colour` selected and fresh white custom
// colours; true, with `colour` changed, when the player pressed OK. A cancel
// leaves `colour` as it was, so pure black can be chosen like any colour.
bool chooseColour(HWND owner, Colour& colour);

// The chooser goes through this hook when it is set, so tests can answer it.
using ColourChooserHook = bool (*)(HWND owner, Colour& colour);
extern ColourChooserHook colourChooserHook;

struct ColourRow {
    int buttonId;
    int swatchId;
    ColourSetting setting;
};

using ColourRows = std::initializer_list<ColourRow>;

// The brush a swatch paints itself with (the answer to WM_CTLCOLORSTATIC),
// or nullptr for a control that is no swatch. Each swatch thus keeps its
// colour however often the dialog is covered and uncovered.
HBRUSH swatchBrush(HWND dialog, Settings& settings, ColourRows rows, HDC context, HWND control);
// Lets the player choose the colour of the button `id` and repaints its
// swatch; false when `id` is no colour button.
bool chooseRowColour(HWND dialog, App& app, ColourRows rows, int id);

struct LanguageTable;

// What tells the colours dialogs apart: their buttons and their texts. What
// follows a change (a redraw, the 3D view's render state) is the opener's.
struct ColourDialogKind {
    ColourRows rows;
    void (*open)(HWND dialog, const LanguageTable& language);
};

// The dialog procedure of a colours dialog of that kind.
INT_PTR colourDialogMessage(const ColourDialogKind& kind, HWND dialog, UINT message, WPARAM first, LPARAM second);
