// One full 2D frame of a 144-tile heap with shadows in a 1920 x 1080 board
// area, against a plain copy of a 1920 x 1080 32-bit frame. The frame must
// cost at most four copies; a fade frame no more than a full frame. Each
// frame benchmark reports its cost in copies as the counter "copies".
#include <benchmark/benchmark.h>

#include <ctime>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/App.h"
#include "tests/native/RecordingHost.h"
#include "view2d/Stretch.h"

namespace {

constexpr int areaWidth = 1920;
constexpr int areaHeight = 1080;

// Three layers of 96, 36 and 12 tiles, numbered in painter's order.
void placeHeap(GameModel& game) {
    clearGameModel(game);
    int tile = 0;
    auto addLayer = [&](int layer, int firstRow, int rows, int firstColumn, int columns) {
        for (int r = 0; r < rows; ++r)
            for (int c = columns - 1; c >= 0; --c) {
                TileRecord& t = game.tiles[tile];
                t = TileRecord{};
                t.layer = uint8_t(layer);
                t.row = uint8_t(firstRow + 2 * r);
                t.column = uint8_t(firstColumn + 2 * c);
                t.face = dealFaces[tile];
                game.layoutMask[cellIndex(t.layer, t.row, t.column)] = 1;
                restoreTileCells(game, tile++);
            }
    };
    addLayer(0, 0, 8, 2, 12);
    addLayer(1, 2, 6, 8, 6);
    addLayer(2, 4, 3, 10, 4);
}

// A picture with some detail in every cell, so stretching has work to do.
Surface patternedPicture(int width, int height) {
    Surface picture;
    resizeSurface(picture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) rowOf(picture, y)[x] = uint32_t((x * 7) ^ (y * 13)) * 0x010305u & 0xFFFFFF;
    return picture;
}

struct Board {
    RecordingHost host;
    App app{host};
    Board() {
        app.settings.Shadows = 1;
        app.view.tileSet.fileImage = patternedPicture(9 * 60, 5 * 80);
        app.view.background.fileImage = patternedPicture(640, 400);
        placeHeap(app.game);
        resizeBoard(app, areaWidth, areaHeight);
        computeShadowFlags(app);
    }
};

// Processor time, so that other programs on a busy machine do not count.
template <typename Work>
double secondsPerRun(Work work) {
    constexpr int runs = 100;
    const std::clock_t start = std::clock();
    for (int i = 0; i < runs; ++i) work();
    return double(std::clock() - start) / CLOCKS_PER_SEC / runs;
}

double copySeconds() {
    static std::vector<uint32_t> from(size_t(areaWidth) * areaHeight, 1), to(from.size());
    return secondsPerRun([] {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
    });
}

void frameBenchmark(benchmark::State& state, int fadingA, int fadingB) {
    Board board;
    if (fadingA != noTile) keepFadeBase(board.app, fadingA, fadingB);
    auto compose = [&] {
        composeFrame2D(board.app, fadingA, fadingB, 50, 50);
        benchmark::DoNotOptimize(board.app.view.boardBitmap.pixels.data());
    };
    for (auto _ : state) compose();
    state.counters["copies"] = secondsPerRun(compose) / copySeconds();
}

void copyFrame(benchmark::State& state) {
    std::vector<uint32_t> from(size_t(areaWidth) * areaHeight, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
    }
}

void fullFrame(benchmark::State& state) { frameBenchmark(state, noTile, noTile); }
// Two tiles of the top layer fade, as when the player removes a pair: the
// frames after the first start from the kept lower part of the board.
void fadeFrame(benchmark::State& state) { frameBenchmark(state, 142, 143); }

void prepareTileSetAndBackground(benchmark::State& state) {
    Board board;
    for (auto _ : state) {
        releaseSurface(board.app.view.background.fitted);
        resizeBoard(board.app, areaWidth, areaHeight);
    }
}

}  // namespace

BENCHMARK(copyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(fadeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(prepareTileSetAndBackground)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
