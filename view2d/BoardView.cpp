#include "view2d/BoardView.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "engine/App.h"
#include "engine/Highlight.h"
#include "engine/Status.h"
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
void centreHeap3D(App& app) {
    Extent rows, columns;
    for (const TileRecord& t : app.game.tiles) {
        rows.add(t.row);
        columns.add(t.column);
    }
    app.view.boardCentre3D[0] = float((columns.minimum + columns.maximum) / 4) + 0.5f;
    app.view.boardCentre3D[1] = float(((18 - rows.maximum) + (18 - rows.minimum)) / 4) + 1.0f;
}
#endif

TileBox tileBox(const App& app, const TileRecord& t) {
    const TileSet& set = app.view.tileSet;
    return {t.screenX, t.screenY, set.tileWidth, set.tileHeight, std::abs(set.edgeX)};
}

void drawFace(App& app, int tile, const TileBox& box, int16_t weight1, int16_t weight2, bool opaque) {
    BoardView& view = app.view;
    const TileRecord& t = app.game.tiles[tile];
    const bool hidden = app.game.state.tilesHidden == 1;
    const FaceCell cell = hidden ? hiddenFaceCell : faceCell(t.face);
    if (opaque) {
        const bool selected = !hidden && (isHintedTile(app.game, tile) || isMarkedTile(app.game.state, tile));
        drawTileImage(tileImage(view.tileSet, app.settings, cell.row, cell.column, selected), box.edge,
                      view.boardBitmap, box.x, box.y);
        return;
    }
    if (hidden)
        copyRectangle(view.tileSet.prepared, cell.column * box.width, cell.row * box.height, view.boardBitmap,
                      box.x, box.y, box.width, box.height);
    else
        fadeFace(view.boardBitmap, box, view.tileSet.prepared, t.faceX, t.faceY, weight1, weight2);
    drawBlendedSides(view.boardBitmap, box, app.settings.SidesColor, weight1, weight2);
}

}  // namespace

void layoutTiles(App& app) {
    const TileSet& set = app.view.tileSet;
    Extent xs, ys;
    for (TileRecord& t : app.game.tiles) {
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
    const int16_t offX = int16_t((app.view.boardWidth - (set.tileWidth + xs.maximum - xs.minimum)) / 2);
    const int16_t offY = int16_t((app.view.boardHeight - (set.tileHeight + ys.maximum - ys.minimum)) / 2);
    for (TileRecord& t : app.game.tiles) {
        t.screenX = int16_t(t.screenX + offX - xs.minimum);
        t.screenY = int16_t(t.screenY + offY - ys.minimum);
    }
#if TAVREK_3D
    centreHeap3D(app);
#endif
}

void makeBoardBitmap(App& app) {
    Surface& bitmap = app.view.boardBitmap;
    if (bitmap.width != app.view.boardWidth || bitmap.height != app.view.boardHeight)
        resizeSurface(bitmap, app.view.boardWidth, app.view.boardHeight);
}

void drawBackground2D(App& app) {
    BoardView& view = app.view;
    if (!app.settings.Background.empty()) fitBackground(view.background, view.boardWidth, view.boardHeight);
    const Surface& picture = view.background.fitted;
    if (app.settings.Background.empty() || isEmpty(picture))
        fillRectangle(view.boardBitmap, 0, 0, view.boardWidth, view.boardHeight, app.settings.BackgroundColor);
    else
        copyRectangle(picture, 0, 0, view.boardBitmap, 0, 0, picture.width, picture.height);
}

// The view's pictures change under the frame lock, so that the automatic
// player's thread never composes a frame from half-replaced ones.
void resizeBoard(App& app, int width, int height) {
    BoardView& view = app.view;
    {
        std::lock_guard<std::mutex> hold(view.frameLock);
        view.boardWidth = std::max(width, 0);
        view.boardHeight = std::max(height, 0);
    }
    prepareTileSet(app);
    std::lock_guard<std::mutex> hold(view.frameLock);
    if (!app.settings.Background.empty()) fitBackground(view.background, view.boardWidth, view.boardHeight);
    makeBoardBitmap(app);
}

void drawTile2D(App& app, int tile, int16_t weight1, int16_t weight2, bool opaque) {
    if (tile < 0 || tile >= tileCount) return;
    const TileRecord& t = app.game.tiles[tile];
    if (t.face == 0 || t.face > 42 || app.view.tileSet.tileWidth <= 0) return;
    const TileBox box = tileBox(app, t);
    const TileSet& set = app.view.tileSet;
    if (app.settings.Shadows == 1)
        drawShadows(app.view.boardBitmap, box, set.shadowWidth, set.shadowHeight, app.view.shadowFlags[tile],
                    app.settings.ShadowsValue);
    drawFace(app, tile, box, weight1, weight2, opaque);
}

void composeFrame2D(App& app, int fadingA, int fadingB, int16_t weight1, int16_t weight2) {
    makeBoardBitmap(app);
    if (composeFromFadeBase(app, fadingA, fadingB, weight1, weight2)) return;
    drawBackground2D(app);
    for (int tile = 0; tile < tileCount; ++tile)
        drawTile2D(app, tile, weight1, weight2, tile != fadingA && tile != fadingB);
}

void redraw2D(App& app, int fadingA, int fadingB, int16_t weight1, int16_t weight2) {
    {
        std::lock_guard<std::mutex> hold(app.view.frameLock);
        composeFrame2D(app, fadingA, fadingB, weight1, weight2);
        const Surface& frame = app.view.boardBitmap;
        app.host.presentFrame(frame.pixels.data(), frame.width, frame.height);
    }
    updateStatus(app);
}

void redrawBoard(App& app) {
    app.view.fadeSteps = fadeFrameCount(app.settings.RemoveTileTime, timedRedraw2D(app));
}
