// Undo of the last pair, of every pair (restart), and before a new deal.
#include "engine/FreeTiles.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/DealGame.h"
#include "game/Play.h"
#include "game/Redraw.h"

namespace {

void undoAllMoves(App& app) {
    while (app.game.state.movesMade > 0) undoMove(app);
}

void refreshBoard(App& app) {
    computeFreeTiles(app.game);
    computeShadowFlags(app.game, app.view.shadowFlags);
}

}  // namespace

// The record keeps one face only, so both tiles come back with the face of
// the first: a pair of two different group faces returns as two equal ones.
void undoMove(App& app) {
    GameModel& game = app.game;
    GameState& state = game.state;
    if (state.movesMade >= 1) {
        state.movesMade -= 1;
        const UndoRecord record = state.undoList[state.movesMade];
        for (uint8_t tile : {record.first, record.second}) {
            game.tiles[tile].face = record.face;
            restoreTileCells(game, tile);
        }
        state.tilesLeft += 2;
        state.hintIndex = 0;
        game.moveList.moveCount = 0;
    } else {
        tellPlayer(app, app.language.MesUndo, MessageIcon::information);
    }
    state.selectedTile = noTile;
    state.secondTile = noTile;
}

void undoCommand(App& app) {
    undoMove(app);
    refreshBoard(app);
    layoutTiles(app.view, app.game);
    redrawBoard(app);
}

void restartGame(App& app) {
    undoAllMoves(app);
    refreshBoard(app);
    resetGameState(app.game);
    layoutTiles(app.view, app.game);
    redrawBoard(app);
}

void newGame(App& app) {
    undoAllMoves(app);
    dealNewGame(app);
}
