// check: what the game makes of a layout file, tile by tile.
#include <cstdio>

#include "Commands.h"
#include "LayoutFile.h"
#include "ToolArguments.h"
#include "engine/FreeTiles.h"

namespace {

// Every numbered tile on the board, so the free flags are those of a fresh deal.
void putEveryTileOnTheBoard(GameModel& game, int tiles) {
    for (int tile = 0; tile < tiles; ++tile) game.tiles[tile].face = 1;
    computeFreeTiles(game);
}

}  // namespace

int checkCommand(const CommandWords& words) {
    const char* usage = "check [--grid] FILE";
    ToolArguments arguments;
    if (!parseArguments(words, arguments) || arguments.files.size() != 1 ||
        !arguments.games.empty() || !arguments.to.empty())
        return wrongArguments(usage);

    GameModel game;
    LayoutSummary summary;
    if (!readLayoutFile(arguments.files[0], arguments.grid, game, summary)) return 2;
    putEveryTileOnTheBoard(game, summary.tiles);
    const bool valid = layoutIsPlayable(game);

    std::printf("format: %s\nmarks: %d\ntiles: %d\nvalid: %s\n", formatName(summary.format),
                summary.marks, summary.tiles, valid ? "yes" : "no");
    for (int tile = 0; tile < summary.tiles; ++tile) {
        const TileRecord& t = game.tiles[tile];
        std::printf("tile %d %d %d %d %d\n", tile, t.layer, t.row, t.column, t.freeFlag);
    }
    return valid ? 0 : 1;
}
