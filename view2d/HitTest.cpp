#include "view2d/BoardView.h"

// Only faces count, searched against the drawing order, so where faces
// overlap the one the player sees wins.
int tileAt2D(const BoardView& view, const GameModel& game, int x, int y) {
    const int boardY = y - view.boardTop;
    const TileSet& set = view.tileSet;
    for (int tile = tileCount - 1; tile >= 0; --tile) {
        const TileRecord& t = game.tiles[tile];
        if (t.face == 0) continue;
        if (x >= t.screenX && x < t.screenX + set.tileWidth && boardY >= t.screenY &&
            boardY < t.screenY + set.tileHeight)
            return tile;
    }
    return noTile;
}
