#include "game/Effects.h"

#include "game/App.h"

void playEffect(App& app, const std::string& soundName) {
    if (app.settings.SoundEffects != 1 || soundName.empty()) return;
    app.host.playSound(filePath(app.dirs.sounds, soundName));
}
