#include "game/AutoPlay.h"

#include <algorithm>
#include <thread>

#include "engine/Caption.h"
#include "engine/Moves.h"
#include "game/App.h"
#include "game/Effects.h"
#include "game/Play.h"
#include "game/Status.h"
#include "view2d/Fade.h"

namespace {

// A solvable deal, not yet touched and not loaded: only then is the removal
// order the solution of the board.
bool isFreshSolvableDeal(const App& app) {
    const GameState& state = app.game.state;
    return app.settings.EasyMode == 1 && state.tilesLeft == tileCount && state.gameWasLoaded == 0;
}

bool view3DShown(const App& app) {
#if TAVREK_3D
    return app.settings.view3D == 1;
#else
    (void)app;
    return false;
#endif
}

bool onBoard(const App& app, int tile) { return tile < tileCount && app.game.tiles[tile].face != 0; }

// Move k still applies when nobody else has changed the board since the
// previous move (a command or, during the 3D pause, a click may have) and
// its two tiles lie there and match; a deal that fell back to random faces
// has no usable removal order either.
bool moveApplies(const App& app, int k) {
    const GameState& state = app.game.state;
    const int a = state.removalOrder[k], b = state.removalOrder[k + 1];
    return state.movesMade == k / 2 && a != b && onBoard(app, a) && onBoard(app, b) &&
           facesMatch(app.game.tiles[a].face, app.game.tiles[b].face);
}

// The pair is shown selected and then fades in the 2D view; the 3D view is
// drawn by the window thread, which gets the lock for the pause.
void showPair(App& app, GameHold& hold, int a, int b) {
    if (!view3DShown(app)) {
        playAutoPlayFade(scene2D(app), a, b);
        updateStatus(app);
        return;
    }
    app.host.requestRepaint();
    hold.unlock();
    app.host.sleepMilliseconds(std::max(app.settings.AutoPlaySleep, 0));
    hold = holdForWorker(app.gameLock);
}

bool makeMove(App& app, GameHold& hold, int k) {
    GameState& state = app.game.state;
    if (!moveApplies(app, k)) return false;
    const int a = state.removalOrder[k], b = state.removalOrder[k + 1];
    state.selectedTile = static_cast<int16_t>(a);
    state.secondTile = static_cast<int16_t>(b);
    showPair(app, hold, a, b);
    if (!moveApplies(app, k)) return false;
    removePair(app.game, a, b);
    computeShadowFlags(app.game, app.view.shadowFlags);
    playEffect(app, app.settings.Sound2);
    return true;
}

// The restart follows the last move within the same hold, so no window
// message ever sees the cleared board of a demonstration.
void demonstrate(App& app, GameHold& hold) {
    GameState& state = app.game.state;
    for (int k = 0; k < tileCount; k += 2) {
        if (k > 0) letWindowIn(app.gameLock, hold);
        if (state.autoPlayRunning != 1 || !makeMove(app, hold, k)) break;
    }
    state.selectedTile = noTile;
    state.secondTile = noTile;
    restartGame(app);
}

}  // namespace

void startAutoPlay(App& app) {
    GameHold hold = holdForWindow(app.gameLock);
    if (app.autoPlayerBusy) return;
    app.autoPlayerBusy = true;
    std::thread(autoPlayWorker, std::ref(app)).detach();
}

// The refusal is shown without the lock: its message box needs the window
// thread, which may be waiting for the lock.
void autoPlayWorker(App& app) {
    GameHold hold = holdForWorker(app.gameLock);
    app.game.state.autoPlayRunning = 1;
    const bool allowed = isFreshSolvableDeal(app);
    if (allowed) demonstrate(app, hold);
    hold.unlock();
    if (!allowed) app.host.showMessage(app.language.MesAutoplayError, productCaption, MessageIcon::information);
    hold = holdForWorker(app.gameLock);
    app.game.state.autoPlayRunning = 0;
#if TAVREK_3D
    app.host.requestRepaint();
#endif
    app.autoPlayerBusy = false;
}

void stopAutoPlay(App& app) { app.game.state.autoPlayRunning = 0; }

bool autoPlayerBusy(App& app) {
    GameHold hold = holdForWindow(app.gameLock);
    return app.autoPlayerBusy;
}

void stopAutoPlayAndWait(App& app) {
    {
        const GameHold hold = holdForWindow(app.gameLock);
        stopAutoPlay(app);
    }
    while (autoPlayerBusy(app)) app.host.sleepMilliseconds(10);
}
