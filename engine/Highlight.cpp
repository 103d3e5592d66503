#include "engine/Highlight.h"

bool isMarkedTile(const GameState& state, int tile) {
    return tile == state.selectedTile || tile == state.secondTile;
}

bool isHintedTile(GameModel& game, int tile) {
    GameState& state = game.state;
    if (state.showMoves != 1) return false;
    if (state.hintIndex >= game.moveList.moveCount || state.hintIndex < 0 || state.hintIndex >= moveListCapacity)
        state.hintIndex = 0;
    const TilePair& pair = game.moveList.pairs[state.hintIndex];
    return tile == pair.first || tile == pair.second;
}
