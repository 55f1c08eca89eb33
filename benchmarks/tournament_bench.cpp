// The tournament's speed and what bounds it. Nearly all of a game's time goes
// into the face routines (a 300-draw shuffle, and 750 draws of which only the
// last is read), so this sets side by side, in one run:
//   Draw/...        draws per second of each generator: each turned into a
//                   face, called on the concrete class (inlined) and through
//                   the RandomSource interface (the difference is the virtual
//                   call); and 750 in a row of which only the last is used;
//   Floor/...       a game's worth of face calls and nothing else: the games/s
//                   no tournament can beat. "xoshiro256++" is the program's
//                   face routines (the 749 unread draws skipped in one jump,
//                   faces by a cast); "xoshiro256++/every-draw" the routines
//                   it had before (every draw made, each floored); the
//                   twister and PCG64 go through the interface, draw by draw;
//   OfFloor/...     one thread's games/s as a share of the program's floor,
//                   the same games and their face calls alone timed in turn;
//   Tournament/...  the seven styles at 5000/500 and 10000/1000, per
//                   generator, on one thread and on every usable core;
//   Linear/...      1,000 to 100,000 games on every core: the time per game
//                   must not grow with the run;
//   Expert/...      two-seat games with an Expert seat (seats alternating),
//                   against Normal and against another Expert, on one thread;
//                   the solved table is read from the cache folder (or
//                   solved there first, untimed).
// A table at the end sets the figures of each target side by side.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ComputerDriver.h"
#include "Random.h"
#include "TableCache.h"
#include "Scheduler.h"
#include "Table.h"
#include "TestMode.h"
#include "Tournament.h"

