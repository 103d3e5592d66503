#include "game/SavedGames.h"

#include <vector>

#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "files/SavedGame.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/AutoPlay.h"
#include "game/FileMessages.h"
#include "game/RecordWin.h"
#include "game/Redraw.h"
#include "game/WindowTitle.h"
#include "view2d/BoardView.h"

namespace {

FileChoice savedGameChoice(const App& app, FileDialogMode mode) {
    return {mode, app.dirs.saveGame, "*.TVM", app.language.FilterSaveGame};
}

bool replaceGame(App& app) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(filePath(app.dirs.saveGame, app.savedGameName), bytes)) {
        reportFileFailure(app, app.savedGameName, app.language.MesReadError);
        return false;
    }
    SavedGame saved;
    if (!decodeSavedGame(bytes.data(), bytes.size(), app.ansiToUtf8, saved)) {
        tellPlayer(app, app.language.MesSizeError, MessageIcon::exclamation);
        return false;
    }
    resetGameState(app.game);
    restoreSavedGame(saved, app.game, app.hallOfFame);
    app.game.state.gameWasLoaded = 1;
    return true;
}

}  // namespace

void saveGame(App& app) {
    if (!askFileName(app, savedGameChoice(app, FileDialogMode::save), app.savedGameName)) return;
    const SavedGame saved = savedGameOf(app.game, app.hallOfFame);
    if (!writeFileReplacing(filePath(app.dirs.saveGame, app.savedGameName), encodeSavedGame(saved)))
        reportFileFailure(app, app.savedGameName, app.language.MesWriteError);
}

void loadGame(App& app) {
    stopAutoPlayAndWait(app);
    const GameHold hold = holdForWindow(app.gameLock);
    bool loaded = false;
    if (askFileName(app, savedGameChoice(app, FileDialogMode::open), app.savedGameName)) {
        loaded = replaceGame(app);
        showFileInTitle(app, app.savedGameName);
    }
    computeFreeTiles(app.game);
    computeShadowFlags(app.game, app.view.shadowFlags);
    layoutTiles(app.view, app.game);
    redrawBoard(app);
    // A game saved with its board already cleared is won as it loads.
    if (loaded && app.game.state.tilesLeft == 0) announceGameOver(app);
}
