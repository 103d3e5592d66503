#include "files/SavedGame.h"

#include <algorithm>

#include "files/HallOfFameFile.h"
#include "files/LittleEndian.h"

namespace {

constexpr size_t tileRecordBytes = 14;
constexpr size_t tilesOffset = 0;
constexpr size_t gridOffset = tilesOffset + tileCount * tileRecordBytes;
constexpr size_t maskOffset = gridOffset + cellCount;
constexpr size_t undoOffset = maskOffset + cellCount;
constexpr size_t hallOfFameOffset = undoOffset + undoSlots * 3;
constexpr size_t countersOffset = hallOfFameOffset + hallOfFameFileBytes;
static_assert(countersOffset + 10 == savedGameBytes, "the blocks fill the file");

void putTile(std::vector<uint8_t>& bytes, const TileRecord& tile) {
    putInt16(bytes, tile.screenX);
    putInt16(bytes, tile.screenY);
    putInt16(bytes, tile.faceX);
    putInt16(bytes, tile.faceY);
    bytes.insert(bytes.end(), {tile.face, tile.freeFlag, tile.layer, tile.row, tile.column, tile.pad});
}

TileRecord takeTile(const uint8_t* field) {
    return TileRecord{takeInt16(field),     takeInt16(field + 2), takeInt16(field + 4),
                      takeInt16(field + 6), field[8],             field[9],
                      field[10],            field[11],            field[12],
                      field[13]};
}

}  // namespace

SavedGame savedGameOf(const GameModel& game, const HallOfFame& hallOfFame) {
    const GameState& state = game.state;
    return SavedGame{game.tiles,     game.boardGrid,  game.layoutMask,         state.undoList,
                     hallOfFame,     state.tilesLeft, state.movesMade,         state.selectedTile,
                     state.elapsedSeconds};
}

void restoreSavedGame(const SavedGame& saved, GameModel& game, HallOfFame& hallOfFame) {
    game.tiles = saved.tiles;
    game.boardGrid = saved.boardGrid;
    game.layoutMask = saved.layoutMask;
    game.state.undoList = saved.undoList;
    for (int i = 0; i < keptEntries; ++i)
        hallOfFame.entries[static_cast<size_t>(i)] = saved.hallOfFame.entries[static_cast<size_t>(i)];
    game.state.tilesLeft = saved.tilesLeft;
    game.state.movesMade = saved.movesMade;
    game.state.selectedTile = saved.selectedTile;
    game.state.elapsedSeconds = saved.elapsedSeconds;
}

std::vector<uint8_t> encodeSavedGame(const SavedGame& saved) {
    std::vector<uint8_t> bytes;
    bytes.reserve(savedGameBytes);
    for (const TileRecord& tile : saved.tiles) putTile(bytes, tile);
    bytes.insert(bytes.end(), saved.boardGrid.begin(), saved.boardGrid.end());
    bytes.insert(bytes.end(), saved.layoutMask.begin(), saved.layoutMask.end());
    for (const UndoRecord& undo : saved.undoList) bytes.insert(bytes.end(), {undo.face, undo.first, undo.second});
    const std::vector<uint8_t> table = encodeHallOfFame(saved.hallOfFame);
    bytes.insert(bytes.end(), table.begin(), table.end());
    putInt16(bytes, saved.tilesLeft);
    putInt16(bytes, saved.movesMade);
    putInt16(bytes, saved.selectedTile);
    putInt32(bytes, saved.elapsedSeconds);
    return bytes;
}

bool decodeSavedGame(const uint8_t* bytes, size_t size, AnsiToUtf8 ansiToUtf8, SavedGame& saved) {
    if (size != savedGameBytes) return false;
    SavedGame read{};
    for (size_t t = 0; t < tileCount; ++t) read.tiles[t] = takeTile(bytes + tilesOffset + t * tileRecordBytes);
    std::copy(bytes + gridOffset, bytes + maskOffset, read.boardGrid.begin());
    std::copy(bytes + maskOffset, bytes + undoOffset, read.layoutMask.begin());
    for (size_t k = 0; k < undoSlots; ++k) {
        const uint8_t* field = bytes + undoOffset + 3 * k;
        read.undoList[k] = UndoRecord{field[0], field[1], field[2]};
    }
    decodeHallOfFame(bytes + hallOfFameOffset, hallOfFameFileBytes, ansiToUtf8, read.hallOfFame);
    read.tilesLeft = takeInt16(bytes + countersOffset);
    read.movesMade = takeInt16(bytes + countersOffset + 2);
    read.selectedTile = takeInt16(bytes + countersOffset + 4);
    read.elapsedSeconds = takeInt32(bytes + countersOffset + 6);
    if (!savedGameIsConsistent(read)) return false;
    saved = read;
    return true;
}