namespace {

constexpr std::uint64_t kSeed = 20240601;

// PCG64 (XSL RR 128/64), the other well-studied 64-bit candidate: a 128-bit
// LCG whose high and low halves are folded and rotated by its top bits.
class Pcg64 {
public:
    explicit Pcg64(std::uint64_t seed) {
        std::uint64_t s = seed;
        const std::uint64_t incHi = zarvel::SplitMix64(s), incLo = zarvel::SplitMix64(s);
        inc_ = ((static_cast<U128>(incHi) << 64 | incLo) << 1) | 1;
        state_ = 0;
        (*this)();
        const std::uint64_t hi = zarvel::SplitMix64(s), lo = zarvel::SplitMix64(s);
        state_ += static_cast<U128>(hi) << 64 | lo;
        (*this)();
    }
    std::uint64_t operator()() {
        state_ = state_ * kMultiplier + inc_;
        const auto folded = static_cast<std::uint64_t>(state_ >> 64) ^ static_cast<std::uint64_t>(state_);
        const auto rot = static_cast<unsigned>(state_ >> 122);
        return (folded >> rot) | (folded << ((64 - rot) & 63));
    }

private:
    __extension__ typedef unsigned __int128 U128;
    static constexpr U128 kMultiplier = static_cast<U128>(0x2360ED051FC65DA4ull) << 64 | 0x4385DF649FCCF645ull;
    U128 state_, inc_;
};

class Pcg64Random final : public zarvel::RandomSource {
public:
    explicit Pcg64Random(std::uint64_t seed = 0) : engine_(seed) {}
    double Next() override { return zarvel::FractionFromBits(engine_()); }

private:
    Pcg64 engine_;
};

// Counts the draws of the generator it wraps (it is no UniformRandom, so
// the table makes every one of them).
class CountingRandom final : public zarvel::RandomSource {
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

// The face routines as the program had them before: every one of the 750
// draws made, each face floored.
template <class Random>
int EveryDrawShuffle(Random& rng) {
    int pos[7] = {0, 1, 2, 3, 4, 5, 6};
    for (int round = 0; round < 60; ++round)
        for (int k = 1; k <= 5; ++k) std::swap(pos[k], pos[static_cast<int>(std::floor(rng.Next() * 6)) + 1]);
    return pos[1];
}
template <class Random>
int EveryDrawLastOf750(Random& rng, int n) {
    int value = 1;
    for (int d = 0; d < 750; ++d) value = static_cast<int>(std::floor(rng.Next() * n)) + 1;
    return value;
}

zarvel::TournamentOptions Options(int target) {
    zarvel::TournamentOptions o;
    o.seed = kSeed;
    o.playTo = target;
    o.breakIn = target / 10;
    return o;
}

// Counts the final faces a game's rolls take by slot: every final face is
// shown twice on its roll slot (when drawn and when the roll is complete).
class FaceCountingBoard final : public zarvel::NullBoard {
public:
    bool Shows() const override { return true; }
    void ShowDie(int index, int face) override {
        if (index >= 0 && index < zarvel::kSlots && face > 0) ++shown[index % 2];
    }
    std::uint64_t shown[2] = {0, 0};  // even slots (750 draws), odd slots (300)
};

// What games ask of the face routines.
struct FaceCalls {
    double draws = 0;      // all of the games' draws, every one made
    double lastOf750 = 0;  // calls of the 750-draw routine
    double shuffles = 0;   // calls of the 300-draw shuffle
};

// Plays game `game` of a run at this target as the tournament does and adds
// what it asked of the face routines to `calls`.
void CountFaceCalls(std::uint64_t runSeed, int game, int target, FaceCalls& calls) {
    zarvel::GameState g;
    zarvel::Settings s;
    s.SoundFXOFF = true;
    FaceCountingBoard board;
    CountingRandom rng(zarvel::GameSeed(runSeed, game));
    zarvel::Table table(g, s, board, rng);
    zarvel::VirtualScheduler scheduler;
    zarvel::ComputerDriver driver(table, scheduler);
    zarvel::TestRun run(table, driver, scheduler);
    run.Start({1, 0, target, target / 10});
    scheduler.RunUntilIdle(zarvel::kMaxStepsPerGame);
    calls.draws += static_cast<double>(rng.draws);
    calls.lastOf750 += static_cast<double>(board.shown[0]) / 2;
    calls.shuffles += static_cast<double>(board.shown[1]) / 2;
}

// What one game at this target asks of the face routines, over 60 games.
const FaceCalls& PerGame(int target) {
    static std::map<int, FaceCalls> perGame;
    auto& calls = perGame[target];
    if (calls.draws == 0) {
        constexpr int kGames = 60;
        FaceCalls all;
        for (int k = 0; k < kGames; ++k) CountFaceCalls(kSeed, k, target, all);
        calls = {all.draws / kGames, all.lastOf750 / kGames, all.shuffles / kGames};
    }
    return calls;
}

// The face routines' calls alone, as the slots of the rolls make them: even
// slots the 750-draw routine, odd slots the shuffle.
int CallFaceRoutines(zarvel::Table& table, long shuffles, long lastOf750) {
    int sink = 0;
    for (long i = 0; i < shuffles; ++i) {
        sink += table.RandomNumber(6);
        sink += table.GetDie2();
    }
    for (long i = shuffles; i < lastOf750; ++i) sink += table.RandomNumber(6);
    return sink;
}

template <class Random>
int CallEveryDrawRoutines(Random& rng, long shuffles, long lastOf750) {
    int sink = 0;
    for (long i = 0; i < shuffles; ++i) {
        sink += EveryDrawLastOf750(rng, 6);
        sink += EveryDrawShuffle(rng);
    }
    for (long i = shuffles; i < lastOf750; ++i) sink += EveryDrawLastOf750(rng, 6);
    return sink;
}

// ---- one draw ---------------------------------------------------------------

constexpr int kDrawsPerIteration = 1 << 16;

template <class Random>
void BM_DrawDirect(benchmark::State& state) {
    Random rng(kSeed);
    int sink = 0;
    for (auto _ : state) {
        for (int d = 0; d < kDrawsPerIteration; ++d) sink += static_cast<int>(rng.Next() * 6) + 1;
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations() * kDrawsPerIteration);
}

template <class Random>
void BM_DrawInterface(benchmark::State& state) {
    Random concrete(kSeed);
    zarvel::RandomSource* rng = &concrete;
    benchmark::DoNotOptimize(rng);  // the compiler may no longer see the class
    int sink = 0;
    for (auto _ : state) {
        for (int d = 0; d < kDrawsPerIteration; ++d) sink += static_cast<int>(rng->Next() * 6) + 1;
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations() * kDrawsPerIteration);
}

// 750 draws of which only the last becomes a face, inlined: only the
// generator's own step counts, not the conversion.
template <class Random>
void BM_DrawLastOf750(benchmark::State& state) {
    Random rng(kSeed);
    int sink = 0;
    for (auto _ : state) {
        for (int face = 0; face < kDrawsPerIteration / 750; ++face) {
            for (int d = 0; d < 749; ++d) rng.Next();
            sink += static_cast<int>(rng.Next() * 6) + 1;
        }
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations() * (kDrawsPerIteration / 750) * 750);
}

BENCHMARK(BM_DrawDirect<zarvel::MersenneRandom>)->Name("Draw/mt19937_64/face/direct");
BENCHMARK(BM_DrawInterface<zarvel::MersenneRandom>)->Name("Draw/mt19937_64/face/interface");
BENCHMARK(BM_DrawLastOf750<zarvel::MersenneRandom>)->Name("Draw/mt19937_64/last-of-750/direct");
BENCHMARK(BM_DrawDirect<Pcg64Random>)->Name("Draw/pcg64/face/direct");
BENCHMARK(BM_DrawInterface<Pcg64Random>)->Name("Draw/pcg64/face/interface");
BENCHMARK(BM_DrawLastOf750<Pcg64Random>)->Name("Draw/pcg64/last-of-750/direct");
BENCHMARK(BM_DrawDirect<zarvel::UniformRandom>)->Name("Draw/xoshiro256++/face/direct");
BENCHMARK(BM_DrawInterface<zarvel::UniformRandom>)->Name("Draw/xoshiro256++/face/interface");
BENCHMARK(BM_DrawLastOf750<zarvel::UniformRandom>)->Name("Draw/xoshiro256++/last-of-750/direct");

// The jump that replaces the 749 unread draws, alone.
void BM_Jump749(benchmark::State& state) {
    zarvel::UniformRandom rng(kSeed);
    const zarvel::XoshiroJump jump(749);
    int sink = 0;
    for (auto _ : state) {
        for (int k = 0; k < 1024; ++k) {
            rng.Discard(jump);
            sink += static_cast<int>(rng.Next() * 6) + 1;
        }
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_Jump749)->Name("Draw/xoshiro256++/jump-749-then-1");

// ---- the floor, and the tournament beside it ---------------------------------

// Wall and processor time from a start. On a machine shared with other
// work the wall clock stretches while the processor time of this process
// does not: games per processor-second is the steadier measure of the work
// a game takes, games per wall-second what the cores deliver.
struct Since {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    std::clock_t cpu = std::clock();
};

struct Rates {
    double wall = 0;  // games per second
    double cpu = 0;   // games per processor-second, all threads together
};

// Figures measured so far, by benchmark, for the summary and for the
// ratios of those after them.
std::map<std::string, Rates>& Measured() {
    static std::map<std::string, Rates> measured;
    return measured;
}
std::map<std::string, double>& Shares() {
    static std::map<std::string, double> shares;
    return shares;
}

void Report(benchmark::State& state, const std::string& key, std::int64_t games, const Since& since) {
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - since.wall).count();
    const double cpu = static_cast<double>(std::clock() - since.cpu) / CLOCKS_PER_SEC;
    state.SetItemsProcessed(games);
    if (wall <= 0 || cpu <= 0) return;
    const Rates rates{static_cast<double>(games) / wall, static_cast<double>(games) / cpu};
    state.counters["games/s"] = rates.wall;
    state.counters["games/cpu_s"] = rates.cpu;
    Measured()[key] = rates;
}

std::string Key(const char* kind, const char* generator, int target, const char* threads = "") {
    return std::string(kind) + "/" + generator + "/" + std::to_string(target) + threads;
}

// A game's worth of face calls and nothing else, as many calls of each as
// a game makes. `everyDraw` makes them the way the program did before.
template <class Random>
void BM_Floor(benchmark::State& state, const char* generator, int target, bool everyDraw) {
    const FaceCalls& calls = PerGame(target);
    // The face routines' draws must be nearly all of a game's, or the
    // count of faces above has lost track of how a roll shows them.
    const double faceDraws = 750 * calls.lastOf750 + 300 * calls.shuffles;
    if (faceDraws < 0.99 * calls.draws || faceDraws > calls.draws) {
        state.SkipWithError("the counted faces do not account for the draws");
        return;
    }
    const long shuffles = std::lround(calls.shuffles), lastOf750 = std::lround(calls.lastOf750);
    zarvel::GameState g;
    zarvel::Settings s;
    zarvel::NullBoard board;
    Random rng(kSeed);
    zarvel::Table table(g, s, board, rng);
    constexpr int kGames = 4;
    int sink = 0;
    const Since start;
    for (auto _ : state) {
        for (int game = 0; game < kGames; ++game)
            sink += everyDraw ? CallEveryDrawRoutines(rng, shuffles, lastOf750)
                              : CallFaceRoutines(table, shuffles, lastOf750);
        benchmark::DoNotOptimize(sink);
    }
    Report(state, Key("Floor", generator, target), state.iterations() * kGames, start);
    state.counters["draws/game"] = calls.draws;
}

template <class Random>
std::unique_ptr<zarvel::RandomSource> Make(std::uint64_t seed) {
    return std::make_unique<Random>(seed);
}

// The seven styles; jobs 0 means every usable core. Besides the rates it
// shows the games per second against the twister on one thread ("x_mt1").
template <class Random>
void BM_Tournament(benchmark::State& state, const char* generator, int target, int jobs) {
    auto options = Options(target);
    options.jobs = jobs == 0 ? zarvel::UsableCores() : jobs;
    // Enough games per thread that the last game of a batch, which leaves
    // the other threads idle, weighs little.
    options.games = 24 * options.jobs;
    zarvel::TournamentHooks hooks;
    hooks.makeRandom = Make<Random>;
    const Since start;
    for (auto _ : state) {
        auto result = zarvel::RunTournament(options, hooks);
        if (!result.completed) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.wins.data());
        ++options.seed;  // other games each time round
    }
    const std::string key = Key("Tournament", generator, target, jobs == 1 ? "/1" : "/all");
    Report(state, key, state.iterations() * options.games, start);
    state.counters["threads"] = options.jobs;
    const Rates rate = Measured()[key];
    if (const Rates before = Measured()[Key("Tournament", "mt19937_64", target, "/1")]; before.wall > 0)
        state.counters["x_mt1"] = rate.wall / before.wall;
}

// Processor time of the calling thread, in seconds.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One thread's share of the program's floor, measured so that a busy
// machine cannot tilt it: game after game, this thread plays the game, then
// makes exactly that game's face calls alone, each timed in this thread's
// processor time, so both halves see the same machine; a round's share is
// the faces' time over the games' time, and the figure is the median round.
void BM_OfFloor(benchmark::State& state, int target) {
    constexpr int kGames = 60;
    std::vector<FaceCalls> calls(kGames);
    for (int k = 0; k < kGames; ++k) CountFaceCalls(kSeed, k, target, calls[std::size_t(k)]);
    auto options = Options(target);
    zarvel::GameState g;
    zarvel::Settings s;
    zarvel::NullBoard board;
    zarvel::UniformRandom faceRng(kSeed);
    zarvel::Table table(g, s, board, faceRng);
    std::vector<double> shares;
    int sink = 0;
    for (auto _ : state) {
        double games = 0, faces = 0;
        for (int k = 0; k < kGames; ++k) {
            const FaceCalls& c = calls[std::size_t(k)];
            const double t0 = ThreadSeconds();
            zarvel::UniformRandom rng(zarvel::GameSeed(kSeed, k));
            sink += zarvel::PlayTournamentGame(options, rng).winner;
            const double t1 = ThreadSeconds();
            sink += CallFaceRoutines(table, std::lround(c.shuffles), std::lround(c.lastOf750));
            const double t2 = ThreadSeconds();
            games += t1 - t0, faces += t2 - t1;
        }
        if (games > 0) shares.push_back(faces / games);
        benchmark::DoNotOptimize(sink);
    }
    if (shares.empty()) return;
    std::sort(shares.begin(), shares.end());
    state.counters["of_floor"] = shares[shares.size() / 2];
    state.counters["lowest"] = shares.front();
    state.counters["highest"] = shares.back();
    Shares()[std::to_string(target)] = shares[shares.size() / 2];
}

// Per target, side by side: the floors, the share, then one thread and every core.
const int kRegistered = [] {
    for (int target : {5000, 10000}) {
        const std::string t = std::to_string(target);
        benchmark::RegisterBenchmark(("Floor/mt19937_64/" + t).c_str(), BM_Floor<zarvel::MersenneRandom>,
                                     "mt19937_64", target, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor/pcg64/" + t).c_str(), BM_Floor<Pcg64Random>, "pcg64", target, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor/xoshiro256++/every-draw/" + t).c_str(), BM_Floor<zarvel::UniformRandom>,
                                     "xoshiro256++/every-draw", target, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor/xoshiro256++/" + t).c_str(), BM_Floor<zarvel::UniformRandom>,
                                     "xoshiro256++", target, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("OfFloor/xoshiro256++/" + t + "/1-thread").c_str(), BM_OfFloor, target)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(15);
        for (int jobs : {1, 0}) {
            const std::string threads = jobs == 1 ? "/1-thread" : "/all-cores";
            benchmark::RegisterBenchmark(("Tournament/mt19937_64/" + t + threads).c_str(),
                                         BM_Tournament<zarvel::MersenneRandom>, "mt19937_64", target, jobs)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(2.0);
            benchmark::RegisterBenchmark(("Tournament/xoshiro256++/" + t + threads).c_str(),
                                         BM_Tournament<zarvel::UniformRandom>, "xoshiro256++", target, jobs)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(2.0);
        }
    }
    return 0;
}();

