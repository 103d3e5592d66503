// A plain frame is composed from each pixel's visible source; it must match,
// pixel for pixel, the frame painted background first and tile over tile.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameFixtures.h"
#include "TestFiles.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Pictures.h"

namespace {

// Composed, then painted; the board bitmap is left painted.
void expectComposedAsPainted(App& app, const std::string& what) {
    const Scene2D s = scene2D(app);
    composeFrame2D(s, noTile, noTile, 0, 0);
    const std::vector<uint32_t> composed = app.view.boardBitmap.pixels;
    const GameState before = app.game.state;
    paintFrame2D(s, noTile, noTile, 0, 0);
    const std::vector<uint32_t>& painted = app.view.boardBitmap.pixels;
    ASSERT_EQ(composed.size(), painted.size()) << what;
    size_t wrong = 0;
    while (wrong < painted.size() && composed[wrong] == painted[wrong]) ++wrong;
    const int width = std::max(app.view.boardBitmap.width, 1);
    EXPECT_EQ(wrong, painted.size()) << what << ": first at " << wrong % width << "," << wrong / width;
    EXPECT_EQ(before.hintIndex, app.game.state.hintIndex) << what;
}

// Takes every `step`-th present tile off the board, from `first` on.
void removeTiles(GameModel& game, int first, int step) {
    for (int tile = first; tile < tileCount; tile += step)
        if (game.tiles[tile].face != 0) removeTile(game, tile);
}

}  // namespace

// Several layers, shadows falling on faces, sides and background, pieces
// darkening one pixel twice or past black, selected, hinted and hidden faces,
// a picture or the colour behind, boards that cut the heap off. The spans are
// kept while the board stands: every change that moves, removes or shades a
// tile must make new ones, and the others must still show.
TEST(VisibleSpans, PlainFramesMatchThePaintedOnesThroughEveryChange) {
    BoardScene scene(200, 90);
    scene.place(threeLayerHeap());
    GameModel& game = scene.app.game;
    GameState& g = game.state;
    Settings& s = scene.app.settings;
    const auto resize = [&](int width, int height) { resizeBoard(scene2D(scene.app), width, height); };
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"plain", [] {}},
        {"shadows", [&] { s.Shadows = 1; }},
        {"deep shadows", [&] { s.ShadowsValue = 200; }},
        {"every piece", [&] {  // overlapping pieces, twice past black
             s.ShadowsValue = 150;
             for (int tile = 80; tile < tileCount; tile += 5) scene.app.view.shadowFlags[tile].fill(1);
         }},
        {"no darkening", [&] { s.ShadowsValue = 0; }},
        {"gaps", [&] {
             s.ShadowsValue = 64;
             removeTiles(game, 3, 7);
             computeShadowFlags(game, scene.app.view.shadowFlags);
         }},
        {"selected and hinted", [&] {
             g.selectedTile = 120, g.secondTile = 20;
             game.moveList.pairs[0] = {5, 140};
             game.moveList.moveCount = 1;
             g.showMoves = 1, g.hintIndex = 4;  // starts again at the first pair
         }},
        {"inverted", [&] { s.SelectMode = 0, g.selectedTile = 130; }},
        {"hidden", [&] { s.SelectMode = selectDarker, g.tilesHidden = 1; }},
        {"picture", [&] {
             g.tilesHidden = 0, s.Background = "SUNSET.BMP";
             scene.app.view.background.fileImage = texturedPicture(97, 61);
         }},
        {"stretched and cut off", [&] {
             s.StretchTiles = 1;
             resize(91, 37);
             s.StretchTiles = 0;  // the tiles stay large for a board that shrinks again
             resize(45, 23);
         }},
        {"a pair removed", [&] {
             removeTiles(game, 141, 1);
             computeShadowFlags(game, scene.app.view.shadowFlags);
         }},
        {"selected", [&] { g.selectedTile = 100; }},
        {"darker shadows", [&] { s.ShadowsValue = 150; }},
        {"shadow size", [&] {
             s.ShadowSize = 3;
             resize(200, 90);
         }},
        {"larger board", [&] { resize(230, 95); }},
        {"another layout", [&] { scene.place(bridge); }},
        {"shadows off", [&] { s.Shadows = 0; }},
        {"background colour", [&] { s.Background = "", s.BackgroundColor = 0x605040; }},
        {"no tiles", [&] { removeTiles(game, 0, 1); }},
    };
    for (const auto& change : changes) {
        change.second();
        expectComposedAsPainted(scene.app, change.first);
    }
}

// The shipped default layout, tile set and background, dealt, as a player
// sees them, with a game under way.
TEST(VisibleSpans, TheShippedBoardMatches) {
    RecordingHost host;
    App app{host};
    initDataDirectories(app.dirs, shippedDataDirectory());
    app.settings.Shadows = 1;
    resizeBoard(scene2D(app), 1000, 700);
    loadLayout(app);
    loadTileSet(app);
    loadBackground(app);
    dealNewGame(app);
    ASSERT_EQ(app.game.state.tilesLeft, 144);
    ASSERT_FALSE(isEmpty(app.view.background.fitted));
    for (int move = 0; move < 3; ++move) {
        expectComposedAsPainted(app, "after " + std::to_string(move) + " pairs");
        removeTiles(app.game, app.game.state.removalOrder[2 * move], tileCount);
        removeTiles(app.game, app.game.state.removalOrder[2 * move + 1], tileCount);
        computeShadowFlags(app.game, app.view.shadowFlags);
    }
}
