#include <gtest/gtest.h>

#include <vector>

#include "FrameFixtures.h"
#include "view2d/PixelRules.h"
#include "view2d/TileLook.h"

namespace {

// Two layer-0 tiles side by side and one layer-1 tile across them.
const std::vector<Placement> bridge = {{0, 0, 2, 3}, {0, 0, 0, 4}, {1, 0, 1, 40}};

uint32_t faceColourOf(int face) {
    const FaceCell cell = faceCell(face);
    return cellColour(cell.row, cell.column);
}

bool insideTile(const App& app, int tile, int x, int y) {
    const TileRecord& t = app.game.tiles[tile];
    const TileSet& set = app.view.tileSet;
    const int e = set.edgeX;
    return x >= t.screenX - e && x < t.screenX + set.tileWidth && y >= t.screenY &&
           y < t.screenY + set.tileHeight + e;
}

std::vector<uint32_t> frameOf(BoardScene& scene) {
    redraw2D(scene2D(scene.app), noTile, noTile, 0, 0);
    return scene.host.lastFrame;
}

}  // namespace

TEST(Frame, TheHeapIsCentredAndLayersShiftUpAndRight) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    const auto& tiles = scene.app.game.tiles;
    // Faces 8 x 10, a layer shifts by 2; the heap spans 16 x 12 pixels.
    EXPECT_EQ(tiles[1].screenX, 22);
    EXPECT_EQ(tiles[1].screenY, 16);
    EXPECT_EQ(tiles[0].screenX, 30);
    EXPECT_EQ(tiles[0].screenY, 16);
    EXPECT_EQ(tiles[2].screenX, 28);
    EXPECT_EQ(tiles[2].screenY, 14);
    EXPECT_EQ(tiles[2].faceX, 4 * 8);  // face 40: row 4, column 4
    EXPECT_EQ(tiles[2].faceY, 4 * 10);
    EXPECT_EQ(tiles[1].faceX, 3 * 8);  // face 4: row 0, column 3
    EXPECT_EQ(tiles[1].faceY, 0);
}

TEST(Frame, RemovedTilesKeepTheHeapInPlace) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    clearTileCells(scene.app.game, 0);
    scene.app.game.tiles[0].face = 0;
    layoutTiles(scene.app.view, scene.app.game);
    EXPECT_EQ(scene.app.game.tiles[1].screenX, 22);
    EXPECT_EQ(scene.app.game.tiles[2].screenY, 14);
    const std::vector<uint32_t> frame = frameOf(scene);
    // Where tile 0's face was, only the upper tile's face and the background show.
    EXPECT_EQ(scene.at(36, 20), sceneBackground);
}

TEST(Frame, TilesAreDrawnInOrderWithFacesAndSides) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    const std::vector<uint32_t> frame = frameOf(scene);
    EXPECT_EQ(scene.host.framesPresented, 1);
    EXPECT_EQ(scene.host.lastFrameWidth, 60);
    EXPECT_EQ(scene.host.lastFrameHeight, 40);
    EXPECT_EQ(frame, scene.app.view.boardBitmap.pixels);
    EXPECT_EQ(scene.at(24, 22), faceColourOf(4));   // tile 1 alone
    EXPECT_EQ(scene.at(36, 22), faceColourOf(3));   // tile 0 alone
    EXPECT_EQ(scene.at(30, 18), faceColourOf(40));  // the upper tile covers both
    EXPECT_EQ(scene.at(21, 20), sceneSides);        // tile 1's left side
    EXPECT_EQ(scene.at(20, 20), 0u);                // and its outline
    EXPECT_EQ(scene.at(5, 5), sceneBackground);
}

TEST(Frame, WithoutShadowsNothingOutsideTheTilesChanges) {
    BoardScene scene(60, 40);
    scene.place(threeLayerHeap());
    resizeBoard(scene2D(scene.app), 200, 90);
    frameOf(scene);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 200; ++x) {
            bool covered = false;
            for (int t = 0; t < tileCount && !covered; ++t) covered = insideTile(scene.app, t, x, y);
            if (!covered) {
                ASSERT_EQ(scene.at(x, y), sceneBackground) << x << "," << y;
            }
        }
}

