#include "engine/Moves.h"

bool isTile(int tile) { return tile >= 0 && tile < tileCount; }

void takeOffBoard(GameModel& game, int tile) {
    clearTileCells(game, tile);
    game.tiles[tile].face = 0;
}

// Free flags and shadow flags are left to the caller, which may remove
// several pairs before it looks at the board again.
void removePair(GameModel& game, int first, int second) {
    GameState& state = game.state;
    if (!isTile(first) || !isTile(second) || state.movesMade < 0 || state.movesMade >= undoSlots)
        return;
    state.undoList[state.movesMade] = {game.tiles[first].face, static_cast<uint8_t>(first),
                                       static_cast<uint8_t>(second)};
    takeOffBoard(game, first);
    takeOffBoard(game, second);
    state.tilesLeft -= 2;
    state.hintIndex = 0;
    game.moveList.moveCount = 0;
    state.movesMade += 1;
}
