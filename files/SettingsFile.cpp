#include "files/SettingsFile.h"

#include <algorithm>

#include "engine/App.h"
#include "engine/Caption.h"
#include "files/DataDirectories.h"
#include "files/LanguageFile.h"
#include "files/SettingsText.h"

namespace {

constexpr const char* noLanguageMessage = "No language file found ! The game will stop. Please reinstall Tavrek";

int16_t menuPageSizeFor(int32_t windowHeight, int menuBarHeight) {
    if (menuBarHeight <= 0) return 10;
    // A page of one name at least, so that paging a file list always advances.
    return static_cast<int16_t>(std::clamp(windowHeight / menuBarHeight - 4, 1, 32767));
}

void clearNames(Settings& settings) {
    for (std::string* name : {&settings.Layout, &settings.TileSet, &settings.Background, &settings.Sound1,
                              &settings.Sound2, &settings.Sound3, &settings.Music})
        name->clear();
}

// Names come from a hand-editable file: one that would reach outside its
// data directory counts as missing.
bool isBareName(const std::string& name) {
    return name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

void repairName(std::string& name, const std::string& directory, const char* pattern, const char* wanted) {
    if (!isBareName(name) || !fileExistsIn(directory, name)) name = findFileOrDefault(pattern, directory, wanted);
}

// An empty name here means "no file" and stays so.
void repairOptionalName(std::string& name, const std::string& directory, const char* pattern, const char* wanted) {
    if (!name.empty()) repairName(name, directory, pattern, wanted);
}

void repairNames(const DataDirectories& dirs, Settings& settings) {
    if (settings.Layout != randomLayoutName) repairName(settings.Layout, dirs.layouts, "*.TVL", "DEFAULT.TVL");
    repairName(settings.TileSet, dirs.tileSets, "*.BMP", "STANDARD.BMP");
    repairOptionalName(settings.Background, dirs.background, "*.BMP", "SUNSET.BMP");
    repairOptionalName(settings.Sound1, dirs.sounds, "*.WAV", "SELECT.WAV");
    repairOptionalName(settings.Sound2, dirs.sounds, "*.WAV", "REMOVE.WAV");
    repairOptionalName(settings.Sound3, dirs.sounds, "*.WAV", "BESIDE.WAV");
    repairOptionalName(settings.Music, dirs.sounds, "*.MID", "THEME01.MID");
}

bool stopStartUp(App& app, const std::string& text) {
    app.host.showMessage(text, productCaption, MessageIcon::stop);
    return false;
}

}  // namespace

Settings defaultSettings(const ScreenMetrics& screen) {
    Settings settings;
    settings.WindowXSize = screen.maximizedWidth - 2 * screen.frameWidth;
    settings.WindowYSize = screen.maximizedHeight - 2 * screen.frameHeight;
    settings.menuPageSize = menuPageSizeFor(settings.WindowYSize, screen.menuBarHeight);
    return settings;
}

bool loadSettings(App& app) {
    Settings& settings = app.settings;
    const std::string language = settings.Language;
    settings = defaultSettings(app.host.screenMetrics());
    settings.Language = language;
    std::vector<uint8_t> bytes;
    if (readWholeFile(filePath(app.dirs.startDirectory, settingsFileName), bytes)) {
        clearNames(settings);
        parseSettingsText(bytes, settings);
        repairName(settings.Language, app.dirs.language, "*.TXT", "ENGLISH.TXT");
    }
    repairNames(app.dirs, settings);
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
    app.host.showMessage(std::string(settingsFileName) + " : " + app.language.MesWriteError, productCaption,
                         MessageIcon::exclamation);
    return false;
}