TEST(Frame, GroundLayerTilesCastNoShadow) {
    BoardScene scene(60, 40);
    scene.place({{0, 0, 2, 3}, {0, 0, 0, 4}});
    const std::vector<uint32_t> plain = frameOf(scene);
    scene.app.settings.Shadows = 1;
    EXPECT_EQ(frameOf(scene), plain);
}

TEST(Frame, UpperTilesDarkenWhatLiesBelowThem) {
    BoardScene scene(60, 40);
    scene.app.settings.ShadowSize = 2;  // bands of 5 pixels reach past the tile's own face
    resizeBoard(scene2D(scene.app), 60, 40);
    scene.place(bridge);
    const std::vector<uint32_t> plain = frameOf(scene);
    scene.app.settings.Shadows = 1;
    const std::vector<uint32_t> shaded = frameOf(scene);
    // Nothing lies below the bridge: only its right band falls, on tile 0's face.
    const TileShadowFlags& flags = scene.app.view.shadowFlags[2];
    EXPECT_EQ(flags[lowerLeftHalf], 0);
    EXPECT_EQ(flags[rightUpperHalf], 1);
    EXPECT_EQ(flags[rightLowerHalf], 1);
    Surface darkened;
    resizeSurface(darkened, 60, 40);
    darkened.pixels = plain;
    darkenRectangle(darkened, 0, 0, 60, 40, 64);
    int changed = 0;
    for (size_t i = 0; i < plain.size(); ++i)
        if (shaded[i] != plain[i]) {
            ++changed;
            ASSERT_EQ(shaded[i], darkened.pixels[i]) << i % 60 << "," << i / 60;
            // Within the band: five columns from the projected face's right edge.
            ASSERT_TRUE(i % 60 >= 34 && i % 60 < 39 && i / 60 >= 16 && i / 60 < 26) << i % 60 << "," << i / 60;
        }
    // The projected face's right edge is column 34; column 36 is the band's third column.
    EXPECT_EQ(shaded[19 * 60 + 36], darkened.pixels[19 * 60 + 36]);
    EXPECT_EQ(shaded[18 * 60 + 36], plain[18 * 60 + 36]);
    EXPECT_GT(changed, 10);
}

TEST(Frame, TheSelectedLookChangesExactlyTheSelectedFace) {
    for (uint8_t mode : {uint8_t(0), selectDarker}) {
        BoardScene scene(60, 40);
        scene.app.settings.SelectMode = mode;
        scene.place(bridge);
        const std::vector<uint32_t> plain = frameOf(scene);
        scene.app.game.state.selectedTile = 2;
        const std::vector<uint32_t> selected = frameOf(scene);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                const bool onFace = x >= 28 && x < 36 && y >= 14 && y < 24;
                const size_t i = size_t(y) * 60 + x;
                ASSERT_EQ(selected[i] != plain[i], onFace) << x << "," << y;
            }
        scene.app.game.state.selectedTile = noTile;
        scene.app.game.state.secondTile = 2;
        EXPECT_EQ(frameOf(scene), selected);
        // A partly covered tile changes only inside its own face.
        scene.app.game.state.secondTile = 1;
        const std::vector<uint32_t> lower = frameOf(scene);
        for (size_t i = 0; i < plain.size(); ++i)
            if (lower[i] != plain[i]) {
                ASSERT_TRUE(i % 60 >= 22 && i % 60 < 30 && i / 60 >= 16 && i / 60 < 26);
            }
        EXPECT_NE(lower, plain);
    }
}

TEST(Frame, TheHintStartsAgainAtTheFirstPairWhenItsIndexRunsPast) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    GameModel& game = scene.app.game;
    const std::vector<uint32_t> plain = frameOf(scene);
    game.moveList.pairs[0] = {0, 1};
    game.moveList.moveCount = 1;
    game.state.hintIndex = 3;
    EXPECT_EQ(frameOf(scene), plain);  // the hint is not shown
    EXPECT_EQ(game.state.hintIndex, 3);
    game.state.showMoves = 1;
    frameOf(scene);
    EXPECT_EQ(game.state.hintIndex, 0);
    uint32_t darker = faceColourOf(4);
    EXPECT_EQ(scene.at(24, 22), colourAt([&] {
                  Surface s;
                  resizeSurface(s, 1, 1);
                  putColour(s, 0, 0, darker);
                  darkenPixel(s, 0, 0, scene.app.settings.ShadowsValue);
                  return s;
              }(), 0, 0));
    // An empty list still reads (noTile, noTile) at entry 0: nothing is marked.
    game.moveList.moveCount = 0;
    game.moveList.pairs[0] = {noTile, noTile};
    EXPECT_EQ(frameOf(scene), plain);
}