// ---- linear in the games --------------------------------------------------------

void BM_Linear(benchmark::State& state) {
    auto options = Options(5000);
    options.games = static_cast<int>(state.range(0));
    options.jobs = zarvel::UsableCores();
    const Since start;
    for (auto _ : state) {
        auto result = zarvel::RunTournament(options);
        if (!result.completed) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.wins.data());
    }
    Report(state, "Linear/" + std::to_string(options.games), state.iterations() * options.games, start);
    state.SetComplexityN(options.games);
}
BENCHMARK(BM_Linear)
    ->Name("Linear/xoshiro256++/5000/all-cores")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

// ---- games with an Expert seat -----------------------------------------------------

void BM_Expert(benchmark::State& state, int target, int opponent) {
    auto options = Options(target);
    options.seats = {zarvel::style::Expert, opponent};
    options.alternate = true;
    options.games = 200;
    options.expertTable = zarvel::solver::TableFor({options.playTo, options.breakIn},
                                                   zarvel::solver::DefaultCacheFolder());
    const Since start;
    for (auto _ : state) {
        auto result = zarvel::RunTournament(options);
        if (!result.completed) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.wins.data());
        ++options.seed;
    }
    Report(state, "Expert/" + zarvel::StyleName(opponent) + "/" + std::to_string(target),
           state.iterations() * options.games, start);
}

