// Any bytes as a saved game. A file the reader accepts must be playable: put
// into a model, its free tiles and pairs computed and every move undone, it
// stays inside the model; and written again it reads back the same.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/FreeTiles.h"
#include "files/SavedGame.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void undoEveryMove(GameModel& game) {
    GameState& state = game.state;
    while (state.movesMade > 0) {
        const UndoRecord record = state.undoList[static_cast<size_t>(--state.movesMade)];
        for (uint8_t tile : {record.first, record.second}) {
            game.tiles[tile].face = record.face;
            restoreTileCells(game, tile);
        }
        state.tilesLeft += 2;
    }
}

void play(const SavedGame& saved) {
    GameModel game;
    clearGameModel(game);
    HallOfFame hallOfFame;
    restoreSavedGame(saved, game, hallOfFame);
    computeFreeTiles(game);
    buildMoveList(game, false, 50);
    require(game.moveList.moveCount >= 0 && game.moveList.moveCount <= moveListCapacity);
    undoEveryMove(game);
    require(game.state.tilesLeft == tileCount);
    for (uint8_t cell : game.boardGrid) require(cell == noTile || cell < tileCount);
    computeFreeTiles(game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SavedGame saved;
    if (!decodeSavedGame(data, size, utf8FromWindows1252, saved)) return 0;
    play(saved);
    const std::vector<uint8_t> bytes = encodeSavedGame(saved);
    SavedGame again;
    require(bytes.size() == savedGameBytes && decodeSavedGame(bytes.data(), bytes.size(), utf8FromWindows1252, again));
    require(encodeSavedGame(again) == bytes);
    return 0;
}
