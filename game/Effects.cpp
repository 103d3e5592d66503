#include "game/Effects.h"

#include "game/App.h"

std::filesystem::path effectPath(const App& app, const std::string& soundName) {
    if (app.settings.SoundEffects != 1 || soundName.empty()) return {};
    return filePath(app.dirs.sounds, soundName);
}

void playEffectFile(Host& host, const std::filesystem::path& path) {
    if (!path.empty()) host.playSound(path);
}

void playEffect(App& app, const std::string& soundName) { playEffectFile(app.host, effectPath(app, soundName)); }
