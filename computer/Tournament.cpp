#include "Tournament.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

#include "ComputerDriver.h"
#include "Scheduler.h"
#include "TestMode.h"

namespace zarvel {

namespace {

std::vector<int> SeatStyles(const TournamentOptions& options) {
    if (!options.seats.empty()) {
        const auto n = std::min<std::size_t>(options.seats.size(), kSeats);
        return {options.seats.begin(), options.seats.begin() + static_cast<std::ptrdiff_t>(n)};
    }
    const auto seating = TestSeating(options.normalPosition);
    return {seating.begin(), seating.end()};
}

// The player at seat `seat` of game `game`.
int PlayerAt(const TournamentOptions& options, int seat, int game, int players) {
    return options.alternate ? (seat + game % players) % players : seat;
}

}  // namespace

bool SeatsExpert(const TournamentOptions& options) {
    const std::vector<int> styles = SeatStyles(options);
    return std::find(styles.begin(), styles.end(), style::Expert) != styles.end();
}

std::vector<int> GameSeating(const TournamentOptions& options, int game) {
    const std::vector<int> players = SeatStyles(options);
    const int n = static_cast<int>(players.size());
    std::vector<int> seats(players.size());
    for (int p = 0; p < n; ++p) seats[std::size_t(p)] = players[std::size_t(PlayerAt(options, p, game, n))];
    return seats;
}

std::uint64_t GameSeed(std::uint64_t runSeed, int game) {
    // Mixed twice, so that neighbouring seeds and neighbouring games start
    // unrelated streams.
    std::uint64_t s = runSeed;
    std::uint64_t t = SplitMix64(s) ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(game));
    return SplitMix64(t);
}

GameOutcome PlayTournamentGame(const TournamentOptions& options, RandomSource& rng, int game) {
    GameOutcome outcome;
    const solver::Rules rules{options.playTo, options.breakIn};
    const std::shared_ptr<const solver::Table> expertTable =
        options.expertTable && options.expertTable->rules() == rules && !options.expertTable->Empty()
            ? options.expertTable
            : nullptr;
    if (!expertTable && SeatsExpert(options)) {
        outcome.error = "the Expert has no solved table for " + std::to_string(rules.target) + "/" +
                        std::to_string(rules.breakIn);
        return outcome;
    }
    GameState g;
    Settings s;
    s.SoundFXOFF = true;
    NullBoard board;
    Table table(g, s, board, rng);
    VirtualScheduler scheduler;
    ComputerDriver driver(table, scheduler);
    driver.expertTable = [&expertTable](const solver::Rules&) { return expertTable; };
    TestRun run(table, driver, scheduler);
    // Without chosen seats the test seating plays, as test mode seats it.
    if (!options.seats.empty() || options.alternate) run.seats = GameSeating(options, game);
    run.Start({1, options.normalPosition, options.playTo, options.breakIn});
    const bool idle = scheduler.RunUntilIdle(options.maxStepsPerGame);

    outcome.steps = scheduler.StepsRun();
    outcome.expertMisses = driver.ExpertMisses();
    if (run.Reported()) {
        for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
            if (run.Wins()[std::size_t(p)] > 0) outcome.winner = p;
        if (outcome.winner < 0) outcome.error = "the game ended without a winner";
    } else if (!idle) {
        outcome.error = "the game did not end within " + std::to_string(options.maxStepsPerGame) +
                        " scheduler steps (a computer turn kept going without finishing it)";
    } else if (const auto report = driver.LastReport()) {
        outcome.error = ReportText(*report, driver.bot().NumDiceUp);
    } else {
        outcome.error = "the game stopped before its end";
    }
    return outcome;
}

