#include "view2d/FadeBase.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "view2d/BoardView.h"

namespace {

// Every pixel the tile may touch: its shadow bands, sides and face.
PixelBox drawnBox(const TileSet& set, const TileRecord& t) {
    const int e = std::abs(set.edgeX);
    return {t.screenX - e, t.screenY, t.screenX + set.tileWidth + set.shadowWidth,
            t.screenY + set.tileHeight + e + set.shadowHeight};
}

bool overlaps(const PixelBox& a, const PixelBox& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1; }

// The pair, and every later tile that overlaps something already in the tail.
void findTail(const Scene2D& scene, int fadingA, int fadingB, FadeBase& base) {
    std::vector<int>& tail = base.tail;
    std::vector<PixelBox>& boxes = base.tailBoxes;
    tail.clear();
    boxes.clear();
    for (int tile = std::min(fadingA, fadingB); tile < tileCount; ++tile) {
        const TileRecord& t = scene.game.tiles[tile];
        if (t.face == 0) continue;
        const PixelBox box = drawnBox(scene.view.tileSet, t);
        const bool after =
            std::any_of(boxes.begin(), boxes.end(), [&](const PixelBox& b) { return overlaps(box, b); });
        if (tile == fadingA || tile == fadingB || after) {
            tail.push_back(tile);
            boxes.push_back(box);
        }
    }
}

// Only the pixels the tail touches differ between two frames of one fade.
void restoreTailBoxes(const FadeBase& base, Surface& board) {
    for (const PixelBox& box : base.tailBoxes)
        copyRectangle(base.pixels, box.x0, box.y0, board, box.x0, box.y0, box.x1 - box.x0, box.y1 - box.y0);
}

}  // namespace

void keepFadeBase(const Scene2D& scene, int fadingA, int fadingB) {
    BoardView& view = scene.view;
    std::lock_guard<std::mutex> hold(view.frameLock);
    FadeBase& base = view.fadeBase;
    findTail(scene, fadingA, fadingB, base);
    makeBoardBitmap(view);
    drawBackground2D(view, scene.settings);
    for (int tile = 0; tile < tileCount; ++tile)
        if (std::find(base.tail.begin(), base.tail.end(), tile) == base.tail.end()) drawTile2D(scene, tile, 0, 0, true);
    base.pixels = view.boardBitmap;
    base.fadingA = fadingA;
    base.fadingB = fadingB;
    base.onBoard = true;
}

void dropFadeBase(BoardView& view) {
    std::lock_guard<std::mutex> hold(view.frameLock);
    view.fadeBase.fadingA = noTile;
    view.fadeBase.fadingB = noTile;
}

bool composeFromFadeBase(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2) {
    BoardView& view = scene.view;
    FadeBase& base = view.fadeBase;
    if (base.fadingA != fadingA || base.fadingB != fadingB || fadingA == noTile ||
        base.pixels.width != view.boardWidth || base.pixels.height != view.boardHeight)
        return false;
    if (base.onBoard)
        restoreTailBoxes(base, view.boardBitmap);
    else
        view.boardBitmap.pixels = base.pixels.pixels;
    for (int tile : base.tail) drawTile2D(scene, tile, weight1, weight2, tile != fadingA && tile != fadingB);
    base.onBoard = true;
    return true;
}
