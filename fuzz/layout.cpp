// Any bytes as a layout file, read with and without the grid format, then
// numbered, judged free or not and paired as a deal's first move would be.
// Besides the sanitizers' checks, the results must stay inside the model.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/FreeTiles.h"
#include "engine/Layout.h"
#include "files/LayoutFormats.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkMask(const LayoutMask& mask) {
    for (uint8_t cell : mask) require(cell <= 1);
}

void checkBoard(const GameModel& game, int tiles) {
    require(tiles >= 0 && tiles <= tileCount && tiles == numberedTileCount(game.layoutMask));
    for (uint8_t cell : game.boardGrid) require(cell == noTile || cell < tiles);
    for (int t = 0; t < tileCount; ++t) require(game.tiles[t].freeFlag <= 1);
}

void checkMoves(const GameModel& game, int limit) {
    const MoveList& list = game.moveList;
    require(list.moveCount >= 0 && list.moveCount <= limit);
    for (int k = 0; k < list.moveCount; ++k) {
        const TilePair pair = list.pairs[k];
        require(pair.first < pair.second && tilesMatch(game, pair.first, pair.second));
    }
}

void readAndPlay(const std::vector<uint8_t>& bytes, bool gridAllowed) {
    GameModel game;
    clearGameModel(game);
    readLayoutBytes(bytes, gridAllowed, game.layoutMask);
    checkMask(game.layoutMask);
    const int tiles = numberAndOrderTiles(game);
    for (int t = 0; t < tiles; ++t) game.tiles[t].face = dealFaces[t];
    computeFreeTiles(game);
    checkBoard(game, tiles);
    buildMoveList(game, false, 50);
    checkMoves(game, moveListCapacity);
    buildMoveList(game, true, 50);
    checkMoves(game, 51);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    readAndPlay(bytes, false);
    readAndPlay(bytes, true);
    return 0;
}
