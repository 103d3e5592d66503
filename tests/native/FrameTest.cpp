// Whole frames of the 2D view against reference pictures in
// tests/fixtures/scenes. The exact pixel rules have their own tables
// (PixelRules, TileLook, Shadows); these scenes check that the frame puts
// them together in the right places and order.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameFixtures.h"
#include "TestFiles.h"
#include "view2d/Bitmap.h"
#include "view2d/BitmapWriter.h"

namespace {

// Two layer-0 tiles side by side and one layer-1 tile across them.
const std::vector<Placement> bridge = {{0, 0, 2, 3}, {0, 0, 0, 4}, {1, 0, 1, 40}};

// A picture whose every pixel differs from its neighbours, so that a wrong
// weight or rounding in stretching shows.
Surface texturedPicture(int width, int height) {
    Surface picture;
    resizeSurface(picture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            putColour(picture, x, y, uint32_t(x * 37 + y * 11) % 256 | uint32_t(x * 5 + y * 29) % 256 << 8 |
                                         uint32_t(x * y * 7 + 90) % 256 << 16);
    return picture;
}

void expectScene(const BoardScene& scene, const std::string& name) {
    const std::string path = fixturePath("scenes/" + name + ".bmp");
    Surface frame;
    resizeSurface(frame, scene.host.lastFrameWidth, scene.host.lastFrameHeight);
    frame.pixels = scene.host.lastFrame;
    if (rewritingFixtures()) {
        ASSERT_TRUE(writeBitmapFile(path, frame)) << path;
    }
    Surface expected;
    ASSERT_TRUE(readBitmapFile(path, expected)) << path;
    ASSERT_EQ(frame.width, expected.width) << name;
    ASSERT_EQ(frame.height, expected.height) << name;
    int wrong = 0, firstWrong = -1;
    for (size_t i = 0; i < frame.pixels.size(); ++i)
        if (frame.pixels[i] != expected.pixels[i] && wrong++ == 0) firstWrong = int(i);
    EXPECT_EQ(wrong, 0) << name << ": first at " << firstWrong % frame.width << "," << firstWrong / frame.width;
}

struct Scene {
    const char* name;
    std::function<void(BoardScene&)> prepare;
    int fadingA = noTile;
    int16_t weight1 = 0, weight2 = 0;
};

}  // namespace

TEST(Frame, ReferenceScenes) {
    const Scene scenes[] = {
        {"bridge", [](BoardScene&) {}},
        {"bridge-shadows",
         [](BoardScene& s) {
             s.app.settings.ShadowSize = 2;  // bands of 5 pixels reach past the tile's own face
             s.app.settings.Shadows = 1;
         }},
        {"bridge-selected-darker",
         [](BoardScene& s) {
             s.app.game.state.selectedTile = 2;
             s.app.game.state.secondTile = 1;
         }},
        {"bridge-selected-inverted",
         [](BoardScene& s) {
             s.app.settings.SelectMode = 0;
             s.app.game.state.secondTile = 1;
         }},
        {"bridge-hint",
         [](BoardScene& s) {
             s.app.game.moveList.pairs[0] = {0, 1};
             s.app.game.moveList.moveCount = 1;
             s.app.game.state.showMoves = 1;
         }},
        {"bridge-hidden",
         [](BoardScene& s) {
             s.app.game.state.selectedTile = 1;
             s.app.game.state.showMoves = 1;
             s.app.game.moveList.pairs[0] = {0, 2};
             s.app.game.moveList.moveCount = 1;
             s.app.game.state.tilesHidden = 1;
         }},
        {"bridge-removed",
         [](BoardScene& s) {
             clearTileCells(s.app.game, 0);
             s.app.game.tiles[0].face = 0;
             layoutTiles(s.app.view, s.app.game);
         }},
        {"bridge-fading", [](BoardScene&) {}, 2, 30, 70},
        {"bridge-background",
         [](BoardScene& s) {
             s.app.settings.Background = "SUNSET.BMP";
             s.app.view.background.fileImage = texturedPicture(7, 5);
             resizeBoard(scene2D(s.app), 60, 40);
         }},
        {"heap-stretched",
         [](BoardScene& s) {
             s.place(threeLayerHeap());
             s.app.settings.StretchTiles = 1;
             s.app.settings.Shadows = 1;
             s.app.settings.Background = "SUNSET.BMP";
             s.app.view.tileSet.fileImage = texturedPicture(9 * 13, 5 * 17);
             s.app.view.background.fileImage = texturedPicture(331, 97);
             s.app.game.state.selectedTile = 100;
             resizeBoard(scene2D(s.app), 200, 90);
             computeShadowFlags(s.app.game, s.app.view.shadowFlags);
         },
         130, 45, 55},
    };
    for (const Scene& c : scenes) {
        BoardScene scene(60, 40);
        scene.place(bridge);
        c.prepare(scene);
        redraw2D(scene2D(scene.app), c.fadingA, noTile, c.weight1, c.weight2);
        EXPECT_EQ(scene.host.framesPresented, 1);
        EXPECT_EQ(scene.host.lastFrame, scene.app.view.boardBitmap.pixels);
        expectScene(scene, c.name);
    }
}

TEST(Frame, TheHintStartsAgainAtTheFirstPairWhenItsIndexRunsPast) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    GameModel& game = scene.app.game;
    game.moveList.pairs[0] = {0, 1};
    game.moveList.moveCount = 1;
    game.state.hintIndex = 3;
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    EXPECT_EQ(game.state.hintIndex, 3);  // not shown, not touched
    expectScene(scene, "bridge");
    game.state.showMoves = 1;
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    EXPECT_EQ(game.state.hintIndex, 0);
    expectScene(scene, "bridge-hint");
    // An empty list still reads (noTile, noTile) at entry 0: nothing is marked.
    game.moveList.moveCount = 0;
    game.moveList.pairs[0] = {noTile, noTile};
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    expectScene(scene, "bridge");
}

