// The hint walks through the list of available pairs, one pair per request,
// and costs a minute of game time each time.
#include "engine/FreeTiles.h"
#include "game/App.h"
#include "game/Play.h"
#include "game/Redraw.h"

namespace {

constexpr int hintPenaltySeconds = 60;

}  // namespace

// After the last pair the first comes again; an empty list is rebuilt first.
void showNextHint(App& app) {
    GameModel& game = app.game;
    GameState& state = game.state;
    state.elapsedSeconds += hintPenaltySeconds;
    state.showMoves = 1;
    state.hintIndex += 1;
    if (state.hintIndex > game.moveList.moveCount) state.hintIndex = 0;
    if (state.hintIndex == 0) buildMoveList(game, false, app.settings.pairSearchLimit);
    redrawBoard(app);
}
