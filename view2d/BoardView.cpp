#include "view2d/BoardView.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "engine/Highlight.h"
#include "files/Settings.h"
#include "host/Host.h"
#include "view2d/Fade.h"
#include "view2d/FadeBase.h"
#include "view2d/TileLook.h"

namespace {

struct Extent {
    int minimum = INT_MAX;
    int maximum = INT_MIN;
    void add(int value) {
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
    }
};

#if TAVREK_3D
void centreHeap3D(BoardView& view, const GameModel& game) {
    Extent rows, columns;
    for (const TileRecord& t : game.tiles) {
        rows.add(t.row);
        columns.add(t.column);
    }
    // A tile spans two grid cells from its corner, 15 x 20 scene units: the
    // middle of the outer edges, in tile units, without rounding, so the heap
    // sits exactly in the middle of the window whatever its extents.
    view.boardCentre3D[0] = float(columns.minimum + columns.maximum) / 4 + 0.5f;
    constexpr int lastCornerRow = rowCount - 2;
    view.boardCentre3D[1] = float((lastCornerRow - rows.maximum) + (lastCornerRow - rows.minimum)) / 4 + 0.5f;
}
#endif

TileBox tileBox(const TileSet& set, const TileRecord& t) {
    return {t.screenX, t.screenY, set.tileWidth, set.tileHeight, std::abs(set.edgeX)};
}

// The image an opaque tile shows in this frame. Asking whether it is hinted
// may start the hint again at its first pair.
const TileImage& shownImage(const Scene2D& scene, int tile) {
    const bool hidden = scene.game.state.tilesHidden == 1;
    const FaceCell cell = hidden ? hiddenFaceCell : faceCell(scene.game.tiles[tile].face);
    const bool selected = !hidden && (isHintedTile(scene.game, tile) || isMarkedTile(scene.game.state, tile));
    return tileImage(scene.view.tileSet, scene.settings, cell.row, cell.column, selected);
}

void drawFace(const Scene2D& scene, int tile, const TileBox& box, int16_t weight1, int16_t weight2, bool opaque) {
    BoardView& view = scene.view;
    if (opaque) {
        drawTileImage(shownImage(scene, tile), box.edge, view.boardBitmap, box.x, box.y);
        return;
    }
    const TileRecord& t = scene.game.tiles[tile];
    if (scene.game.state.tilesHidden == 1)
        copyRectangle(view.tileSet.prepared, hiddenFaceCell.column * box.width, hiddenFaceCell.row * box.height,
                      view.boardBitmap, box.x, box.y, box.width, box.height);
    else
        fadeFace(view.boardBitmap, box, view.tileSet.prepared, t.faceX, t.faceY, weight1, weight2);
    drawBlendedSides(view.boardBitmap, box, scene.settings.SidesColor, weight1, weight2);
}

// The fitted background picture, or nullptr when the colour fills the board.
const Surface* backgroundPicture(BoardView& view, const Settings& settings) {
    if (settings.Background.empty()) return nullptr;
    fitBackground(view.background, view.boardWidth, view.boardHeight);
    return isEmpty(view.background.fitted) ? nullptr : &view.background.fitted;
}

void composeVisibleSpans(const Scene2D& scene) {
    BoardView& view = scene.view;
    findVisibleSpans(scene, view.visibleSpans);
    FrameSources sources;
    Surface colourRow;
    sources.background = backgroundPicture(view, scene.settings);
    if (!sources.background) {
        resizeSurface(colourRow, view.boardWidth, 1);
        fillRectangle(colourRow, 0, 0, view.boardWidth, 1, scene.settings.BackgroundColor);
        sources.background = &colourRow;
    }
    sources.shadowAmount = scene.settings.ShadowsValue;
    for (int tile = 0; tile < tileCount; ++tile)
        if (isDrawnTile(scene, tile)) sources.images[tile] = &shownImage(scene, tile).pixels;
    drawVisibleSpans(view.visibleSpans, sources, view.boardBitmap);
}

}  // namespace

