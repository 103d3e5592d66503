// How long a solvable deal takes on each shipped layout, and the free rule
// with the full pair list on a fresh board (the work of every move).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "game/App.h"
#include "game/DealGame.h"
#include "engine/FreeTiles.h"
#include "engine/Layout.h"
#include "files/LayoutFormats.h"
#include "files/DataDirectories.h"
#include "tools/layout/QuietHost.h"

namespace {

const std::string layoutsDirectory = std::string(TAVREK_SOURCE_DIR) + "/data/LAYOUTS";

bool readLayout(const std::string& name, GameModel& game) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(filePath(layoutsDirectory, name), bytes)) return false;
    readLayoutBytes(bytes, false, game.layoutMask);
    return numberAndOrderTiles(game) == tileCount;
}

void solvableDeal(benchmark::State& state, const std::string& name) {
    QuietHost host;
    App app(host);
    if (!readLayout(name, app.game)) {
        state.SkipWithError("layout cannot be read");
        return;
    }
    for (auto _ : state) {
        ++host.now;
        benchmark::DoNotOptimize(dealNewGame(app));
    }
}

void freeTilesAndMoveList(benchmark::State& state) {
    QuietHost host;
    App app(host);
    if (!readLayout("DEFAULT.TVL", app.game)) {
        state.SkipWithError("layout cannot be read");
        return;
    }
    dealNewGame(app);
    for (auto _ : state) {
        computeFreeTiles(app.game);
        buildMoveList(app.game, false, app.settings.pairSearchLimit);
        benchmark::DoNotOptimize(app.game.moveList.moveCount);
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (const std::string& name : listFiles(layoutsDirectory, "*.TVL"))
        benchmark::RegisterBenchmark(("solvableDeal/" + name).c_str(), solvableDeal, name)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("computeFreeTiles+buildMoveList/DEFAULT.TVL", freeTilesAndMoveList)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
