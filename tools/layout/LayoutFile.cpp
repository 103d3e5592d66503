#include "LayoutFile.h"

#include <cstdio>
#include <vector>

#include "files/DataDirectories.h"
#include "files/Utf8Path.h"

namespace {

bool ownsItsCells(const GameModel& game, int tile) {
    const TileRecord& t = game.tiles[tile];
    for (int dr = 0; dr < 2; ++dr)
        for (int dc = 0; dc < 2; ++dc)
            if (game.boardGrid[cellIndex(t.layer, t.row + dr, t.column + dc)] != tile) return false;
    return true;
}

}  // namespace

bool readLayoutFile(const std::string& path, bool grid, GameModel& game, LayoutSummary& summary) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(pathFromUtf8(path), bytes)) {
        std::fprintf(stderr, "tavrek-layout: cannot read %s\n", path.c_str());
        return false;
    }
    clearGameModel(game);
    summary.format = readLayoutBytes(bytes, grid, game.layoutMask);
    summary.marks = countMarks(game.layoutMask);
    summary.tiles = numberAndOrderTiles(game);
    return true;
}

bool layoutIsPlayable(const GameModel& game) {
    if (!layoutHas144Tiles(game.layoutMask)) return false;
    for (int tile = 0; tile < tileCount; ++tile)
        if (!ownsItsCells(game, tile)) return false;
    return true;
}

const char* formatName(LayoutFormat format) {
    switch (format) {
        case LayoutFormat::binary: return "binary";
        case LayoutFormat::grid: return "grid";
        case LayoutFormat::line: return "line";
    }
    return "line";
}
