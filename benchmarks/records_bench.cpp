// How long the game waits for its records: each write the window makes
// during play (mean and the worst of the run, which includes the log's
// checkpoints), opening a file with a long history, and the statistics.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Records.h"

namespace {

using namespace zarvel;
namespace fs = std::filesystem;

// A fresh folder for one benchmark, removed after it.
class Folder {
public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "zarvel-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string db() const { return (path_ / "zarvel.db").string(); }

private:
    fs::path path_;
};

GameRecord FourPlayerGame(int i) {
    GameRecord g;
    g.finishedAt = 1'700'000'000 + i;
    g.target = i % 3 ? 5000 : 10000;
    g.breakIn = 500;
    g.winner = i % 4;
    g.wentOut = (i + 1) % 4;
    const char* names[] = {"Ann", "Carl", "Fay", "Computer"};
    for (int s = 0; s < 4; ++s) {
        g.seats.push_back(SeatRecord{Player{names[s], s == 3 ? 1 + i % 7 : 0}, 4000 + (i * 37 + s * 101) % 2000,
                                     500 + (i + s) % 1500, 20, (i + s) % 5});
        g.turns += 20;
    }
    return g;
}

SavedGame InPlay(int action) {
    GameTally tally;
    tally.Start({Player{"Ann"}, Player{"Carl"}, Player{"Fay"}, Player{"Computer", 1}}, 5000, 500);
    for (int t = 0; t < action % 40; ++t) tally.Banked(t % 4, 350);
    // About the size of the engine's state: dice, tray, four seats, flags.
    return SavedGame{1, std::string(1024, char('a' + action % 26)), tally, 0};
}

// Times each write on its own: the slowest ones are what a player would
// feel. On a busy machine the worst is mostly the scheduler's; the 99th
// percentile shows the writes themselves.
template <typename Write>
void TimeWrites(benchmark::State& state, Write write) {
    std::vector<double> ms;
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!write(i++)) state.SkipWithError("a write failed");
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return;
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
    state.counters["worst_ms"] = ms.back();
}

void SaveGameAfterEveryAction(benchmark::State& state) {
    Folder folder;
    Records records(folder.db());
    TimeWrites(state, [&](int i) { return records.SaveGame(InPlay(i)); });
}
BENCHMARK(SaveGameAfterEveryAction)->Unit(benchmark::kMillisecond)->Iterations(3000);

void RecordAFinishedGame(benchmark::State& state) {
    Folder folder;
    Records records(folder.db());
    TimeWrites(state, [&](int i) { return records.RecordGame(FourPlayerGame(i)) && records.DropSavedGame(); });
}
BENCHMARK(RecordAFinishedGame)->Unit(benchmark::kMillisecond)->Iterations(1000);

void SaveTheSeatsOfANewGame(benchmark::State& state) {
    Folder folder;
    Records records(folder.db());
    const LastSeats seats{4, {{"Ann", false, 1}, {"Carl", false, 1}, {"Fay", false, 1}, {"Computer", true, 6}}};
    TimeWrites(state, [&](int) { return records.SaveLastSeats(seats); });
}
BENCHMARK(SaveTheSeatsOfANewGame)->Unit(benchmark::kMillisecond)->Iterations(1000);

// A file with `games` finished four-player games.
void Fill(const std::string& path, int games) {
    Records records(path);
    for (int i = 0; i < games; ++i) records.RecordGame(FourPlayerGame(i));
}

// At start: open, check and migrate.
void OpenAtStart(benchmark::State& state) {
    Folder folder;
    Fill(folder.db(), int(state.range(0)));
    for (auto _ : state) {
        Records records(folder.db());
        benchmark::DoNotOptimize(records.isOpen());
    }
}
BENCHMARK(OpenAtStart)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the statistics window asks for when it opens.
void StatisticsWindowQueries(benchmark::State& state) {
    Folder folder;
    Fill(folder.db(), int(state.range(0)));
    Records records(folder.db());
    for (auto _ : state) {
        benchmark::DoNotOptimize(records.Statistics());
        for (int target : records.Targets()) benchmark::DoNotOptimize(records.HighScores(target));
    }
}
BENCHMARK(StatisticsWindowQueries)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
