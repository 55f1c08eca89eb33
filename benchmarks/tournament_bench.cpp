// The tournament's speed and what bounds it. Nearly all of a game's time goes
// into the uniform draws of the two face routines (300 and 750 draws per
// face), so this sets side by side, in one run:
//   Draw/...        draws per second of each generator: each turned into a
//                   face, called on the concrete class (inlined) and through
//                   the RandomSource interface (the difference is the virtual
//                   call); and 750 in a row of which only the last is used,
//                   as the 750-draw routine makes them;
//   Floor/...       a game's worth of draws made by the table's own face
//                   routines and nothing else: the games/s no tournament on
//                   that generator can beat (the twister and PCG64 go
//                   through the interface, the program's generator inlines);
//   OfFloor/...     one thread's games/s as a share of that floor, the same
//                   games and their face calls alone timed in turn;
//   Tournament/...  the seven styles at 5000/500 and 10000/1000, per
//                   generator, on one thread and on every usable core;
//   Linear/...      1,000 to 100,000 games on every core: the time per game
//                   must not grow with the run.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ComputerDriver.h"
#include "Random.h"
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

// Counts the draws of the generator it wraps.
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
    void ShowDie(int index, int face) override {
        if (index >= 0 && index < zarvel::kSlots && face > 0) ++shown[index % 2];
    }
    std::uint64_t shown[2] = {0, 0};  // even slots (750 draws), odd slots (300)
};

// What games ask of the face routines.
struct FaceCalls {
    double draws = 0;      // all of the games' draws
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
    run.showReport = [](const std::string&) {};
    run.endProgram = [] {};
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

// ---- one draw ---------------------------------------------------------------

constexpr int kDrawsPerIteration = 1 << 16;

template <class Random>
void BM_DrawDirect(benchmark::State& state) {
    Random rng(kSeed);
    int sink = 0;
    for (auto _ : state) {
        for (int d = 0; d < kDrawsPerIteration; ++d) sink += static_cast<int>(std::floor(rng.Next() * 6)) + 1;
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
        for (int d = 0; d < kDrawsPerIteration; ++d) sink += static_cast<int>(std::floor(rng->Next() * 6)) + 1;
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations() * kDrawsPerIteration);
}

// 750 draws of which only the last becomes a face, inlined: most of a
// game's draws are of this kind, and here only the generator's own step
// counts, not the conversion.
template <class Random>
void BM_DrawLastOf750(benchmark::State& state) {
    Random rng(kSeed);
    int sink = 0;
    for (auto _ : state) {
        for (int face = 0; face < kDrawsPerIteration / 750; ++face) {
            int value = 0;
            for (int d = 0; d < 750; ++d) value = static_cast<int>(std::floor(rng.Next() * 6)) + 1;
            sink += value;
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

// Rates measured so far, by benchmark, for the ratios of those after them.
std::map<std::string, Rates>& Measured() {
    static std::map<std::string, Rates> measured;
    return measured;
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

// A game's worth of draws made by the table's face routines and nothing
// else, as many calls of each as a game makes.
template <class Random>
void BM_Floor(benchmark::State& state, const char* generator, int target) {
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
        for (int game = 0; game < kGames; ++game) sink += CallFaceRoutines(table, shuffles, lastOf750);
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
// shows the games per second against the twister on one thread, as the
// tool ran before ("x_mt1").
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

// One thread's share of its generator's floor, measured so that a noisy
// machine cannot tilt it: each round plays the same games on this thread,
// then makes exactly their face calls alone, each timed in this thread's
// processor time; the share is the median of the rounds' ratios.
template <class Random>
void BM_OfFloor(benchmark::State& state, int target) {
    constexpr int kGames = 60;
    FaceCalls calls;
    for (int k = 0; k < kGames; ++k) CountFaceCalls(kSeed, k, target, calls);
    auto options = Options(target);
    zarvel::GameState g;
    zarvel::Settings s;
    zarvel::NullBoard board;
    Random faceRng(kSeed);
    zarvel::Table table(g, s, board, faceRng);
    std::vector<double> shares;
    int sink = 0;
    for (auto _ : state) {
        const double t0 = ThreadSeconds();
        for (int k = 0; k < kGames; ++k) {
            Random rng(zarvel::GameSeed(kSeed, k));
            sink += zarvel::PlayTournamentGame(options, rng).winner;
        }
        const double t1 = ThreadSeconds();
        sink += CallFaceRoutines(table, std::lround(calls.shuffles), std::lround(calls.lastOf750));
        const double t2 = ThreadSeconds();
        if (t1 > t0) shares.push_back((t2 - t1) / (t1 - t0));
        benchmark::DoNotOptimize(sink);
    }
    if (shares.empty()) return;
    std::sort(shares.begin(), shares.end());
    state.counters["of_floor"] = shares[shares.size() / 2];
    state.counters["lowest"] = shares.front();
    state.counters["highest"] = shares.back();
}

// Per target, side by side: the floors, then one thread, then every core.
const int kRegistered = [] {
    for (int target : {5000, 10000}) {
        const std::string t = std::to_string(target);
        benchmark::RegisterBenchmark(("Floor/mt19937_64/" + t).c_str(), BM_Floor<zarvel::MersenneRandom>,
                                     "mt19937_64", target)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor/pcg64/" + t).c_str(), BM_Floor<Pcg64Random>, "pcg64", target)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor/xoshiro256++/" + t).c_str(), BM_Floor<zarvel::UniformRandom>,
                                     "xoshiro256++", target)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("OfFloor/mt19937_64/" + t + "/1-thread").c_str(),
                                     BM_OfFloor<zarvel::MersenneRandom>, target)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(9);
        benchmark::RegisterBenchmark(("OfFloor/xoshiro256++/" + t + "/1-thread").c_str(),
                                     BM_OfFloor<zarvel::UniformRandom>, target)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(9);
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

}  // namespace

BENCHMARK_MAIN();