TournamentResult RunTournament(const TournamentOptions& options, const TournamentHooks& hooks) {
    TournamentResult result;
    result.styles = SeatStyles(options);
    result.wins.assign(result.styles.size(), 0);
    result.seatWins.assign(result.styles.size(), 0);
    const int players = static_cast<int>(result.styles.size());
    const int games = std::max(options.games, 0);

    // Each worker takes the next game number; a game's winner goes to its
    // own slot, so nothing depends on which thread played which game.
    std::vector<std::int8_t> winners(static_cast<std::size_t>(games), -1);
    std::vector<std::uint64_t> steps(static_cast<std::size_t>(games), 0);
    std::vector<std::uint64_t> misses(static_cast<std::size_t>(games), 0);
    std::atomic<int> nextGame{0};
    std::atomic<int> gamesDone{0};
    std::mutex mutex;
    std::condition_variable finished;
    int firstFailed = games;  // guarded by mutex
    std::atomic<int> stopAfter{games};
    std::string firstError;
    int workersDone = 0;

    auto work = [&] {
        for (;;) {
            const int k = nextGame.fetch_add(1);
            // Games are taken in order, so every game before a failed one
            // has been taken and will finish: the count stays exact.
            if (k >= games || k > stopAfter.load()) break;
            GameOutcome outcome;
            try {
                std::unique_ptr<RandomSource> rng = hooks.makeRandom
                                                        ? hooks.makeRandom(GameSeed(options.seed, k))
                                                        : std::make_unique<UniformRandom>(GameSeed(options.seed, k));
                if (rng)
                    outcome = PlayTournamentGame(options, *rng, k);
                else
                    outcome.error = "no generator for the game";
            } catch (const std::exception& e) {
                outcome = {};
                outcome.error = std::string("the game failed: ") + e.what();
            } catch (...) {
                outcome = {};
                outcome.error = "the game failed";
            }
            steps[static_cast<std::size_t>(k)] = outcome.steps;
            misses[static_cast<std::size_t>(k)] = outcome.expertMisses;
            if (outcome.winner >= 0 && static_cast<std::size_t>(outcome.winner) < result.wins.size()) {
                winners[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(outcome.winner);
            } else {
                const std::lock_guard lock(mutex);
                if (k < firstFailed) {
                    firstFailed = k;
                    firstError = outcome.error.empty() ? "its winner sat outside the run's seats" : outcome.error;
                    stopAfter.store(k);
                }
            }
            gamesDone.fetch_add(1);
        }
        const std::lock_guard lock(mutex);
        ++workersDone;
        finished.notify_all();
    };

    const int wanted = std::clamp(options.jobs, 1, std::max(games, 1));
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(wanted));
    for (int t = 0; t < wanted; ++t) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // the system gives no more threads: play on those we have
        }
    }
    const int workers = threads.empty() ? 1 : static_cast<int>(threads.size());
    if (threads.empty()) work();
    {
        std::unique_lock lock(mutex);
        auto allDone = [&] { return workersDone == workers; };
        if (hooks.progress) {
            while (!finished.wait_for(lock, hooks.progressInterval, allDone)) {
                lock.unlock();
                hooks.progress(gamesDone.load());
                lock.lock();
            }
        } else {
            finished.wait(lock, allDone);
        }
    }
    for (auto& t : threads) t.join();

    // Tallies in game order, over the games before the first that failed.
    for (int k = 0; k < firstFailed; ++k) {
        const int seat = winners[static_cast<std::size_t>(k)];
        if (seat >= 0) {
            ++result.seatWins[static_cast<std::size_t>(seat)];
            ++result.wins[static_cast<std::size_t>(PlayerAt(options, seat, k, players))];
        }
        result.steps += steps[static_cast<std::size_t>(k)];
        result.expertMisses += misses[static_cast<std::size_t>(k)];
    }
    result.gamesPlayed = firstFailed;
    result.completed = firstFailed == games;
    result.error = firstError;
    return result;
}

int UsableCores() {
#if defined(__linux__)
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
#endif
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

std::string ProgressLine(int done, int total, double seconds) {
    total = std::max(total, 0);
    done = std::clamp(done, 0, total);
    std::string line = std::to_string(done) + " of " + std::to_string(total) + " games";
    if (!(seconds > 0) || done == 0) return line;  // no rate yet (or a clock gone wrong)
    const double rate = done / seconds;
    const double left = (total - done) / rate;
    char buf[96];
    if (left < 3600) {
        const long s = std::lround(left);
        std::snprintf(buf, sizeof buf, ", %.0f games/s, %ld:%02ld left", rate, s / 60, s % 60);
    } else {
        const long m = std::lround(std::min(left / 60, 99'999.0 * 60));
        std::snprintf(buf, sizeof buf, ", %.0f games/s, %ld h %02ld min left", rate, m / 60, m % 60);
    }
    return line + buf;
}

}  // namespace zarvel
