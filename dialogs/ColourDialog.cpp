#include "dialogs/ColourDialog.h"

#include "dialogs/Colour3DDialog.h"
#include "dialogs/ColourChooser.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/OptionsDialog.h"
#include "game/App.h"
#include "resources/resource.h"

namespace {

void openColours(HWND dialog, const LanguageTable& language) {
    setDialogTexts(dialog, language.COLORSCAPTION,
                   {{IDC_COLORS_OK, language.OK},
                    {IDC_COLORS_BACK, language.COLORSBACK},
                    {IDC_COLORS_SIDE, language.COLORSSIDE}});
}

constexpr ColourDialogKind colours = {
    {{IDC_COLORS_BACK, IDC_COLORS_BACKSWATCH, ColourSetting::background},
     {IDC_COLORS_SIDE, IDC_COLORS_SIDESWATCH, ColourSetting::sides}},
    openColours,
};

}  // namespace

INT_PTR CALLBACK colourDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    return colourDialogMessage(colours, dialog, message, first, second);
}

void showColourDialog(HINSTANCE instance, HWND owner, App& app) {
#if TAVREK_3D
    if (app.settings.view3D == 1) {
        showOptionsDialog(instance, IDD_COLORS3D, owner, colour3DDialogProc, app);
        return;
    }
#endif
    showOptionsDialog(instance, IDD_COLORS, owner, colourDialogProc, app);
}