const int kExpertRegistered = [] {
    for (int target : {5000, 10000})
        for (int opponent : {zarvel::style::Normal, zarvel::style::Expert})
            benchmark::RegisterBenchmark(
                ("Expert/" + zarvel::StyleName(opponent) + "/" + std::to_string(target) + "/1-thread").c_str(),
                BM_Expert, target, opponent)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(2.0);
    return 0;
}();

// The figures of one run side by side, for whatever the filter let run.
void PrintSummary() {
    const auto& m = Measured();
    auto cpu = [&](const std::string& key) {
        const auto it = m.find(key);
        return it == m.end() ? 0.0 : it->second.cpu;
    };
    auto wall = [&](const std::string& key) {
        const auto it = m.find(key);
        return it == m.end() ? 0.0 : it->second.wall;
    };
    std::printf("\n%-8s %14s %14s %14s %9s %16s\n", "target", "floor before", "floor now", "1 thread", "of floor",
                "every core");
    std::printf("%-8s %14s %14s %14s %9s %16s\n", "", "games/cpu_s", "games/cpu_s", "games/cpu_s", "", "games/s");
    for (int target : {5000, 10000}) {
        const auto share = Shares().find(std::to_string(target));
        std::printf("%-8d %14.0f %14.0f %14.0f %9.2f %16.0f\n", target,
                    cpu(Key("Floor", "xoshiro256++/every-draw", target)), cpu(Key("Floor", "xoshiro256++", target)),
                    cpu(Key("Tournament", "xoshiro256++", target, "/1")),
                    share == Shares().end() ? 0.0 : share->second, wall(Key("Tournament", "xoshiro256++", target, "/all")));
    }
    // Per processor-second the work a game takes; per second what the cores
    // delivered, which other work on the machine also decides.
    for (int target : {5000, 10000})
        if (cpu("Expert/Normal/" + std::to_string(target)) > 0)
            std::printf("two seats, %d: Expert against Normal %.0f games/cpu_s, against Expert %.0f\n", target,
                        cpu("Expert/Normal/" + std::to_string(target)), cpu("Expert/Expert/" + std::to_string(target)));
    if (cpu("Linear/1000") > 0 && cpu("Linear/100000") > 0)
        std::printf("linear: %.0f games/cpu_s at 1,000 games, %.0f at 10,000, %.0f at 100,000 (%.0f, %.0f, %.0f games/s)\n",
                    cpu("Linear/1000"), cpu("Linear/10000"), cpu("Linear/100000"), wall("Linear/1000"),
                    wall("Linear/10000"), wall("Linear/100000"));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
