#include "view2d/FrontToBack.h"

#include <algorithm>
#include <cstring>

#include "files/Settings.h"
#include "view2d/BoardView.h"
#include "view2d/PixelRules.h"

namespace {

// Clips a span to the board; false when nothing is left.
bool clipToBoard(const Surface& board, int y, int& x0, int& x1) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, board.width);
    return y >= 0 && y < board.height && x0 < x1;
}

void copyPixels(const uint32_t* from, uint32_t* to, int count) {
    std::memcpy(to, from, size_t(count) * sizeof(uint32_t));
}

// A tile's picture where nothing in front covers it. Its own shadow lies
// under the tile's picture, so only what the picture leaves open is darkened,
// and later: the pixels there come from tiles behind it or the background.
void drawTileFromFront(const Scene2D& scene, int tile) {
    BoardView& view = scene.view;
    Surface& board = view.boardBitmap;
    CoveredRows& covered = view.front.covered;
    const TileSet& set = view.tileSet;
    const TileBox box = tileBox(set, scene.game.tiles[tile]);
    const TileImage& image = opaqueTileImage(scene, tile);
    const int left = box.x - box.edge;
    for (const TileRun& run : image.runs) {
        const int y = box.y + run.y;
        int x0 = left + run.x0, x1 = left + run.x1;
        if (!clipToBoard(board, y, x0, x1)) continue;
        const uint32_t* from = rowOf(image.pixels, run.y);
        forEachUncovered(covered, y, x0, x1,
                         [&](int a, int b) { copyPixels(from + (a - left), rowOf(board, y) + a, b - a); });
        coverSpan(covered, y, x0, x1);
    }
    if (scene.settings.Shadows != 1) return;
    forEachShadowSpan(box, set.shadowWidth, set.shadowHeight, view.shadowFlags[tile], [&](int y, int x0, int x1) {
        if (clipToBoard(board, y, x0, x1))
            forEachUncovered(covered, y, x0, x1, [&](int a, int b) { view.front.shadows.push_back({y, a, b}); });
    });
}

void drawBackgroundFromFront(BoardView& view, const Settings& settings) {
    Surface& board = view.boardBitmap;
    const Surface* picture = backgroundPicture(view, settings);
    const uint32_t colour = pixelFromColour(settings.BackgroundColor);
    for (int y = 0; y < board.height; ++y)
        forEachUncovered(view.front.covered, y, 0, board.width, [&](int a, int b) {
            if (!picture) std::fill(rowOf(board, y) + a, rowOf(board, y) + b, colour);
            else if (y < picture->height && a < picture->width)
                copyPixels(rowOf(*picture, y) + a, rowOf(board, y) + a, std::min(b, picture->width) - a);
        });
}

}  // namespace

void composeFromFront(const Scene2D& scene, const std::vector<int>& leftOut) {
    BoardView& view = scene.view;
    Surface& board = view.boardBitmap;
    clearCoveredRows(view.front.covered, board.width, board.height);
    view.front.shadows.clear();
    for (int tile = tileCount - 1; tile >= 0; --tile)
        if (isDrawnTile(scene, tile) && !std::binary_search(leftOut.begin(), leftOut.end(), tile))
            drawTileFromFront(scene, tile);
    drawBackgroundFromFront(view, scene.settings);
    for (const RowSpan& span : view.front.shadows)
        darkenSpan(board, span.y, span.x0, span.x1, scene.settings.ShadowsValue);
}
