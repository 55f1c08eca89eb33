// Games per second of the seven-style tournament, beside the cost of the
// uniform draws alone that its dice need: the floor no engine can beat
// with this generator and these dice routines.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "Random.h"
#include "Tournament.h"

namespace {

constexpr int kGamesPerRun = 14;
constexpr std::uint64_t kSeed = 20240601;

class CountingRandom : public zarvel::RandomSource {
public:
    explicit CountingRandom(std::uint64_t seed) : inner_(seed) {}
    double Next() override {
        ++draws;
        return inner_.Next();
    }
    std::uint64_t draws = 0;

private:
    zarvel::UniformRandom inner_;
};

zarvel::TournamentOptions Options(std::uint64_t seed) {
    zarvel::TournamentOptions o;
    o.games = kGamesPerRun;
    o.seed = seed;
    return o;
}

// Draws the tournament makes per game, counted over the benchmark's seeds;
// all but one per "Random" turn are the dice's.
double DrawsPerGame() {
    static const double perGame = [] {
        std::uint64_t draws = 0;
        for (std::uint64_t run = 0; run < 20; ++run) {
            CountingRandom rng(kSeed + run);
            zarvel::NullBoard board;
            zarvel::RunTournament(Options(kSeed + run), rng, board);
            draws += rng.draws;
        }
        return static_cast<double>(draws) / (20.0 * kGamesPerRun);
    }();
    return perGame;
}

void BM_Tournament(benchmark::State& state) {
    std::uint64_t run = 0;
    for (auto _ : state) {
        auto result = zarvel::RunTournament(Options(kSeed + run++ % 20));
        benchmark::DoNotOptimize(result.wins.data());
    }
    state.SetItemsProcessed(state.iterations() * kGamesPerRun);
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(state.iterations() * kGamesPerRun),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Tournament)->Unit(benchmark::kMillisecond);

// The same number of draws per game, each turned into a face the way the
// dice routines do, through the same interface, and nothing else.
void BM_DrawsOnly(benchmark::State& state) {
    const auto perRun = static_cast<std::uint64_t>(DrawsPerGame() * kGamesPerRun);
    zarvel::UniformRandom uniform(kSeed);
    zarvel::RandomSource& rng = uniform;
    int sink = 0;
    for (auto _ : state) {
        for (std::uint64_t d = 0; d < perRun; ++d) sink += static_cast<int>(std::floor(rng.Next() * 6)) + 1;
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations() * kGamesPerRun);
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(state.iterations() * kGamesPerRun),
                                                   benchmark::Counter::kIsRate);
    state.counters["draws/game"] = DrawsPerGame();
}
BENCHMARK(BM_DrawsOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
