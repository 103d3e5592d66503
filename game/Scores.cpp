#include "game/Scores.h"

#include "files/HallOfFameFile.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/FileMessages.h"

void loadHallOfFame(App& app) {
    std::vector<uint8_t> bytes;
    const bool read = readWholeFile(filePath(app.dirs.scores, hallOfFameFileName(app.settings.Layout)), bytes);
    if (read && decodeHallOfFame(bytes.data(), bytes.size(), app.ansiToUtf8, app.hallOfFame)) return;
    // A missing file is simply a layout nobody has won yet.
    if (read) tellPlayer(app, app.language.MesScores, MessageIcon::exclamation);
    fillDefaultHallOfFame(app.hallOfFame);
}

void saveHallOfFame(App& app) {
    const std::string name = hallOfFameFileName(app.settings.Layout);
    if (!writeFileReplacing(filePath(app.dirs.scores, name), encodeHallOfFame(app.hallOfFame)))
        reportFileFailure(app, name, app.language.MesWriteError);
}
