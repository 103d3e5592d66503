#include "Replay.h"

#include <algorithm>

#include "engine/FreeTiles.h"
#include "engine/Moves.h"

namespace {

bool boardIsEmpty(const GameModel& game) {
    return std::all_of(game.tiles.begin(), game.tiles.end(), [](const TileRecord& t) { return t.face == 0; }) &&
           std::all_of(game.boardGrid.begin(), game.boardGrid.end(), [](uint8_t cell) { return cell == noTile; });
}

}  // namespace

bool replayRemovalOrder(GameModel game) {
    const auto& order = game.state.removalOrder;
    for (int k = 0; k < tileCount; k += 2) {
        const int a = order[k];
        const int b = order[k + 1];
        if (a >= tileCount || b >= tileCount) return false;
        computeFreeTiles(game);
        if (!tilesMatch(game, a, b)) return false;
        takeOffBoard(game, a);
        takeOffBoard(game, b);
    }
    return boardIsEmpty(game);
}
