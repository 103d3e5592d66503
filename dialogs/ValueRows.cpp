#include "dialogs/ValueRows.h"

#include "dialogs/DialogTexts.h"
#include "game/App.h"

namespace {

void showRow(HWND dialog, const App& app, const ValueRow& row) {
    setItemText(dialog, row.textId, valueText(app.settings, row.value, app.language));
}

}  // namespace

void showValueRows(HWND dialog, const App& app, ValueRows rows) {
    for (const ValueRow& row : rows) showRow(dialog, app, row);
}

bool stepValueRow(HWND dialog, App& app, ValueRows rows, int id) {
    for (const ValueRow& row : rows) {
        if (id != row.upId && id != row.downId) continue;
        stepValue(app.settings, row.value, id == row.upId);
        showRow(dialog, app, row);
        return true;
    }
    return false;
}
