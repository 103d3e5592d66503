#include "game/SaveLayout.h"

#include "files/LayoutLines.h"
#include "game/App.h"
#include "game/FileMessages.h"
#include "game/WindowTitle.h"

bool saveLayoutAs(App& app) {
    std::string& layout = app.settings.Layout;
    const FileChoice choice{FileDialogMode::save, app.dirs.layouts, "*.TVL", app.language.FilterLayout};
    if (!app.host.chooseFile(choice, layout)) return false;
    // A failed write still leaves the setting naming the new file, as chosen.
    if (!writeFileReplacing(filePath(app.dirs.layouts, layout), layoutLineBytes(app.game.layoutMask)))
        reportFileFailure(app, layout, app.language.MesWriteError);
    layout = upperCase(layout);
    showFileInTitle(app, layout);
    return true;
}
