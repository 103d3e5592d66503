// One full 2D frame and one fade frame of the default layout with shadows,
// the standard tile set and the sunset background, in board areas of
// 1920 x 1080 and 3840 x 2160, each against a plain copy of a 32-bit frame
// of the same size measured in the same run. The full frame should cost at
// most 1.5 copies and the fade frame at most 1.3. Each frame benchmark
// reports its cost in copies as the counter "copies".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "game/App.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Pictures.h"
#include "tests/native/RecordingHost.h"

namespace {

// The shipped default layout, tile set and background, freshly dealt.
struct Board {
    RecordingHost host;
    App app{host};
    Board(int width, int height) {
        initDataDirectories(app.dirs, TAVREK_SOURCE_DIR "/data");
        app.settings.Shadows = 1;
        resizeBoard(scene2D(app), width, height);
        loadLayout(app);
        loadTileSet(app);
        loadBackground(app);
        dealNewGame(app);
        if (app.view.tileSet.tileWidth == 0 || isEmpty(app.view.background.fitted) || app.game.state.tilesLeft != 144)
            std::abort();
    }
};

template <typename Work>
double secondsPerBatch(Work work) {
    constexpr int runs = 20;
    const std::clock_t start = std::clock();
    for (int i = 0; i < runs; ++i) work();
    return double(std::clock() - start) / CLOCKS_PER_SEC / runs;
}

// Frame and copy in alternating batches, each taken at its fastest, so that
// other work on a shared machine weighs on neither alone.
template <typename Frame>
double copiesPerFrame(Frame frame, int width, int height) {
    std::vector<uint32_t> from(size_t(width) * height, 1), to(from.size());
    auto copy = [&] {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
    };
    double frameBest = 1e9, copyBest = 1e9;
    for (int batch = 0; batch < 10; ++batch) {
        frameBest = std::min(frameBest, secondsPerBatch(frame));
        copyBest = std::min(copyBest, secondsPerBatch(copy));
    }
    return frameBest / copyBest;
}

void frameBenchmark(benchmark::State& state, bool fading) {
    const int width = int(state.range(0)), height = int(state.range(1));
    Board board(width, height);
    const auto& order = board.app.game.state.removalOrder;
    const int fadingA = fading ? order[0] : noTile, fadingB = fading ? order[1] : noTile;
    if (fading) keepFadeBase(scene2D(board.app), fadingA, fadingB);
    auto compose = [&] {
        composeFrame2D(scene2D(board.app), fadingA, fadingB, 50, 50);
        benchmark::DoNotOptimize(board.app.view.boardBitmap.pixels.data());
    };
    for (auto _ : state) compose();
    state.counters["copies"] = copiesPerFrame(compose, width, height);
}

void copyFrame(benchmark::State& state) {
    std::vector<uint32_t> from(size_t(state.range(0)) * state.range(1), 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
    }
}

void fullFrame(benchmark::State& state) { frameBenchmark(state, false); }
// The first pair of the deal's solution fades, as when the player removes it: the
// frames after the first start from the kept lower part of the board.
void fadeFrame(benchmark::State& state) { frameBenchmark(state, true); }

void prepareTileSetAndBackground(benchmark::State& state) {
    Board board(1920, 1080);
    for (auto _ : state) {
        releaseSurface(board.app.view.background.fitted);
        resizeBoard(scene2D(board.app), 1920, 1080);
    }
}

void boardSizes(benchmark::internal::Benchmark* b) { b->Args({1920, 1080})->Args({3840, 2160}); }

}  // namespace

BENCHMARK(copyFrame)->Apply(boardSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullFrame)->Apply(boardSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(fadeFrame)->Apply(boardSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(prepareTileSetAndBackground)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
