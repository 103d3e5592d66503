#include "game/AutoPlay.h"

#include <algorithm>
#include <thread>

#include "files/Caption.h"
#include "engine/Deal.h"
#include "engine/Moves.h"
#include "game/App.h"
#include "game/Effects.h"
#include "game/Play.h"
#include "game/Status.h"
#include "view2d/Fade.h"

namespace {

// A solvable deal, not yet touched and not loaded, whose removal order still
// clears it: only then can the order be shown as its solution.
bool isFreshSolvableDeal(const App& app) {
    const GameState& state = app.game.state;
    return app.settings.EasyMode == 1 && state.tilesLeft == tileCount && state.gameWasLoaded == 0 &&
           removalOrderClears(app.game);
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
// previous move (a command or a click between two frames may have) and its
// two tiles lie there and match.
bool moveApplies(const App& app, int k) {
    const GameState& state = app.game.state;
    const int a = state.removalOrder[k], b = state.removalOrder[k + 1];
    return state.movesMade == k / 2 && a != b && onBoard(app, a) && onBoard(app, b) &&
           facesMatch(app.game.tiles[a].face, app.game.tiles[b].face);
}

// The worker gives up the lock for every wait of a move, so the window
// answers within a frame; false when the board changed meanwhile.
FadeWait waitOutsideLock(App& app, GameHold& hold, int k) {
    return [&app, &hold, k](int milliseconds) {
        hold.unlock();
        if (milliseconds > 0) app.host.sleepMilliseconds(milliseconds);
        hold = holdForWorker(app.gameLock);
        return moveApplies(app, k);
    };
}

// The pair is shown selected and then fades in the 2D view; the 3D view is
// drawn by the window thread during the pause.
void showPair(App& app, GameHold& hold, int k) {
    const GameState& state = app.game.state;
    if (!view3DShown(app)) {
        playAutoPlayFade(scene2D(app), state.selectedTile, state.secondTile, waitOutsideLock(app, hold, k));
        updateStatus(app);
        return;
    }
    app.host.requestRepaint();
    waitOutsideLock(app, hold, k)(std::max(app.settings.AutoPlaySleep, 0));
}

void putDealBack(App& app) {
    app.game.state.selectedTile = noTile;
    app.game.state.secondTile = noTile;
    restartGame(app);
}

// The sound plays without the lock, and the last one over the cleared board:
// the deal is put back once it has been heard.
bool makeMove(App& app, int k) {
    GameHold hold = holdForWorker(app.gameLock);
    GameState& state = app.game.state;
    if (state.autoPlayRunning != 1 || !moveApplies(app, k)) return false;
    const int a = state.removalOrder[k], b = state.removalOrder[k + 1];
    state.selectedTile = static_cast<int16_t>(a);
    state.secondTile = static_cast<int16_t>(b);
    showPair(app, hold, k);
    if (!moveApplies(app, k)) return false;
    removePair(app.game, a, b);
    computeShadowFlags(app.game, app.view.shadowFlags);
    const std::filesystem::path sound = effectPath(app, app.settings.Sound2);
    hold.unlock();
    playEffectFile(app.host, sound);
    return true;
}

void demonstrate(App& app) {
    int k = 0;
    while (k < tileCount && makeMove(app, k)) k += 2;
    GameHold hold = holdForWorker(app.gameLock);
    putDealBack(app);
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
    hold.unlock();
    if (allowed) demonstrate(app);
    else app.host.showMessage(app.language.MesAutoplayError, productCaption, MessageIcon::information);
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
    while (autoPlayerBusy(app)) app.host.waitAnswering(10);
}
