#include "game/SettingsStore.h"

#include "files/SettingsFile.h"
#include "files/SettingsText.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/Language.h"
#include "game/FileMessages.h"

namespace {

constexpr const char* noLanguageMessage = "No language file found ! The game will stop. Please reinstall Tavrek";

bool stopStartUp(App& app, const std::string& text) {
    tellPlayer(app, text, MessageIcon::stop);
    return false;
}

}  // namespace

bool loadSettings(App& app) {
    readSettings(app.dirs, app.host.screenMetrics(), app.settings);
    const Settings& settings = app.settings;
    if (!loadLanguage(app)) return stopStartUp(app, noLanguageMessage);
    if (settings.Layout.empty()) return stopStartUp(app, app.language.MesNoLayout);
    if (settings.TileSet.empty()) return stopStartUp(app, app.language.MesNoTileSet);
    return true;
}

bool saveSettings(App& app, const WindowRectangle& outer) {
    Settings& settings = app.settings;
    settings.WindowXPos = outer.left;
    settings.WindowYPos = outer.top;
    settings.WindowXSize = static_cast<int32_t>(int64_t{outer.right} - outer.left);
    settings.WindowYSize = static_cast<int32_t>(int64_t{outer.bottom} - outer.top);
    const std::vector<uint8_t> bytes = formatSettingsText(settings, app.host.screenMetrics());
    if (writeFileReplacing(filePath(app.dirs.startDirectory, settingsFileName), bytes)) return true;
    reportFileFailure(app, settingsFileName, app.language.MesWriteError);
    return false;
}