TEST(Frame, BackgroundPictureOrColour) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    scene.app.settings.Background = "SUNSET.BMP";
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    expectScene(scene, "bridge");  // no picture could be read: the colour
    // Resized while there was no background, then the picture is chosen again:
    // it still covers the whole board.
    scene.app.view.background.fileImage = texturedPicture(7, 5);
    scene.app.settings.Background = "";
    resizeBoard(scene2D(scene.app), 70, 45);
    resizeBoard(scene2D(scene.app), 60, 40);
    scene.app.settings.Background = "SUNSET.BMP";
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    expectScene(scene, "bridge-background");
}

TEST(Frame, EveryBoardAreaDownToNothingIsSafe) {
    BoardScene scene(60, 40);
    scene.place(threeLayerHeap());
    scene.app.settings.Shadows = 1;
    scene.app.settings.StretchTiles = 1;
    scene.app.game.state.selectedTile = 143;
    for (int width : {0, 1, 2, 5, 17, 40, 170})
        for (int height : {0, 1, 3, 9, 10, 33, 100}) {
            resizeBoard(scene2D(scene.app), width, height);
            redraw2D(scene2D(scene.app), 0, 143, 50, 50);
            ASSERT_EQ(scene.host.lastFrame.size(), size_t(width) * height);
            scene.app.settings.StretchTiles = 0;  // unstretched tiles overflow small areas
            resizeBoard(scene2D(scene.app), width, height);
            redraw2D(scene2D(scene.app), 5, noTile, 20, 80);
            scene.app.settings.StretchTiles = 1;
        }
    resizeBoard(scene2D(scene.app), 60, 100);  // only the width changes
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    EXPECT_EQ(scene.host.lastFrame.size(), size_t(60) * 100);
}

TEST(Frame, WithoutATileSetOnlyTheBackgroundIsDrawn) {
    BoardScene scene(30, 20);
    releaseSurface(scene.app.view.tileSet.fileImage);
    resizeBoard(scene2D(scene.app), 30, 20);
    scene.place(bridge);
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    for (uint32_t pixel : scene.host.lastFrame) ASSERT_EQ(colourFromPixel(pixel), sceneBackground);
}
