// Selecting and removing tiles: what a click does, with which sound.
#include "engine/Play.h"

#include "engine/App.h"
#include "engine/Effects.h"
#include "engine/FreeTiles.h"
#include "engine/Status.h"
#include "view2d/Fade.h"

namespace {

bool isTile(int tile) { return tile >= 0 && tile < tileCount; }

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
    playRemovalFade(app, first, second);
}

void takePair(App& app, int first, int second) {
    GameModel& game = app.game;
    fadeOut(app, first, second);
    removePair(app, first, second);
    playEffect(app, app.settings.Sound2);
    computeFreeTiles(game);
    computeShadowFlags(app);
    clearSelection(game.state);
    buildMoveList(game, false, app.settings.pairSearchLimit);
    if (game.moveList.moveCount == 0) {
        game.state.showMoves = 1;
        updateStatus(app);
    }
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

// Anything that is not a tile index is a click beside the tiles.
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

void click2D(App& app, int x, int y) { clickTile(app, tileAt2D(app, x, y)); }

void tryPair(App& app, int first, int second) {
    if (!isTile(first) || !isTile(second)) {
        clickTile(app, noTile);
    } else if (tilesMatch(app.game, first, second)) {
        takePair(app, first, second);
    } else {
        reselect(app, first, second);
    }
}

// Free flags and shadow flags are left to the caller, which may remove
// several pairs before it looks at the board again.
void removePair(App& app, int first, int second) {
    GameModel& game = app.game;
    GameState& state = game.state;
    if (!isTile(first) || !isTile(second) || state.movesMade < 0 || state.movesMade >= undoSlots)
        return;
    state.undoList[state.movesMade] = {game.tiles[first].face, static_cast<uint8_t>(first),
                                       static_cast<uint8_t>(second)};
    for (int tile : {first, second}) {
        clearTileCells(game, tile);
        game.tiles[tile].face = 0;
    }
    state.tilesLeft -= 2;
    state.hintIndex = 0;
    game.moveList.moveCount = 0;
    state.movesMade += 1;
}
