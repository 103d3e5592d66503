#include "LongPlayChecks.h"

#include <psapi.h>

#include "engine/FreeTiles.h"

namespace {

std::string tileText(int tile) { return "tile " + std::to_string(tile); }

bool coversOneOfItsCells(const GameModel& game, int tile) {
    const TileRecord& record = game.tiles[static_cast<size_t>(tile)];
    for (int dr = 0; dr < 2; ++dr)
        for (int dc = 0; dc < 2; ++dc) {
            const int row = record.row + dr, column = record.column + dc;
            if (record.layer < layerCount && row < rowCount && column < columnCount &&
                game.boardGrid[static_cast<size_t>(cellIndex(record.layer, row, column))] == tile)
                return true;
        }
    return false;
}

std::string countsDisagree(const GameModel& game) {
    int onBoard = 0;
    for (int t = 0; t < tileCount; ++t) {
        if (game.tiles[static_cast<size_t>(t)].face == 0) continue;
        ++onBoard;
        if (!coversOneOfItsCells(game, t)) return tileText(t) + " is on the board but in none of its cells";
    }
    const GameState& state = game.state;
    if (onBoard != state.tilesLeft)
        return std::to_string(state.tilesLeft) + " tiles left, " + std::to_string(onBoard) + " on the board";
    if (state.tilesLeft != tileCount - 2 * state.movesMade)
        return std::to_string(state.tilesLeft) + " tiles left after " + std::to_string(state.movesMade) + " moves";
    for (int cell = 0; cell < cellCount; ++cell) {
        const uint8_t tile = game.boardGrid[static_cast<size_t>(cell)];
        if (tile < tileCount && game.tiles[tile].face == 0)
            return "cell " + std::to_string(cell) + " names removed " + tileText(tile);
    }
    return "";
}

std::string freeFlagsDisagree(const GameModel& game, const GameModel& fresh) {
    for (int t = 0; t < tileCount; ++t)
        if (game.tiles[static_cast<size_t>(t)].freeFlag != fresh.tiles[static_cast<size_t>(t)].freeFlag)
            return tileText(t) + " has a stale free flag";
    return "";
}

// An emptied list waits for its rebuild; a list that is there is the whole one.
std::string moveListDisagrees(const GameModel& game, const GameModel& fresh) {
    const MoveList& list = game.moveList;
    const GameState& state = game.state;
    if (state.hintIndex < 0 || state.hintIndex > list.moveCount)
        return "hint " + std::to_string(state.hintIndex) + " of " + std::to_string(list.moveCount) + " pairs";
    if (list.moveCount == 0) return "";
    if (list.moveCount != fresh.moveList.moveCount)
        return std::to_string(list.moveCount) + " pairs listed, " + std::to_string(fresh.moveList.moveCount) +
               " available";
    for (int k = 0; k < list.moveCount; ++k) {
        const TilePair a = list.pairs[static_cast<size_t>(k)], b = fresh.moveList.pairs[static_cast<size_t>(k)];
        if (a.first != b.first || a.second != b.second) return "pair " + std::to_string(k) + " is not available";
    }
    return "";
}

std::string selectionDisagrees(const GameModel& game) {
    const int selected = game.state.selectedTile;
    if (selected == noTile) return "";
    if (selected < 0 || selected >= tileCount) return "selection " + std::to_string(selected);
    if (game.tiles[static_cast<size_t>(selected)].freeFlag != 1)
        return "selected " + tileText(selected) + " is not free";
    return "";
}

}  // namespace

std::string boardInconsistency(const GameModel& game, bool demonstrating) {
    std::string fault = countsDisagree(game);
    if (!fault.empty() || demonstrating) return fault;
    GameModel fresh = game;
    computeFreeTiles(fresh);
    buildMoveList(fresh, false, moveListCapacity);
    for (const std::string& found : {freeFlagsDisagree(game, fresh), moveListDisagrees(game, fresh),
                                     selectionDisagrees(game)})
        if (!found.empty()) return found;
    return "";
}

ResourceSample takeResourceSample() {
    ResourceSample sample;
    sample.objects = guiObjectCounts();
    sample.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    sample.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    auto* counters = reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory);
    if (GetProcessMemoryInfo(GetCurrentProcess(), counters, sizeof memory)) {
        // The private bytes committed; some systems fill in only the older field.
        sample.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        sample.workingSet = memory.WorkingSetSize;
    }
    return sample;
}

std::string describe(const ResourceSample& sample) {
    std::string text;
    for (int k = 0; k < guiKindCount; ++k)
        text += std::to_string(sample.objects.live[static_cast<size_t>(k)]) + " " +
                guiKindName(static_cast<GuiKind>(k)) + ", ";
    text += std::to_string(sample.objects.strayReleases) + " stray releases; GDI " + std::to_string(sample.gdiObjects) +
            ", USER " + std::to_string(sample.userObjects) + "; private " +
            std::to_string(sample.privateBytes / 1024) + " KiB, working set " + std::to_string(sample.workingSet / 1024) +
            " KiB";
    return text;
}
