#include "files/SettingsFile.h"

#include <algorithm>

#include "files/SettingsText.h"

namespace {

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

void repairName(std::string& name, const std::filesystem::path& directory, const char* pattern, const std::string& wanted) {
    if (!isBareName(name) || !fileExistsIn(directory, name)) name = findFileOrDefault(pattern, directory, wanted);
}

// An empty name here means "no file" and stays so.
void repairOptionalName(std::string& name, const std::filesystem::path& directory, const char* pattern, const std::string& wanted) {
    if (!name.empty()) repairName(name, directory, pattern, wanted);
}

// A first run's names are the ones looked for first.
void repairNames(const DataDirectories& dirs, Settings& settings) {
    const Settings first;
    if (settings.Layout != randomLayoutName) repairName(settings.Layout, dirs.layouts, "*.TVL", first.Layout);
    repairName(settings.TileSet, dirs.tileSets, "*.BMP", first.TileSet);
    repairOptionalName(settings.Background, dirs.background, "*.BMP", first.Background);
    repairOptionalName(settings.Sound1, dirs.sounds, "*.WAV", first.Sound1);
    repairOptionalName(settings.Sound2, dirs.sounds, "*.WAV", first.Sound2);
    repairOptionalName(settings.Sound3, dirs.sounds, "*.WAV", first.Sound3);
    repairOptionalName(settings.Music, dirs.sounds, "*.MID", first.Music);
}

}  // namespace

Settings defaultSettings(const ScreenMetrics& screen) {
    Settings settings;
    settings.WindowXSize = screen.maximizedWidth - 2 * screen.frameWidth;
    settings.WindowYSize = screen.maximizedHeight - 2 * screen.frameHeight;
    settings.menuPageSize = menuPageSizeFor(settings.WindowYSize, screen.menuBarHeight);
    return settings;
}

void readSettings(const DataDirectories& dirs, const ScreenMetrics& screen, Settings& settings) {
    const std::string language = settings.Language;
    settings = defaultSettings(screen);
    settings.Language = language;
    std::vector<uint8_t> bytes;
    if (readWholeFile(filePath(dirs.startDirectory, settingsFileName), bytes)) {
        clearNames(settings);
        parseSettingsText(bytes, settings);
        repairName(settings.Language, dirs.language, "*.TXT", Settings{}.Language);
    }
    repairNames(dirs, settings);
}