void layoutTiles(BoardView& view, GameModel& game) {
    const TileSet& set = view.tileSet;
    Extent xs, ys;
    for (TileRecord& t : game.tiles) {
        if (t.face != 0) {
            const FaceCell cell = faceCell(t.face);
            t.faceX = int16_t(cell.column * set.tileWidth);
            t.faceY = int16_t(cell.row * set.tileHeight);
        }
        t.screenX = int16_t(t.column * (set.tileWidth / 2) + t.layer * set.edgeX);
        t.screenY = int16_t(t.row * (set.tileHeight / 2) + t.layer * set.edgeY);
        xs.add(t.screenX);
        ys.add(t.screenY);
    }
    const int16_t offX = int16_t((view.boardWidth - (set.tileWidth + xs.maximum - xs.minimum)) / 2);
    const int16_t offY = int16_t((view.boardHeight - (set.tileHeight + ys.maximum - ys.minimum)) / 2);
    for (TileRecord& t : game.tiles) {
        t.screenX = int16_t(t.screenX + offX - xs.minimum);
        t.screenY = int16_t(t.screenY + offY - ys.minimum);
    }
#if TAVREK_3D
    centreHeap3D(view, game);
#endif
}

void makeBoardBitmap(BoardView& view) {
    Surface& bitmap = view.boardBitmap;
    if (bitmap.width == view.boardWidth && bitmap.height == view.boardHeight) return;
    resizeSurface(bitmap, view.boardWidth, view.boardHeight);
    view.fadeBase.onBoard = false;
}

void drawBackground2D(BoardView& view, const Settings& settings) {
    const Surface* picture = backgroundPicture(view, settings);
    if (picture)
        copyRectangle(*picture, 0, 0, view.boardBitmap, 0, 0, picture->width, picture->height);
    else
        fillRectangle(view.boardBitmap, 0, 0, view.boardWidth, view.boardHeight, settings.BackgroundColor);
}

// The view's pictures change under the frame lock, so that the automatic
// player's thread never composes a frame from half-replaced ones.
void resizeBoard(const Scene2D& scene, int width, int height) {
    BoardView& view = scene.view;
    {
        std::lock_guard<std::mutex> hold(view.frameLock);
        view.boardWidth = std::max(width, 0);
        view.boardHeight = std::max(height, 0);
        view.fadeFrameShare = 0;
    }
    prepareTileSet(scene);
    std::lock_guard<std::mutex> hold(view.frameLock);
    if (!scene.settings.Background.empty()) fitBackground(view.background, view.boardWidth, view.boardHeight);
    makeBoardBitmap(view);
}

bool isDrawnTile(const Scene2D& scene, int tile) {
    if (tile < 0 || tile >= tileCount) return false;
    const TileRecord& t = scene.game.tiles[tile];
    return t.face != 0 && t.face <= lastFace && scene.view.tileSet.tileWidth > 0;
}

void drawTile2D(const Scene2D& scene, int tile, int16_t weight1, int16_t weight2, bool opaque) {
    if (!isDrawnTile(scene, tile)) return;
    const TileSet& set = scene.view.tileSet;
    const TileBox box = tileBox(set, scene.game.tiles[tile]);
    if (scene.settings.Shadows == 1)
        drawShadows(scene.view.boardBitmap, box, set.shadowWidth, set.shadowHeight, scene.view.shadowFlags[tile],
                    scene.settings.ShadowsValue);
    drawFace(scene, tile, box, weight1, weight2, opaque);
}

void paintFrame2D(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2) {
    drawBackground2D(scene.view, scene.settings);
    for (int tile = 0; tile < tileCount; ++tile)
        drawTile2D(scene, tile, weight1, weight2, tile != fadingA && tile != fadingB);
}

void composeFrame2D(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2) {
    makeBoardBitmap(scene.view);
    if (composeFromFadeBase(scene, fadingA, fadingB, weight1, weight2)) return;
    scene.view.fadeBase.onBoard = false;
    if (isDrawnTile(scene, fadingA) || isDrawnTile(scene, fadingB))
        paintFrame2D(scene, fadingA, fadingB, weight1, weight2);
    else
        composeVisibleSpans(scene);
}

void redraw2D(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2) {
    std::lock_guard<std::mutex> hold(scene.view.frameLock);
    composeFrame2D(scene, fadingA, fadingB, weight1, weight2);
    const Surface& frame = scene.view.boardBitmap;
    scene.host.presentFrame(frame.pixels.data(), frame.width, frame.height);
}

void redrawMeasured2D(const Scene2D& scene) {
    const int64_t frame = timedRedraw2D(scene);
    scene.view.fadeSteps = fadeFrameCount(scene.settings.RemoveTileTime, fadeFrameTime(scene.view, frame));
}
