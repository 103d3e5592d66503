#if TAVREK_3D

#include "dialogs/Config3DDialog.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ValueRows.h"
#include "game/App.h"
#include "resources/resource.h"
#include "view2d/TileSet.h"

namespace {

constexpr ValueRows config3DRows = {
    {IDC_CONFIG_AUTOPLAYUP, IDC_CONFIG_AUTOPLAYDOWN, IDC_CONFIG_AUTOPLAYVALUE, SteppedValue::autoPlaySleep},
    {IDC_CONFIG3D_STEPUP, IDC_CONFIG3D_STEPDOWN, IDC_CONFIG3D_STEPVALUE, SteppedValue::stepRotation},
};

void openConfig3D(HWND dialog, const App& app) {
    const LanguageTable& language = app.language;
    setDialogTexts(dialog, language.CONFIGCAPTION,
                   {{IDC_CONFIG_OK, language.OK},
                    {IDC_CONFIG_AUTOPLAYGROUP, language.AUTOPLAYDELAY},
                    {IDC_CONFIG3D_STEPGROUP, language.STEP3D}});
    showValueRows(dialog, app, config3DRows);
}

bool config3DCommand(HWND dialog, App& app, int id) {
    if (id != IDC_CONFIG_OK) return stepValueRow(dialog, app, config3DRows, id);
    prepareTileSet(scene2D(app));
    EndDialog(dialog, 1);
    return true;
}

constexpr OptionsDialogKind config3D = {openConfig3D, config3DCommand};

}  // namespace

INT_PTR CALLBACK config3DDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    return optionsDialogMessage(config3D, dialog, message, first, second);
}

#endif
