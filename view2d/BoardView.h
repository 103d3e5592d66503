// The 2D board view: tile placement, shadows, frame composition, hit testing.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "view2d/Background.h"
#include "view2d/FadeBase.h"
#include "view2d/Shadows.h"
#include "view2d/Surface.h"
#include "view2d/TileSet.h"
#include "view2d/VisibleSpans.h"

struct Host;
struct Settings;

struct BoardView {
    // Intermediate frames the removal fade may use, measured by every redraw.
    int32_t fadeSteps = 0;
    // The time of the last plain frame, and what a frame of the last fade in
    // this board area cost against it, in thousandths (0 before the first
    // fade). Written by whichever thread drew them.
    std::atomic<int64_t> plainFrameMicroseconds{0};
    std::atomic<int64_t> fadeFrameShare{0};
    // The board area: below the toolbar, above the status bar.
    int boardWidth = 0;
    int boardHeight = 0;
    int boardTop = 0;  // client y of the board area's top edge: the toolbar's height
    Surface boardBitmap;  // every 2D frame is composed here
    TileSet tileSet;
    BackgroundImage background;
    ShadowFlags shadowFlags{};
    FadeBase fadeBase;
    VisibleSpans visibleSpans;  // of the board as last composed
    // Keeps the window thread and the automatic player from composing two frames at once.
    std::mutex frameLock;
#if TAVREK_3D
    float boardCentre3D[2] = {0, 0};  // the heap's centre in units of the 3D view
#endif
};

// What a 2D frame is drawn from and shown through: the view with its
// pictures, the game model it shows, the settings it follows, the host.
struct Scene2D {
    BoardView& view;
    GameModel& game;
    const Settings& settings;
    Host& host;
};

// Places every tile's face in the board area and centres the heap; removed
// tiles take part, so the heap keeps its place as tiles go.
void layoutTiles(BoardView& view, GameModel& game);

// A board bitmap of the current board area (kept when it already has that size).
void makeBoardBitmap(BoardView& view);
// A new board area: the tile set, the background and the board bitmap follow it.
void resizeBoard(const Scene2D& scene, int width, int height);

// Fills the board bitmap with the background picture, or the background
// colour when there is none.
void drawBackground2D(BoardView& view, const Settings& settings);
// Whether tile t is on the board and has a face and a tile set to be drawn with.
bool isDrawnTile(const Scene2D& scene, int tile);
// Draws tile t into the board bitmap: shadows, face, sides; a tile that is
// not opaque is faded with the two weights.
void drawTile2D(const Scene2D& scene, int tile, int16_t weight1, int16_t weight2, bool opaque);
// Paints one frame into the board bitmap as the rules say: the background,
// then every tile in ascending order over what is there.
void paintFrame2D(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2);
// Composes one frame into the board bitmap without showing it, the same
// pixels as paintFrame2D but with every pixel written once where no tile
// fades; the caller holds frameLock or owns the view alone (tools, benchmarks).
void composeFrame2D(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2);
// Composes one frame with tiles a and b fading by the two weights and shows it.
void redraw2D(const Scene2D& scene, int fadingA, int fadingB, int16_t weight1, int16_t weight2);
// Draws and shows a plain frame, and sets how many frames a removal fade has
// time for (fadeSteps) from the time of a fade frame, or of this frame
// before any fade was seen in this board area.
void redrawMeasured2D(const Scene2D& scene);
// The tile whose face lies under a client-area position, or noTile.
int tileAt2D(const BoardView& view, const GameModel& game, int x, int y);
