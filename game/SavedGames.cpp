#include "game/SavedGames.h"

#include <vector>

#include "engine/Caption.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "files/SavedGame.h"
#include "game/App.h"
#include "game/AutoPlay.h"
#include "game/FileMessages.h"
#include "game/Redraw.h"
#include "game/WindowTitle.h"
#include "view2d/BoardView.h"

namespace {

FileChoice savedGameChoice(const App& app, FileDialogMode mode) {
    return {mode, app.dirs.saveGame, "*.TVM", app.language.FilterSaveGame};
}

void replaceGame(App& app) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(filePath(app.dirs.saveGame, app.savedGameName), bytes)) {
        reportFileFailure(app, app.savedGameName, app.language.MesReadError);
        return;
    }
    SavedGame saved;
    if (!decodeSavedGame(bytes.data(), bytes.size(), saved)) {
        app.host.showMessage(app.language.MesSizeError, productCaption, MessageIcon::exclamation);
        return;
    }
    resetGameState(app.game);
    restoreSavedGame(saved, app.game, app.hallOfFame);
    app.game.state.gameWasLoaded = 1;
}

}  // namespace

void saveGame(App& app) {
    if (!app.host.chooseFile(savedGameChoice(app, FileDialogMode::save), app.savedGameName)) return;
    const SavedGame saved = savedGameOf(app.game, app.hallOfFame);
    if (!writeFileReplacing(filePath(app.dirs.saveGame, app.savedGameName), encodeSavedGame(saved)))
        reportFileFailure(app, app.savedGameName, app.language.MesWriteError);
}

void loadGame(App& app) {
    stopAutoPlayAndWait(app);
    const GameHold hold = holdForWindow(app.gameLock);
    if (app.host.chooseFile(savedGameChoice(app, FileDialogMode::open), app.savedGameName)) {
        replaceGame(app);
        showFileInTitle(app, app.savedGameName);
    }
    computeFreeTiles(app.game);
    computeShadowFlags(app.game, app.view.shadowFlags);
    layoutTiles(app.view, app.game);
    redrawBoard(app);
}
