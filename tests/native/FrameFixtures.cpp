#include "FrameFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TestFiles.h"
#include "view2d/Bitmap.h"
#include "view2d/BitmapWriter.h"

void placeTiles(GameModel& game, const std::vector<Placement>& placements) {
    clearGameModel(game);
    for (size_t i = 0; i < game.tiles.size(); ++i) {
        const Placement& p = placements[i < placements.size() ? i : 0];
        TileRecord& t = game.tiles[i];
        t.layer = uint8_t(p.layer);
        t.row = uint8_t(p.row);
        t.column = uint8_t(p.column);
        t.face = i < placements.size() ? uint8_t(p.face) : 0;
        if (t.face == 0) continue;
        game.layoutMask[cellIndex(p.layer, p.row, p.column)] = 1;
        restoreTileCells(game, int(i));
    }
    game.state.tilesLeft = int16_t(placements.size());
}

uint32_t cellColour(int row, int column) {
    return uint32_t(40 + 20 * column) | uint32_t(60 + 30 * row) << 8 | uint32_t(200) << 16;
}

Surface makeTileSetPicture(int cellWidth, int cellHeight) {
    Surface picture;
    resizeSurface(picture, 9 * cellWidth, 5 * cellHeight);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 9; ++column)
            fillRectangle(picture, column * cellWidth, row * cellHeight, cellWidth, cellHeight,
                          cellColour(row, column));
    return picture;
}

Surface texturedPicture(int width, int height) {
    Surface picture;
    resizeSurface(picture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            putColour(picture, x, y, uint32_t(x * 37 + y * 11) % 256 | uint32_t(x * 5 + y * 29) % 256 << 8 |
                                         uint32_t(x * y * 7 + 90) % 256 << 16);
    return picture;
}

void removeTile(GameModel& game, int tile) {
    clearTileCells(game, tile);
    game.tiles[tile].face = 0;
}

BoardScene::BoardScene(int width, int height) : app(host) {
    Settings& s = app.settings;
    s.StretchTiles = 0;
    s.BorderSize = 4;
    s.ShadowSize = 5;
    s.Shadows = 0;
    s.Background = "";
    s.BackgroundColor = sceneBackground;
    s.SidesColor = sceneSides;
    app.view.tileSet.fileImage = makeTileSetPicture(8, 10);
    resizeBoard(scene2D(app), width, height);
}

void BoardScene::place(const std::vector<Placement>& placements) {
    placeTiles(app.game, placements);
    layoutTiles(app.view, app.game);
    computeShadowFlags(app.game, app.view.shadowFlags);
}

uint32_t BoardScene::at(int x, int y) const { return colourAt(app.view.boardBitmap, x, y); }

std::vector<Placement> threeLayerHeap() {
    std::vector<Placement> heap;
    auto addLayer = [&](int layer, int firstRow, int rows, int firstColumn, int columns) {
        for (int r = 0; r < rows; ++r)
            for (int c = columns - 1; c >= 0; --c)
                heap.push_back({layer, firstRow + 2 * r, firstColumn + 2 * c, dealFaces[heap.size()]});
    };
    addLayer(0, 0, 5, 0, 16);
    addLayer(1, 1, 4, 4, 12);
    addLayer(2, 2, 2, 8, 8);
    return heap;
}

void expectPicture(const Surface& picture, const std::string& name) {
    const std::string path = fixturePath("scenes/" + name + ".bmp");
    if (rewritingFixtures()) {
        ASSERT_TRUE(writeBitmapFile(path, picture)) << path;
    }
    Surface expected;
    ASSERT_TRUE(readBitmapFile(path, expected)) << path;
    ASSERT_EQ((std::vector<int>{picture.width, picture.height}), (std::vector<int>{expected.width, expected.height}))
        << name;
    const auto wrong = std::mismatch(picture.pixels.begin(), picture.pixels.end(), expected.pixels.begin());
    const long at = wrong.first - picture.pixels.begin();
    EXPECT_TRUE(wrong.first == picture.pixels.end()) << name << ": first at " << at % picture.width << "," << at / picture.width;
}
