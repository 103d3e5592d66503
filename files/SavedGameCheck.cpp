// Whether a saved game is one this program could have written. Every value
// is checked before any of them addresses the model: a damaged or forged
// file must never reach beyond a record or leave the board in a state the
// rules cannot handle.
#include <array>

#include "files/SavedGame.h"

namespace {

constexpr int maxFace = 42;

bool onBoard(const SavedGame& saved, int tile) { return saved.tiles[static_cast<size_t>(tile)].face != 0; }

// Faces and positions in range; the corners are the mask's marks, one tile each.
bool tilesFitTheMask(const SavedGame& saved) {
    std::array<bool, cellCount> taken{};
    int onBoardCount = 0;
    for (const TileRecord& tile : saved.tiles) {
        if (tile.face > maxFace || tile.layer >= layerCount || tile.row > rowCount - 2 ||
            tile.column > columnCount - 2)
            return false;
        const size_t corner = static_cast<size_t>(cellIndex(tile.layer, tile.row, tile.column));
        if (saved.layoutMask[corner] != 1 || taken[corner]) return false;
        taken[corner] = true;
        onBoardCount += tile.face != 0;
    }
    int marks = 0;
    for (uint8_t cell : saved.layoutMask) {
        if (cell > 1) return false;
        marks += cell;
    }
    return marks == tileCount && onBoardCount == saved.tilesLeft;
}

bool covers(const TileRecord& tile, int layer, int row, int column) {
    return tile.layer == layer && row - tile.row >= 0 && row - tile.row < 2 && column - tile.column >= 0 &&
           column - tile.column < 2;
}

// Each cell names a tile on the board that covers it, and every cell of a
// tile on the board is named (layouts may overlap, so the later tile of an
// overlap holds the shared cells).
bool gridAgreesWithTiles(const SavedGame& saved) {
    for (int layer = 0; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row)
            for (int column = 0; column < columnCount; ++column) {
                const uint8_t held = saved.boardGrid[static_cast<size_t>(cellIndex(layer, row, column))];
                if (held == noTile) continue;
                if (held >= tileCount || !onBoard(saved, held) ||
                    !covers(saved.tiles[held], layer, row, column))
                    return false;
            }
    for (const TileRecord& tile : saved.tiles)
        for (int dr = 0; dr < 2 && tile.face != 0; ++dr)
            for (int dc = 0; dc < 2; ++dc)
                if (saved.boardGrid[static_cast<size_t>(cellIndex(tile.layer, tile.row + dr, tile.column + dc))] ==
                    noTile)
                    return false;
    return true;
}

// The history names each removed tile exactly once, with a face a deal gives.
bool historyNamesTheRemovedTiles(const SavedGame& saved) {
    std::array<bool, tileCount> named{};
    for (int k = 0; k < saved.movesMade; ++k) {
        const UndoRecord& undo = saved.undoList[static_cast<size_t>(k)];
        if (undo.face == 0 || undo.face > maxFace) return false;
        for (uint8_t tile : {undo.first, undo.second}) {
            if (tile >= tileCount || onBoard(saved, tile) || named[tile]) return false;
            named[tile] = true;
        }
    }
    return true;
}

bool countersInRange(const SavedGame& saved) {
    const int selected = saved.selectedTile;
    return saved.tilesLeft >= 0 && saved.tilesLeft <= tileCount && saved.tilesLeft % 2 == 0 &&
           saved.movesMade == (tileCount - saved.tilesLeft) / 2 && saved.elapsedSeconds >= 0 &&
           (selected == noTile || (selected >= 0 && selected < tileCount && onBoard(saved, selected)));
}

}  // namespace

bool savedGameIsConsistent(const SavedGame& saved) {
    return countersInRange(saved) && tilesFitTheMask(saved) && gridAgreesWithTiles(saved) &&
           historyNamesTheRemovedTiles(saved);
}
