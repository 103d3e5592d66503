// One full 2D frame of the default layout with shadows, the standard tile
// set and the sunset background in a 1920 x 1080 board area, against a plain copy of a 1920 x 1080 32-bit frame. The frame must
// cost at most four copies; a fade frame no more than a full frame. Each
// frame benchmark reports its cost in copies as the counter "copies".
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <cstring>
#include <vector>

#include "game/App.h"
#include "game/DealGame.h"
#include "game/CurrentLayout.h"
#include "game/Pictures.h"
#include "tests/native/RecordingHost.h"

namespace {

constexpr int areaWidth = 1920;
constexpr int areaHeight = 1080;

// The shipped default layout, tile set and background, freshly dealt.
struct Board {
    RecordingHost host;
    App app{host};
    Board() {
        initDataDirectories(app.dirs, TAVREK_SOURCE_DIR "/data");
        app.settings.Shadows = 1;
        resizeBoard(scene2D(app), areaWidth, areaHeight);
        loadLayout(app);
        loadTileSet(app);
        loadBackground(app);
        dealNewGame(app);
        if (app.view.tileSet.tileWidth == 0 || isEmpty(app.view.background.fitted) || app.game.state.tilesLeft != 144)
            std::abort();
    }
};

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

void frameBenchmark(benchmark::State& state, bool fading) {
    Board board;
    const auto& order = board.app.game.state.removalOrder;
    const int fadingA = fading ? order[0] : noTile, fadingB = fading ? order[1] : noTile;
    if (fading) keepFadeBase(scene2D(board.app), fadingA, fadingB);
    auto compose = [&] {
        composeFrame2D(scene2D(board.app), fadingA, fadingB, 50, 50);
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

void fullFrame(benchmark::State& state) { frameBenchmark(state, false); }
// The first pair of the deal's solution fades, as when the player removes it: the
// frames after the first start from the kept lower part of the board.
void fadeFrame(benchmark::State& state) { frameBenchmark(state, true); }

void prepareTileSetAndBackground(benchmark::State& state) {
    Board board;
    for (auto _ : state) {
        releaseSurface(board.app.view.background.fitted);
        resizeBoard(scene2D(board.app), areaWidth, areaHeight);
    }
}

}  // namespace

BENCHMARK(copyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(fadeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(prepareTileSetAndBackground)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
