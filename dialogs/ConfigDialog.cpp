#include "dialogs/ConfigDialog.h"

#include "dialogs/Config3DDialog.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ValueRows.h"
#include "game/App.h"
#include "resources/resource.h"
#include "view2d/TileSet.h"

namespace {

constexpr ValueRows configRows = {
    {IDC_CONFIG_AUTOPLAYUP, IDC_CONFIG_AUTOPLAYDOWN, IDC_CONFIG_AUTOPLAYVALUE, SteppedValue::autoPlaySleep},
    {IDC_CONFIG_REMOVEUP, IDC_CONFIG_REMOVEDOWN, IDC_CONFIG_REMOVEVALUE, SteppedValue::removeTileTime},
    {IDC_CONFIG_BORDERUP, IDC_CONFIG_BORDERDOWN, IDC_CONFIG_BORDERVALUE, SteppedValue::borderSize},
    {IDC_CONFIG_SHADOWUP, IDC_CONFIG_SHADOWDOWN, IDC_CONFIG_SHADOWVALUE, SteppedValue::shadowSize},
};

void openConfig(HWND dialog, const App& app) {
    const LanguageTable& language = app.language;
    setDialogTexts(dialog, language.CONFIGCAPTION,
                   {{IDC_CONFIG_OK, language.OK},
                    {IDC_CONFIG_STRETCH, language.STRETCHTILES},
                    {IDC_CONFIG_SELECTGROUP, language.SELECTMODE},
                    {IDC_CONFIG_DARKER, language.SELECTDARKER},
                    {IDC_CONFIG_INVERT, language.SELECTINVERT},
                    {IDC_CONFIG_AUTOPLAYGROUP, language.AUTOPLAYDELAY},
                    {IDC_CONFIG_REMOVEGROUP, language.REMOVETILEDELAY},
                    {IDC_CONFIG_BORDERGROUP, language.BORDERSIZE},
                    {IDC_CONFIG_SHADOWGROUP, language.SHADOWSIZE}});
    showValueRows(dialog, app, configRows);
    CheckDlgButton(dialog, IDC_CONFIG_STRETCH, app.settings.StretchTiles == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_CONFIG_DARKER, IDC_CONFIG_INVERT,
                     app.settings.SelectMode == 1 ? IDC_CONFIG_DARKER : IDC_CONFIG_INVERT);
}

// The look of a selected tile changes at once; the stretching waits for OK,
// which prepares the tile set again for new sizes and stretching.
bool configCommand(HWND dialog, App& app, int id) {
    switch (id) {
        case IDC_CONFIG_DARKER:
        case IDC_CONFIG_INVERT:
            CheckRadioButton(dialog, IDC_CONFIG_DARKER, IDC_CONFIG_INVERT, id);
            app.settings.SelectMode = id == IDC_CONFIG_DARKER ? 1 : 0;
            return true;
        case IDC_CONFIG_OK:
            app.settings.StretchTiles = IsDlgButtonChecked(dialog, IDC_CONFIG_STRETCH) == BST_CHECKED ? 1 : 0;
            prepareTileSet(scene2D(app));
            EndDialog(dialog, 1);
            return true;
        default: return stepValueRow(dialog, app, configRows, id);
    }
}

constexpr OptionsDialogKind config = {openConfig, configCommand};

}  // namespace

INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    return optionsDialogMessage(config, dialog, message, first, second);
}

void showConfigDialog(HINSTANCE instance, HWND owner, App& app) {
#if TAVREK_3D
    if (app.settings.view3D == 1) {
        showOptionsDialog(instance, IDD_CONFIG3D, owner, config3DDialogProc, app);
        return;
    }
#endif
    showOptionsDialog(instance, IDD_CONFIG, owner, configDialogProc, app);
}
