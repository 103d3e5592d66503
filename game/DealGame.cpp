#include "game/DealGame.h"

#include <cctype>
#include <string>

#include "engine/Caption.h"
#include "engine/FreeTiles.h"
#include "game/App.h"
#include "game/CurrentLayout.h"
#include "game/Redraw.h"

namespace {

// "DEFAULT.TVL" is shown as "Default.tvl".
std::string titleName(std::string layout) {
    for (char& c : layout) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!layout.empty()) layout[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(layout[0])));
    return layout;
}

}  // namespace

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
    app.host.setTitle(std::string(productCaption) + " - " + titleName(app.settings.Layout));
    return report;
}
