// The solver's costs and its check by counting, per setting of the new game
// dialog:
//   Solve/T/B       time to solve the table on one thread, its size, the
//                   largest residual of one more step over every state, the
//                   longest turn total any state solves, and the first seat's
//                   chance W(0, 0);
//   BestPlay/...    one piece of advice from a solved table (the turn solved
//                   afresh, as the hint and the Expert ask it): a turn's
//                   start, mid-turn where the turn is longest, a last turn;
//   SelfPlay/T/B    200,000 games of the best play against itself: the first
//                   seat's share with its 95 % interval beside W(0, 0),
//                   whether they agree (1) or not (0), and the difference in
//                   standard errors (z); over the four settings one may
//                   miss the 95 % interval by chance alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>

#include "Policy.h"
#include "Simulator.h"
#include "Solver.h"

namespace {

using namespace zarvel::solver;

// Tables solved by Solve, used by the others (solved there if Solve was filtered out).
const Table& TableOf(const Rules& rules) {
    static std::map<std::pair<int, int>, std::unique_ptr<Table>> tables;
    auto& slot = tables[{rules.target, rules.breakIn}];
    if (!slot) slot = std::make_unique<Table>(Table::Solve(rules));
    return *slot;
}

Rules RulesOf(const benchmark::State& state) { return {int(state.range(0)), int(state.range(1))}; }

void Solve(benchmark::State& state) {
    const Rules rules = RulesOf(state);
    std::unique_ptr<Table> table;
    for (auto _ : state) table = std::make_unique<Table>(Table::Solve(rules));
    double residual = 0;
    int longest = 0;
    for (int mine : table->BankedScores())
        for (int theirs : table->BankedScores()) {
            residual = std::max(residual, std::abs(table->Step(mine, theirs) - table->Win(mine, theirs)));
            longest = std::max(longest, table->Terms(mine, theirs).cap * kStep);
        }
    state.counters["values"] = double(table->Values().size());
    state.counters["bytes"] = double(table->Values().size() * sizeof(double));
    state.counters["residual"] = residual;
    state.counters["longest_turn"] = longest;
    state.counters["W00"] = table->Win(0, 0);
    TableOf(rules);  // keep one for the others
}

void BestPlayAt(benchmark::State& state, const Situation& situation) {
    const Rules rules{situation.target, situation.breakIn};
    const Table& table = TableOf(rules);
    Advice advice;
    for (auto _ : state) benchmark::DoNotOptimize(advice = BestPlay(table, situation));
    if (!advice.Valid()) state.SkipWithError(advice.invalid.c_str());
    state.counters["win"] = advice.winChance;
}

Situation Make(int target, int mine, int theirs, bool out, int turnTotal, std::vector<int> dice, int inTray) {
    Situation s;
    s.target = target;
    s.breakIn = 500;
    s.mine = mine;
    s.theirs = theirs;
    s.theyWentOut = out;
    s.turnTotal = turnTotal;
    s.freeDice = std::move(dice);
    s.inTray = inTray;
    return s;
}

void SelfPlayGames(benchmark::State& state) {
    const Table& table = TableOf(RulesOf(state));
    constexpr long kGames = 200000;
    SelfPlay play;
    for (auto _ : state) play = SimulateSelfPlay(table, kGames, 20240601);
    state.counters["games_per_s"] = benchmark::Counter(double(kGames), benchmark::Counter::kIsRate);
    state.counters["share"] = play.Share();
    state.counters["interval"] = play.HalfWidth95();
    state.counters["W00"] = table.Win(0, 0);
    state.counters["agrees"] = std::abs(play.Share() - table.Win(0, 0)) <= play.HalfWidth95();
    // The difference in standard errors: |z| < 1.96 is agreement at 95 %.
    state.counters["z"] = (play.Share() - table.Win(0, 0)) / (play.HalfWidth95() / 1.96);
}

void Settings(benchmark::internal::Benchmark* b) {
    for (const Rules& r : kSettings) b->Args({r.target, r.breakIn});
    b->ArgNames({"target", "break_in"})->Iterations(1)->Unit(benchmark::kSecond);
}

BENCHMARK(Solve)->Apply(Settings);
BENCHMARK_CAPTURE(BestPlayAt, start_5000, Make(5000, 0, 0, false, 0, {}, 0))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BestPlayAt, longest_turn_10000, Make(10000, 0, 9950, false, 300, {1, 2, 3, 4, 6}, 1))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BestPlayAt, last_turn_10000, Make(10000, 3000, 12000, true, 2500, {1, 3, 4}, 3))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SelfPlayGames)->Apply(Settings);

}  // namespace

BENCHMARK_MAIN();
