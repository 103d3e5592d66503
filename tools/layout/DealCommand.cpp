// deal: deals games on a layout with the game's own dealer and replays each
// one, to show that every deal is solvable, how long dealing takes and how
// many pairs a player can take at the start.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Commands.h"
#include "LayoutFile.h"
#include "QuietHost.h"
#include "Replay.h"
#include "ToolArguments.h"
#include "engine/FreeTiles.h"
#include "game/App.h"
#include "game/DealGame.h"

namespace {

struct DealFigures {
    int games = 0;
    int replayed = 0;
    long long attemptsTotal = 0;
    int attemptsMax = 0;
    int fallbacks = 0;
    std::vector<long long> microseconds;
    std::vector<long long> startPairs;  // matching free pairs the player sees first
};

long long timedDeal(App& app, DealReport& report) {
    const auto start = std::chrono::steady_clock::now();
    report = dealNewGame(app);
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::microseconds>(end - start).count();
}

void dealGames(App& app, QuietHost& host, int games, DealFigures& figures) {
    for (int game = 0; game < games; ++game) {
        ++host.now;
        DealReport report;
        figures.microseconds.push_back(timedDeal(app, report));
        ++figures.games;
        figures.attemptsTotal += report.removalAttempts;
        figures.attemptsMax = std::max(figures.attemptsMax, report.removalAttempts);
        figures.fallbacks += report.fellBack ? 1 : 0;
        buildMoveList(app.game, false, app.settings.pairSearchLimit);
        figures.startPairs.push_back(app.game.moveList.moveCount);
        figures.replayed += replayRemovalOrder(app.game) ? 1 : 0;
    }
}

long long median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printFigures(const DealFigures& f) {
    std::printf("games: %d\nreplayed: %d\nattempts-mean: %.2f\nattempts-max: %d\nfallbacks: %d\n",
                f.games, f.replayed, static_cast<double>(f.attemptsTotal) / f.games, f.attemptsMax,
                f.fallbacks);
    std::printf("deal-us-median: %lld\ndeal-us-max: %lld\n", median(f.microseconds),
                *std::max_element(f.microseconds.begin(), f.microseconds.end()));
    std::printf("start-pairs-min: %lld\nstart-pairs-median: %lld\nstart-pairs-max: %lld\n",
                *std::min_element(f.startPairs.begin(), f.startPairs.end()), median(f.startPairs),
                *std::max_element(f.startPairs.begin(), f.startPairs.end()));
}

}  // namespace

int dealCommand(const CommandWords& words) {
    const char* usage = "deal [--grid] [--games N] FILE";
    ToolArguments arguments;
    int games = 100;
    if (!parseArguments(words, arguments) || arguments.files.size() != 1 || !arguments.to.empty() ||
        (!arguments.games.empty() && !parseCount(arguments.games, games)))
        return wrongArguments(usage);

    QuietHost host;
    App app(host);
    LayoutSummary summary;
    if (!readLayoutFile(arguments.files[0], arguments.grid, app.game, summary)) return 2;
    if (!layoutIsPlayable(app.game)) {
        std::fprintf(stderr, "tavrek-layout: %s is not a playable layout (%d marks, %d tiles)\n",
                     arguments.files[0].c_str(), summary.marks, summary.tiles);
        return 1;
    }
    DealFigures figures;
    dealGames(app, host, games, figures);
    printFigures(figures);
    return figures.replayed == figures.games ? 0 : 1;
}
