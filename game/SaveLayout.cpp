#include "game/SaveLayout.h"

#include "files/LayoutLines.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/FileMessages.h"
#include "game/WindowTitle.h"

bool saveLayoutAs(App& app) {
    const FileChoice choice{FileDialogMode::save, app.dirs.layouts, "*.TVL", app.language.FilterLayout};
    std::string name = app.settings.Layout;
    if (!askFileName(app, choice, name)) return false;
    // That name asks for a random heap, so a file under it could never be
    // opened again; the file system ignores case, so no spelling may pass.
    if (upperCase(name) == randomLayoutName) {
        reportFileFailure(app, name, app.language.MesWriteError);
        return false;
    }
    // A failed write still leaves the setting naming the new file, as chosen.
    if (!writeFileReplacing(filePath(app.dirs.layouts, name), layoutLineBytes(app.game.layoutMask)))
        reportFileFailure(app, name, app.language.MesWriteError);
    app.settings.Layout = upperCase(name);
    showFileInTitle(app, app.settings.Layout);
    return true;
}
