// Selecting and removing tiles: what a click does, with which sound.
#include "game/Play.h"

#include "engine/FreeTiles.h"
#include "engine/Moves.h"
#include "game/App.h"
#include "game/Effects.h"
#include "game/RecordWin.h"
#include "view2d/Fade.h"

namespace {

void clearSelection(GameState& state) {
    state.selectedTile = noTile;
    state.secondTile = noTile;
}

// The fade belongs to the 2D view; it does nothing when RemoveTileTime is
// not above 0 or the last redraw left no time for a frame.
void fadeOut(App& app, int first, int second) {
#if TAVREK_3D
    if (app.settings.view3D == 1) return;
#endif
    playRemovalFade(scene2D(app), first, second);
}

void takePair(App& app, int first, int second) {
    GameModel& game = app.game;
    fadeOut(app, first, second);
    removePair(game, first, second);
    playEffect(app, app.settings.Sound2);
    computeFreeTiles(game);
    computeShadowFlags(game, app.view.shadowFlags);
    clearSelection(game.state);
    buildMoveList(game, false, app.settings.pairSearchLimit);
    if (game.moveList.moveCount == 0) announceGameOver(app);
}

// The second tile did not go with the selected one: it becomes the selection
// when it is free (clicking the selected tile again deselects it).
void reselect(App& app, int selected, int clicked) {
    GameState& state = app.game.state;
    state.secondTile = noTile;
    if (app.game.tiles[clicked].freeFlag == 1) {
        state.selectedTile = clicked == selected ? noTile : static_cast<int16_t>(clicked);
        playEffect(app, app.settings.Sound1);
    } else {
        state.selectedTile = noTile;
        playEffect(app, app.settings.Sound3);
    }
}

}  // namespace

void clickTile(App& app, int tile) {
    GameState& state = app.game.state;
    if (!isTile(tile)) {
        playEffect(app, app.settings.Sound3);
        clearSelection(state);
    } else if (state.selectedTile != noTile) {
        state.secondTile = static_cast<int16_t>(tile);
        tryPair(app, state.selectedTile, tile);
    } else if (app.game.tiles[tile].freeFlag == 1) {
        state.selectedTile = static_cast<int16_t>(tile);
        playEffect(app, app.settings.Sound1);
    } else {
        playEffect(app, app.settings.Sound3);
    }
}

void click2D(App& app, int x, int y) { clickTile(app, tileAt2D(app.view, app.game, x, y)); }

void tryPair(App& app, int first, int second) {
    if (!isTile(first) || !isTile(second)) {
        clickTile(app, noTile);
    } else if (tilesMatch(app.game, first, second)) {
        takePair(app, first, second);
    } else {
        reselect(app, first, second);
    }
}
