#include "game/DealGame.h"

#include "engine/FreeTiles.h"
#include "game/App.h"
#include "game/CurrentLayout.h"
#include "game/Redraw.h"
#include "game/WindowTitle.h"

DealReport dealNewGame(App& app) {
    GameModel& game = app.game;
    if (game.state.gameWasLoaded == 1) {
        loadLayout(app);
        game.state.gameWasLoaded = 0;
    }
    const SeedSource seed = [&app] { return static_cast<unsigned>(app.host.calendarTime()); };
    const DealReport report = dealTiles(game, app.settings.EasyMode == 1, app.settings.pairSearchLimit, seed);
    computeFreeTiles(game);
    computeShadowFlags(game, app.view.shadowFlags);
    resetGameState(game);
    layoutTiles(app.view, game);
    redrawBoard(app);
    showFileInTitle(app, app.settings.Layout);
    return report;
}
