// Whole frames of the 2D view against reference pictures: the pixel rules
// have their own tables; these check that the frame places and orders them.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameFixtures.h"

namespace {

void redraw(BoardScene& scene, int fadingA = noTile, int16_t weight1 = 0, int16_t weight2 = 0) {
    redraw2D(scene2D(scene.app), fadingA, noTile, weight1, weight2);
}

void expectFrame(const BoardScene& scene, const std::string& name) {
    Surface frame;
    resizeSurface(frame, scene.host.lastFrameWidth, scene.host.lastFrameHeight);
    frame.pixels = scene.host.lastFrame;
    EXPECT_EQ(frame.pixels, scene.app.view.boardBitmap.pixels) << name;
    expectPicture(frame, name);
}

void showHint(GameState& state, MoveList& moves, TilePair pair) {
    moves.pairs[0] = pair;
    moves.moveCount = 1;
    state.showMoves = 1;
}

struct Scene {
    const char* name;
    std::function<void(BoardScene&, Settings&, GameState&)> prepare;
    int fadingA = noTile;
    int16_t weight1 = 0, weight2 = 0;
};

}  // namespace

TEST(Frame, ReferenceScenes) {
    const Scene scenes[] = {
        {"bridge", [](auto&, auto&, auto&) {}},
        // Bands of 5 pixels reach past the tile's own face.
        {"bridge-shadows", [](auto&, auto& s, auto&) { s.ShadowSize = 2, s.Shadows = 1; }},
        {"bridge-selected-darker", [](auto&, auto&, auto& g) { g.selectedTile = 2, g.secondTile = 1; }},
        {"bridge-selected-inverted", [](auto&, auto& s, auto& g) { s.SelectMode = 0, g.secondTile = 1; }},
        // A hint index run past the list starts again at the first pair; a hint not shown marks nothing.
        {"bridge-hint", [](auto& b, auto&, auto& g) { showHint(g, b.app.game.moveList, {0, 1}), g.hintIndex = 3; }},
        {"bridge", [](auto& b, auto&, auto& g) { showHint(g, b.app.game.moveList, {0, 1}), g.showMoves = 0, g.hintIndex = 3; }},
        {"bridge-hidden",
         [](auto& b, auto&, auto& g) {
             showHint(g, b.app.game.moveList, {0, 2});
             g.selectedTile = 1, g.tilesHidden = 1;
         }},
        {"bridge-removed",
         [](auto& b, auto&, auto&) {
             removeTile(b.app.game, 0);
             layoutTiles(b.app.view, b.app.game);
         }},
        {"bridge-fading", [](auto&, auto&, auto&) {}, 2, 30, 70},
        {"heap-stretched",
         [](auto& b, auto& s, auto& g) {
             b.place(threeLayerHeap());
             s.StretchTiles = 1, s.Shadows = 1, s.Background = "SUNSET.BMP";
             b.app.view.tileSet.fileImage = texturedPicture(9 * 13, 5 * 17);
             b.app.view.background.fileImage = texturedPicture(331, 97);
             g.selectedTile = 100;
             resizeBoard(scene2D(b.app), 200, 90);
             computeShadowFlags(b.app.game, b.app.view.shadowFlags);
         },
         130, 45, 55},
    };
    for (const Scene& c : scenes) {
        BoardScene scene(60, 40);
        scene.place(bridge);
        c.prepare(scene, scene.app.settings, scene.app.game.state);
        const GameState before = scene.app.game.state;
        redraw(scene, c.fadingA, c.weight1, c.weight2);
        EXPECT_EQ(scene.host.framesPresented, 1);
        EXPECT_TRUE(before.showMoves == 1 || scene.app.game.state.hintIndex == before.hintIndex) << "a hint not shown stays";
        expectFrame(scene, c.name);
    }
}

TEST(Frame, ABackgroundResizedWhileUnusedStillCoversTheBoard) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    scene.app.settings.Background = "SUNSET.BMP";
    redraw(scene);
    expectFrame(scene, "bridge");  // no picture could be read: the colour
    scene.app.view.background.fileImage = texturedPicture(7, 5);
    scene.app.settings.Background = "";
    resizeBoard(scene2D(scene.app), 70, 45);
    resizeBoard(scene2D(scene.app), 60, 40);
    scene.app.settings.Background = "SUNSET.BMP";
    redraw(scene);
    expectFrame(scene, "bridge-background");
}

TEST(Frame, EveryBoardAreaDownToNothingIsSafe) {
    BoardScene scene(60, 40);
    scene.place(threeLayerHeap());
    scene.app.settings.Shadows = 1;
    scene.app.game.state.selectedTile = 143;
    for (int width : {0, 1, 2, 5, 17, 40, 170})
        for (int height : {0, 1, 3, 9, 10, 33, 100})
            for (uint8_t stretch : {1, 0}) {  // unstretched tiles overflow small areas
                scene.app.settings.StretchTiles = stretch;
                resizeBoard(scene2D(scene.app), width, height);
                redraw2D(scene2D(scene.app), 0, 143, 50, 50);
                ASSERT_EQ(scene.host.lastFrame.size(), size_t(width) * height);
            }
    resizeBoard(scene2D(scene.app), 60, 100);  // only the width changes
    redraw(scene);
    EXPECT_EQ(scene.host.lastFrame.size(), size_t(60) * 100);
}

TEST(Frame, WithoutATileSetOnlyTheBackgroundIsDrawn) {
    BoardScene scene(30, 20);
    releaseSurface(scene.app.view.tileSet.fileImage);
    resizeBoard(scene2D(scene.app), 30, 20);
    scene.place(bridge);
    redraw(scene);
    for (uint32_t pixel : scene.host.lastFrame) ASSERT_EQ(colourFromPixel(pixel), sceneBackground);
}