TEST(Frame, HiddenTilesAllShowTheHiddenFaceWithoutSelection) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    scene.app.game.state.selectedTile = 1;
    scene.app.game.state.showMoves = 1;
    scene.app.game.moveList.pairs[0] = {0, 2};
    scene.app.game.moveList.moveCount = 1;
    scene.app.game.state.tilesHidden = 1;
    frameOf(scene);
    const uint32_t hidden = cellColour(hiddenFaceCell.row, hiddenFaceCell.column);
    EXPECT_EQ(scene.at(24, 22), hidden);
    EXPECT_EQ(scene.at(36, 22), hidden);
    EXPECT_EQ(scene.at(30, 18), hidden);
}

TEST(Frame, FadingTilesBlendTheirFaceAndSidesIntoTheBoard) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    redraw2D(scene2D(scene.app), 2, noTile, 30, 70);
    // Tile 2's face over tile 0's face, and over the background above the heap.
    EXPECT_EQ(scene.at(32, 18), blendColours(faceColourOf(3), faceColourOf(40), 30, 70));
    EXPECT_EQ(scene.at(32, 15), blendColours(sceneBackground, faceColourOf(40), 30, 70));
    // Its left side, then the outline over it, blended onto tile 1's face.
    const uint32_t side = blendColours(faceColourOf(4), sceneSides, 30, 70);
    EXPECT_EQ(scene.at(27, 20), side);
    EXPECT_EQ(scene.at(26, 20), blendColours(side, 0, 30, 70));
}

TEST(Frame, BackgroundPictureOrColour) {
    BoardScene scene(60, 40);
    scene.place(bridge);
    scene.app.settings.Background = "SUNSET.BMP";
    frameOf(scene);
    EXPECT_EQ(scene.at(0, 0), sceneBackground);  // no picture could be read: the colour
    resizeSurface(scene.app.view.background.fileImage, 3, 2);
    fillRectangle(scene.app.view.background.fileImage, 0, 0, 3, 2, 0x445566);
    resizeBoard(scene2D(scene.app), 60, 40);
    frameOf(scene);
    EXPECT_EQ(scene.app.view.background.fitted.width, 60);
    EXPECT_EQ(scene.at(0, 0), 0x445566u);
    EXPECT_EQ(scene.at(59, 39), 0x445566u);
    scene.app.settings.Background = "";
    frameOf(scene);
    EXPECT_EQ(scene.at(0, 0), sceneBackground);
    // Resized while there was no background, then the picture is chosen again:
    // it still covers the whole board.
    resizeBoard(scene2D(scene.app), 70, 45);
    scene.app.settings.Background = "SUNSET.BMP";
    frameOf(scene);
    EXPECT_EQ(scene.at(69, 44), 0x445566u);
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
}

TEST(Frame, WithoutATileSetOnlyTheBackgroundIsDrawn) {
    BoardScene scene(30, 20);
    releaseSurface(scene.app.view.tileSet.fileImage);
    resizeBoard(scene2D(scene.app), 30, 20);
    scene.place(bridge);
    for (uint32_t pixel : frameOf(scene)) ASSERT_EQ(colourFromPixel(pixel), sceneBackground);
}

#if TAVREK_3D
TEST(Frame, TheHeapCentreForTheThreeDimensionalView) {
    BoardScene scene;
    scene.place(threeLayerHeap());  // columns 0 .. 30, rows 0 .. 8
    EXPECT_FLOAT_EQ(scene.app.view.boardCentre3D[0], 7.5f);
    EXPECT_FLOAT_EQ(scene.app.view.boardCentre3D[1], 8.0f);  // (10 + 18) / 4 + 1
}
#endif
