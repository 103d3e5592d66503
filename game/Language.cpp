#include "game/Language.h"

#include "files/LanguageFile.h"
#include "game/App.h"
#include "game/Status.h"

bool loadLanguage(App& app) {
    std::vector<uint8_t> bytes;
    const std::string& name = app.settings.Language;
    const bool opened = !name.empty() && readWholeFile(filePath(app.dirs.language, name), bytes);
    if (opened) parseLanguageText(bytes, app.ansiToUtf8, app.language);
    app.language.helpFileName = helpPageFor(app.dirs, name);
    updateStatus(app);
    return opened;
}
