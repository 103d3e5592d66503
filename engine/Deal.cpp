// Dealing. A solvable deal first takes the heap apart pair by pair, with
// every tile matching every other, and then hands out matching faces in that
// removal order, so replaying the order always clears the board.
#include "engine/Deal.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <string>

#include "engine/App.h"
#include "engine/Caption.h"
#include "engine/FreeTiles.h"
#include "engine/Layout.h"

namespace {

using FacePool = std::array<uint8_t, tileCount>;

// Only the numbered tiles of the layout take part: a layout that could not
// give 144 tiles leaves the other records standing nowhere, without a face.
int tilesInLayout(const App& app) { return numberedTileCount(app.game.layoutMask); }

void seedFromClock(App& app) { std::srand(static_cast<unsigned>(app.host.calendarTime())); }

// A list of one or two pairs gives its first; a longer one never its last.
int choosePair(int moveCount) { return moveCount <= 2 ? 0 : std::rand() % (moveCount - 1); }

void takeOffBoard(GameModel& game, int tile) {
    clearTileCells(game, tile);
    game.tiles[tile].face = 0;
}

// One step of the removal phase: takes a pair of free tiles off the board and
// records it as pair k / 2 of the removal order; false when no pair is left.
bool removeNextPair(App& app, int k) {
    GameModel& game = app.game;
    computeFreeTiles(game);
    buildMoveList(game, true, app.settings.pairSearchLimit);
    if (game.moveList.moveCount == 0) return false;
    const TilePair pair = game.moveList.pairs[choosePair(game.moveList.moveCount)];
    game.state.removalOrder[k] = pair.first;
    game.state.removalOrder[k + 1] = pair.second;
    takeOffBoard(game, pair.first);
    takeOffBoard(game, pair.second);
    return true;
}

// One attempt to take the whole heap apart; the grid is restored afterwards.
bool removeAllPairs(App& app, int tiles) {
    const BoardGrid saved = app.game.boardGrid;
    for (int t = 0; t < tiles; ++t) app.game.tiles[t].face = 1;
    bool cleared = true;
    for (int k = 0; k < tiles && cleared; k += 2) cleared = removeNextPair(app, k);
    app.game.boardGrid = saved;
    return cleared;
}

// Pool entries f and f + 72 always match, so each removed pair gets a match.
void dealFacesInRemovalOrder(App& app, FacePool& pool, int tiles) {
    GameModel& game = app.game;
    for (int k = 0; k + 1 < tiles; k += 2) {
        seedFromClock(app);
        int f = std::rand() % pairCount;
        while (pool[f] == 0) f = std::rand() % pairCount;
        game.tiles[game.state.removalOrder[k]].face = pool[f];
        game.tiles[game.state.removalOrder[k + 1]].face = pool[f + pairCount];
        pool[f] = 0;
        pool[f + pairCount] = 0;
    }
}

void dealAtRandom(App& app, const FacePool& pool, int tiles) {
    GameModel& game = app.game;
    for (TileRecord& tile : game.tiles) tile.face = 0;
    for (int i = 0; i < tiles; ++i) {
        seedFromClock(app);
        int t = std::rand() % tileCount;
        while (t >= tiles || game.tiles[t].face != 0) t = std::rand() % tileCount;
        game.tiles[t].face = pool[i];
    }
}

DealReport dealSolvable(App& app, FacePool& pool, int tiles) {
    DealReport report;
    bool cleared = false;
    // An odd number of tiles can never be taken apart in pairs: no attempt is made.
    while (!cleared && tiles % 2 == 0 && report.removalAttempts < maxRemovalAttempts) {
        ++report.removalAttempts;
        cleared = removeAllPairs(app, tiles);
    }
    report.fellBack = !cleared;
    if (cleared)
        dealFacesInRemovalOrder(app, pool, tiles);
    else
        dealAtRandom(app, pool, tiles);
    return report;
}

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
    FacePool pool = dealFaces;
    const int tiles = tilesInLayout(app);
    DealReport report;
    if (app.settings.EasyMode == 1)
        report = dealSolvable(app, pool, tiles);
    else
        dealAtRandom(app, pool, tiles);
    computeFreeTiles(game);
    computeShadowFlags(app);
    resetGameState(game);
    layoutTiles(app);
    redrawBoard(app);
    app.host.setTitle(std::string(productCaption) + " - " + titleName(app.settings.Layout));
    return report;
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
