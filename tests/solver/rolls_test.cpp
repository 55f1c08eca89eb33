// The solver's reading of a roll against the engine's, over every roll.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "EngineScoring.h"
#include "Rolls.h"
#include "Solver.h"

namespace zarvel::solver {
namespace {

// Calls `visit` with every ordered roll of k dice.
template <typename Visit>
void EveryRoll(int k, Visit visit) {
    std::vector<int> faces(k, 1);
    for (;;) {
        visit(faces);
        int i = 0;
        while (i < k && faces[i] == 6) faces[i++] = 1;
        if (i == k) return;
        ++faces[i];
    }
}

test::EngineRoll SolverScore(const std::vector<int>& faces) {
    const RollScore score = ScoreRoll(CountFaces(faces));
    test::EngineRoll roll;
    for (const Group& g : score.groups) {
        test::EngineGroup group{{}, g.points};
        for (int f = 1; f <= 6; ++f) group.faces.insert(group.faces.end(), g.dice[f], f);
        roll.groups.push_back(group);
    }
    std::sort(roll.groups.begin(), roll.groups.end());
    roll.nonScoring = score.nonScoring;
    return roll;
}

TEST(Rolls, EveryRollOfOneToSixDiceScoresAsTheEngineScoresIt) {
    for (int k = 1; k <= kDice; ++k)
        EveryRoll(k, [&](const std::vector<int>& faces) {
            const test::EngineRoll engine = test::EngineScore(faces), solver = SolverScore(faces);
            ASSERT_EQ(solver.groups, engine.groups) << ::testing::PrintToString(faces);
            ASSERT_EQ(solver.nonScoring, engine.nonScoring) << ::testing::PrintToString(faces);
        });
}

// The chances the solver works with, counted roll by roll through the engine.
TEST(Rolls, ChancesOfAZarvelAndOfEveryDieScoringMatchTheEnginesCount) {
    for (int k = 1; k <= kDice; ++k) {
        double rolls = 0, zarvels = 0, allScore = 0;
        EveryRoll(k, [&](const std::vector<int>& faces) {
            const test::EngineRoll engine = test::EngineScore(faces);
            ++rolls;
            zarvels += engine.groups.empty();
            allScore += !engine.groups.empty() && engine.nonScoring == 0;
        });
        const RollsOf& of = Rolls(k);
        EXPECT_NEAR(of.zarvel, zarvels / rolls, 1e-15) << k;
        EXPECT_NEAR(of.allScore, allScore / rolls, 1e-15) << k;
        double total = of.zarvel;
        for (const RollClass& c : of.classes) total += c.chance;
        EXPECT_NEAR(total, 1.0, 1e-14) << k;
    }
    // Six dice score nothing only as two pairs and two odd dice of 2, 3, 4, 6.
    EXPECT_NEAR(Rolls(6).zarvel, 1080.0 / 46656, 1e-15);
}

// The smallest last turn, by hand: 50 points needed with six dice to roll.
// A roll that scores but not with every die is taken and banked; one where
// every die scores must be taken whole and all six rolled again:
//   Q(50) = notAll + allScore Q(50) = (1 - zarvel - allScore) / (1 - allScore).
TEST(Rolls, ReachingFiftyPointsByHand) {
    const double zarvel = Rolls(6).zarvel, all = Rolls(6).allScore;
    EXPECT_NEAR(ReachChance(50), (1 - zarvel - all) / (1 - all), 1e-15);
    EXPECT_NEAR(ReachChance(1), ReachChance(50), 0);  // whole steps of 50
    EXPECT_GT(ReachChance(50), ReachChance(100));
    EXPECT_EQ(ReachChance(0), 1.0);
}

std::vector<std::pair<int, int>> TakesOf(const std::vector<int>& faces) {
    std::vector<std::pair<int, int>> out;
    for (const Take& t : Takes(ScoreRoll(CountFaces(faces)))) out.emplace_back(t.points, t.size);
    return out;
}

using PS = std::vector<std::pair<int, int>>;

TEST(Rolls, TakesAreWholeGroupsAndNeverLeaveOnlyScoringDice) {
    EXPECT_EQ(TakesOf({1, 5, 3, 3}), (PS{{150, 2}, {100, 1}, {50, 1}}));
    // Three 1s are one group of 1000, never a single 1.
    EXPECT_EQ(TakesOf({1, 1, 1, 2, 3, 4}), (PS{{1000, 3}}));
    EXPECT_EQ(TakesOf({2, 2, 2, 1, 3, 4}), (PS{{300, 4}, {200, 3}, {100, 1}}));
    // Every die scores: the roll is taken whole.
    EXPECT_EQ(TakesOf({1, 1, 1, 5, 5, 5}), (PS{{1500, 6}}));
    EXPECT_EQ(TakesOf({1, 5}), (PS{{150, 2}}));
    EXPECT_EQ(TakesOf({1, 1, 5, 5, 2, 2}), (PS{{500, 6}}));
    EXPECT_EQ(TakesOf({2, 3}), PS{});
}

}  // namespace
}  // namespace zarvel::solver
