// The faster tournament plays the same game: over 100,000 games at 5000/500,
// each style's share of the wins lies inside the 95 % interval of the tool's
// first version (one Mersenne-twister stream for the whole run, one thread)
// over as many games. Its own program: it takes some tens of seconds on every
// core, so CTest starts it first.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

#include "Styles.h"
#include "Tournament.h"

namespace zarvel::test {
namespace {

// Wins by seat, Normal at seat 0, seed 1, of that first version.
constexpr int kGames = 100'000;
constexpr std::array<int, 7> kReferenceWins = {22022, 18862, 17683, 9081, 15598, 14833, 1921};

// Wilson score interval, 95 %.
std::pair<double, double> Wilson(int wins, int games) {
    const double z = 1.959963984540054, n = games, p = wins / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {centre - half, centre + half};
}

TEST(TournamentStatistics, SharesInsideTheReferenceIntervals) {
    TournamentOptions o;
    o.games = kGames;
    o.seed = 1;
    o.jobs = UsableCores();
    const auto r = RunTournament(o);
    ASSERT_TRUE(r.completed) << r.error;
    ASSERT_EQ(r.wins.size(), kReferenceWins.size());
    for (std::size_t seat = 0; seat < r.wins.size(); ++seat) {
        const auto [lo, hi] = Wilson(kReferenceWins[seat], kGames);
        const double share = static_cast<double>(r.wins[seat]) / kGames;
        EXPECT_GE(share, lo) << StyleName(r.styles[seat]);
        EXPECT_LE(share, hi) << StyleName(r.styles[seat]);
    }
}

}  // namespace
}  // namespace zarvel::test
