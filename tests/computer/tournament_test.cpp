// The tournament run: a step limit per game, not per run; the same result
// for a seed whatever the number of threads; the progress line.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "TableCache.h"
#include "Tournament.h"

namespace zarvel::test {
namespace {

int TotalWins(const TournamentResult& r) { return std::accumulate(r.wins.begin(), r.wins.end(), 0); }

TournamentOptions Games(int games, std::uint64_t cap, int jobs) {
    TournamentOptions o;
    o.games = games;
    o.seed = 4242;
    o.maxStepsPerGame = cap;
    o.jobs = jobs;
    return o;
}

TEST(Tournament, StepLimitIsPerGameSoLongRunsFinish) {
    // Forty games take about 20,000 steps in all, thirteen times the limit.
    const auto r = RunTournament(Games(40, 1'500, 2));
    EXPECT_TRUE(r.completed) << r.error;
    EXPECT_GT(r.steps, 10 * 1'500u);
    EXPECT_EQ(r.gamesPlayed, 40);
    EXPECT_EQ(TotalWins(r), 40);
    EXPECT_EQ(r.wins.size(), 7u);

    // A game that runs past its limit stops the run, and says so.
    const auto capped = RunTournament(Games(40, 50, 2));
    EXPECT_FALSE(capped.completed);
    EXPECT_EQ(capped.gamesPlayed, 0);
    EXPECT_EQ(TotalWins(capped), 0);
    EXPECT_NE(capped.error.find("did not end within 50 scheduler steps"), std::string::npos) << capped.error;
}

TEST(Tournament, SameSeedSameResultWhateverTheThreads) {
    // 600 steps stops a run partway: some games take longer. Which games
    // count must not depend on which thread finished first.
    for (std::uint64_t cap : {kMaxStepsPerGame, std::uint64_t{600}}) {
        const auto one = RunTournament(Games(30, cap, 1));
        if (cap == kMaxStepsPerGame) {
            EXPECT_TRUE(one.completed);
        } else {
            ASSERT_FALSE(one.completed);
            EXPECT_GT(one.gamesPlayed, 0);
            EXPECT_EQ(TotalWins(one), one.gamesPlayed);
        }
        for (int jobs : {2, 7}) {
            // Progress reports, however often, change nothing and only count up.
            TournamentHooks hooks;
            int last = 0;
            bool counting = true;
            hooks.progress = [&](int done) {
                counting = counting && done >= last && done <= 30;
                last = done;
            };
            hooks.progressInterval = std::chrono::milliseconds(1);
            const auto many = RunTournament(Games(30, cap, jobs), hooks);
            EXPECT_TRUE(counting);
            EXPECT_EQ(many.wins, one.wins) << jobs << " threads, limit " << cap;
            EXPECT_EQ(many.gamesPlayed, one.gamesPlayed) << jobs;
            EXPECT_EQ(many.steps, one.steps) << jobs;
            EXPECT_EQ(many.error, one.error) << jobs;
        }
    }
}

// Alternating, the players move one seat on each game, and each player's
// wins are the games won from whichever seat it had: with three different
// styles the winner's style names the player.
TEST(Tournament, AlternatingSeatsCountEachPlayerOverEverySeat) {
    TournamentOptions o = Games(30, kMaxStepsPerGame, 2);
    o.seats = {style::Simple, style::Moron, style::Normal};
    o.alternate = true;
    EXPECT_EQ(GameSeating(o, 0), o.seats);
    EXPECT_EQ(GameSeating(o, 1), (std::vector<int>{style::Moron, style::Normal, style::Simple}));
    EXPECT_EQ(GameSeating(o, 5), (std::vector<int>{style::Normal, style::Simple, style::Moron}));

    const auto r = RunTournament(o);
    ASSERT_TRUE(r.completed) << r.error;
    EXPECT_EQ(r.styles, o.seats);
    std::vector<int> byStyle(3), bySeat(3);
    for (int k = 0; k < o.games; ++k) {
        UniformRandom rng(GameSeed(o.seed, k));
        const GameOutcome game = PlayTournamentGame(o, rng, k);
        ASSERT_GE(game.winner, 0) << game.error;
        ++bySeat[std::size_t(game.winner)];
        const int style = GameSeating(o, k)[std::size_t(game.winner)];
        ++byStyle[std::size_t(std::find(o.seats.begin(), o.seats.end(), style) - o.seats.begin())];
    }
    EXPECT_EQ(r.wins, byStyle);
    EXPECT_EQ(r.seatWins, bySeat);
    EXPECT_NE(r.wins, r.seatWins);  // not one seat per player throughout

    // Not alternating, a player keeps its seat.
    o.alternate = false;
    const auto fixed = RunTournament(o);
    EXPECT_EQ(fixed.wins, fixed.seatWins);
    EXPECT_EQ(GameSeating(o, 1), o.seats);
}

// Expert seats play on the run's solved table, and only on it.
TEST(Tournament, TheExpertPlaysOnTheSolvedTableOfTheRun) {
    TournamentOptions o = Games(60, kMaxStepsPerGame, 2);
    o.seats = {style::Expert, style::Moron};
    o.alternate = true;
    const auto none = RunTournament(o);
    EXPECT_FALSE(none.completed);
    EXPECT_NE(none.error.find("no solved table for 5000/500"), std::string::npos) << none.error;

    o.expertTable = solver::TableFor({5000, 500}, ZARVEL_TEST_CACHE);
    o.playTo = 10000;  // a table of other rules will not do
    EXPECT_FALSE(RunTournament(o).completed);

    o.playTo = 5000;
    const auto r = RunTournament(o);
    ASSERT_TRUE(r.completed) << r.error;
    EXPECT_EQ(TotalWins(r), 60);
    EXPECT_EQ(r.expertMisses, 0u);
    EXPECT_GT(r.wins[0], r.wins[1]);  // Moron banks whatever it has
}

TEST(Tournament, ProgressLineCopesWithNoRateYet) {
    EXPECT_EQ(ProgressLine(0, 1000, 0.0), "0 of 1000 games");
    EXPECT_EQ(ProgressLine(10, 1000, -1.0), "10 of 1000 games");
    EXPECT_EQ(ProgressLine(500, 1000, 2.0), "500 of 1000 games, 250 games/s, 0:02 left");
    EXPECT_EQ(ProgressLine(100, 1'000'000, 1.0), "100 of 1000000 games, 100 games/s, 2 h 47 min left");
}

}  // namespace
}  // namespace zarvel::test
