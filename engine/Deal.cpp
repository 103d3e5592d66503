// Dealing. A solvable deal first takes the heap apart pair by pair, with
// every tile matching every other, and then hands out matching faces in that
// removal order, so replaying the order always clears the board.
#include "engine/Deal.h"

#include <array>
#include <cstdlib>

#include "engine/FreeTiles.h"
#include "engine/Layout.h"
#include "engine/Moves.h"

namespace {

using FacePool = std::array<uint8_t, tileCount>;

struct Dealer {
    GameModel& game;
    int pairSearchLimit;
    const SeedSource& seed;
};

void seedAfresh(const Dealer& dealer) { std::srand(dealer.seed()); }

// A list of one or two pairs gives its first; a longer one never its last.
int choosePair(int moveCount) { return moveCount <= 2 ? 0 : std::rand() % (moveCount - 1); }

// One step of the removal phase: takes a pair of free tiles off the board and
// records it as pair k / 2 of the removal order; false when no pair is left.
bool removeNextPair(const Dealer& dealer, int k) {
    GameModel& game = dealer.game;
    computeFreeTiles(game);
    buildMoveList(game, true, dealer.pairSearchLimit);
    if (game.moveList.moveCount == 0) return false;
    const TilePair pair = game.moveList.pairs[choosePair(game.moveList.moveCount)];
    game.state.removalOrder[k] = pair.first;
    game.state.removalOrder[k + 1] = pair.second;
    takeOffBoard(game, pair.first);
    takeOffBoard(game, pair.second);
    return true;
}

// One attempt to take the whole heap apart; the grid is restored afterwards.
bool removeAllPairs(const Dealer& dealer, int tiles) {
    GameModel& game = dealer.game;
    const BoardGrid saved = game.boardGrid;
    for (int t = 0; t < tiles; ++t) game.tiles[t].face = 1;
    bool cleared = true;
    for (int k = 0; k < tiles && cleared; k += 2) cleared = removeNextPair(dealer, k);
    game.boardGrid = saved;
    return cleared;
}

// Pool entries f and f + 72 always match, so each removed pair gets a match.
void dealFacesInRemovalOrder(const Dealer& dealer, FacePool& pool, int tiles) {
    GameModel& game = dealer.game;
    for (int k = 0; k + 1 < tiles; k += 2) {
        seedAfresh(dealer);
        int f = std::rand() % pairCount;
        while (pool[f] == 0) f = std::rand() % pairCount;
        game.tiles[game.state.removalOrder[k]].face = pool[f];
        game.tiles[game.state.removalOrder[k + 1]].face = pool[f + pairCount];
        pool[f] = 0;
        pool[f + pairCount] = 0;
    }
}

void dealAtRandom(const Dealer& dealer, const FacePool& pool, int tiles) {
    GameModel& game = dealer.game;
    for (TileRecord& tile : game.tiles) tile.face = 0;
    for (int i = 0; i < tiles; ++i) {
        seedAfresh(dealer);
        int t = std::rand() % tileCount;
        while (t >= tiles || game.tiles[t].face != 0) t = std::rand() % tileCount;
        game.tiles[t].face = pool[i];
    }
}

DealReport dealSolvable(const Dealer& dealer, FacePool& pool, int tiles) {
    DealReport report;
    bool cleared = false;
    // An odd number of tiles can never be taken apart in pairs: no attempt is made.
    while (!cleared && tiles % 2 == 0 && report.removalAttempts < maxRemovalAttempts) {
        ++report.removalAttempts;
        cleared = removeAllPairs(dealer, tiles);
    }
    report.fellBack = !cleared;
    if (cleared)
        dealFacesInRemovalOrder(dealer, pool, tiles);
    else
        dealAtRandom(dealer, pool, tiles);
    return report;
}

}  // namespace

DealReport dealTiles(GameModel& game, bool solvable, int pairSearchLimit, const SeedSource& seed) {
    FacePool pool = dealFaces;
    const int tiles = numberedTileCount(game.layoutMask);
    const Dealer dealer{game, pairSearchLimit, seed};
    if (solvable) return dealSolvable(dealer, pool, tiles);
    dealAtRandom(dealer, pool, tiles);
    return {};
}

void resetGameState(GameModel& game) {
    GameState& state = game.state;
    state.selectedTile = noTile;
    state.secondTile = noTile;
    state.tilesLeft = tileCount;
    state.movesMade = 0;
    state.elapsedSeconds = 0;
    state.hintIndex = 0;
    game.moveList.moveCount = 0;
    state.showMoves = 0;
    state.winHandled = 0;
    state.tilesHidden = 0;
}

bool removalOrderClears(GameModel game) {
    const GameState& state = game.state;
    for (int k = 0; k < tileCount; k += 2) {
        const int a = state.removalOrder[k], b = state.removalOrder[k + 1];
        computeFreeTiles(game);
        if (!tilesMatch(game, a, b)) return false;
        takeOffBoard(game, a);
        takeOffBoard(game, b);
    }
    return true;
}
