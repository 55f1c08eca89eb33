// The solved table at 5000/500 and the best play drawn from it. One process
// solves the table once for all of these.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Policy.h"
#include "Simulator.h"
#include "Solver.h"

namespace zarvel::solver {
namespace {

const Table& Solved() {
    static const Table table = Table::Solve({5000, 500});
    return table;
}

TEST(Table, EveryValueIsAFixedPointOfOneMoreStepOnASampleOfStates) {
    const Table& table = Solved();
    const std::vector<int> scores = table.BankedScores();
    double worst = 0;
    int checked = 0;
    for (int i = 0; i < int(scores.size()); ++i)
        for (int j = 0; j < int(scores.size()); ++j) {
            // Every 7th state in a pattern that meets every row and column,
            // and the corners, where the scores are nearest the target.
            const bool edge = (i == 0 || i + 1 == int(scores.size())) && (j == 0 || j + 1 == int(scores.size()));
            if ((i + 3 * j) % 7 && !edge) continue;
            const double residual = std::abs(table.Step(scores[i], scores[j]) - table.Win(scores[i], scores[j]));
            worst = std::max(worst, residual);
            ++checked;
        }
    EXPECT_LE(worst, 1e-9);
    EXPECT_GT(checked, 1000);
    for (double w : table.Values()) ASSERT_TRUE(w > 0 && w < 1);
}

Situation At(int mine, int theirs, int turnTotal, std::vector<int> freeDice, int inTray, int takenFromRoll = 0) {
    Situation s;
    s.mine = mine;
    s.theirs = theirs;
    s.turnTotal = turnTotal;
    s.freeDice = std::move(freeDice);
    s.inTray = inTray;
    s.takenFromRoll = takenFromRoll;
    return s;
}

Situation LastTurn(int mine, int toBeat, int turnTotal, std::vector<int> freeDice, int inTray) {
    Situation s = At(mine, toBeat, turnTotal, std::move(freeDice), inTray);
    s.theyWentOut = true;
    return s;
}

// Hand-worked ends of games, with F = Q(50) the chance to score again from
// six dice (checked by hand in the rolls test).
TEST(BestPlay, LastTurnEndsStrictlyAboveAndHotDiceRollAgain) {
    const Table& table = Solved();
    const double F = ReachChance(50);

    // 4800 + 150 before the roll, the other out with 5000. Taking the 5 makes
    // 5000, a tie, which the one who went out wins: the last die must be
    // rolled (a 1 or 5, then all six again).
    Advice a = BestPlay(table, LastTurn(4800, 5000, 150, {5, 3}, 4));
    ASSERT_TRUE(a.Valid()) << a.invalid;
    EXPECT_EQ(a.move, Move::Take);
    EXPECT_EQ(a.take, std::vector<int>{5});
    EXPECT_EQ(a.then, Move::Roll);
    EXPECT_NEAR(a.winChance, F / 3, 1e-12);

    // 1 and 5 both score, so both must be taken: 5050 is enough, but all six
    // are set aside and must be rolled once more before banking.
    a = BestPlay(table, LastTurn(4800, 5000, 100, {1, 5}, 4));
    EXPECT_EQ(a.move, Move::Take);
    EXPECT_EQ(a.take, (std::vector<int>{1, 5}));
    EXPECT_EQ(a.then, Move::Roll);
    EXPECT_NEAR(a.winChance, F, 1e-12);

    // Enough in hand and a die that does not score left: take and bank.
    a = BestPlay(table, LastTurn(4800, 5000, 150, {1, 3}, 4));
    EXPECT_EQ(a.then, Move::Pass);
    EXPECT_NEAR(a.winChance, 1.0, 1e-15);

    a = BestPlay(table, LastTurn(4800, 5000, 150, {3}, 5));
    EXPECT_EQ(a.move, Move::Pass);
    EXPECT_EQ(a.winChance, 0.0);
}

TEST(BestPlay, AZarvelHandsTheSameScoresToTheOther) {
    const Table& table = Solved();
    const Advice a = BestPlay(table, At(1000, 2000, 600, {2, 3, 4}, 3));
    EXPECT_EQ(a.move, Move::Pass);
    EXPECT_NEAR(a.winChance, 1 - table.Win(2000, 1000), 1e-15);

    const Advice start = BestPlay(table, At(1000, 2000, 0, {}, 0));
    EXPECT_EQ(start.move, Move::Roll);
    EXPECT_NEAR(start.winChance, table.Win(1000, 2000), 1e-12);
}

// 4500 against 4950 with 450 in hand: banking 4950 right after the roll,
// taking nothing, leaves the other to play from 4950 all; taking the 5 would
// go out at 5000, where the other needs only 100.
TEST(BestPlay, PassingRightAfterARollWithoutTakingAnything) {
    const Table& table = Solved();
    Advice a = BestPlay(table, At(4500, 4950, 450, {5, 3}, 4));
    EXPECT_EQ(a.move, Move::Pass);
    EXPECT_TRUE(a.take.empty());
    EXPECT_NEAR(a.winChance, 1 - table.Win(4950, 4950), 1e-15);

    // After all six were rolled again the tray is empty, and so is that choice.
    a = BestPlay(table, At(4500, 4950, 450, {5, 3, 3, 4, 4, 6}, 0));
    EXPECT_EQ(a.move, Move::Take);
    EXPECT_EQ(a.take, std::vector<int>{5});
}

TEST(BestPlay, NothingIsBankedBelowTheBreakIn) {
    const Table& table = Solved();
    // 450 in hand and nothing banked: no passing right after the roll.
    Advice a = BestPlay(table, At(0, 0, 450, {5, 2}, 4));
    EXPECT_EQ(a.move, Move::Take);
    EXPECT_EQ(a.take, std::vector<int>{5});
    EXPECT_EQ(a.then, Move::Pass);
    // With two dice that score nothing left, a player who had broken in would
    // bank 450; this one must roll them.
    a = BestPlay(table, At(0, 0, 450, {2, 3}, 4, 1));
    EXPECT_EQ(a.move, Move::Roll);
    a = BestPlay(table, At(500, 0, 450, {2, 3}, 4, 1));
    EXPECT_EQ(a.move, Move::Pass);
}

// At 4950 each, a first roll with one 5: banking it goes out at 5000 and
// leaves the other about 97 % to end above; rolling on weighs that.
TEST(BestPlay, RollsOnPastTheTargetForAMargin) {
    const Table& table = Solved();
    const Advice a = BestPlay(table, At(4950, 4950, 0, {5, 2, 3, 4, 6, 6}, 0));
    EXPECT_EQ(a.move, Move::Take);
    EXPECT_EQ(a.then, Move::Roll);
    EXPECT_GT(a.winChance, 1 - ReachChance(100) + 0.1);
}

// Every roll of k dice, once per count of faces, with its chance.
template <typename Visit>
void EveryRollOnce(int k, Visit visit) {
    std::vector<int> faces;
    auto rec = [&](auto&& self, int face, int left, double ways) -> void {
        if (face == 6) {
            faces.insert(faces.end(), left, 6);
            double n = ways;
            for (int i = 2; i <= left; ++i) n /= i;
            visit(faces, n / std::pow(6.0, k));
            faces.resize(faces.size() - left);
            return;
        }
        double w = ways;
        for (int n = 0; n <= left; ++n) {
            if (n > 0) w /= n;
            faces.insert(faces.end(), n, face);
            self(self, face + 1, left - n, w);
            faces.resize(faces.size() - n);
        }
    };
    double kFactorial = 1;
    for (int i = 2; i <= k; ++i) kFactorial *= i;
    rec(rec, 1, k, kFactorial);
}

// The turn's backward pass and the advice after a roll are two readings of
// the same rules (which takes, when banking at once is open, the roll of six
// that follows when all are set aside): the value of rolling must be the
// average, over every roll, of the best chance right after it.
TEST(BestPlay, RollingIsWorthTheAverageOfTheBestPlayAfterEveryRoll) {
    const Table& table = Solved();
    const int states[][2] = {{4500, 4950}, {0, 4950}, {1000, 2000}, {0, 0}};
    for (const auto& [mine, theirs] : states) {
        TurnValues turn;
        turn.Solve(table.Terms(mine, theirs));
        const int cap = turn.Terms().cap;
        for (int t = 1; t < cap; t += 3)
            for (int k = 1; k <= kDice; ++k) {
                double average = 0;
                EveryRollOnce(k, [&](const std::vector<int>& faces, double chance) {
                    average += chance * Decide(turn, t, faces, true, kDice - k).winChance;
                });
                const double rolling = k == kDice ? turn.After(t, 0) : turn.Roll(t, k);
                ASSERT_NEAR(rolling, average, 1e-12) << mine << "/" << theirs << " at " << t * kStep << " rolling " << k;
            }
    }
}

TEST(BestPlay, APlanForATurnAdvisesAsAskingAfreshDoes) {
    const Table& table = Solved();
    const TurnPlan plan(table, At(4500, 4950, 0, {}, 0));
    const Situation asked[] = {
        At(4500, 4950, 450, {5, 3}, 4),         At(4500, 4950, 0, {1, 1, 5, 2, 3, 4}, 0),
        At(4500, 4950, 300, {2, 3, 6}, 3, 1),   At(4500, 4950, 20000, {1, 2}, 4),  // past what the plan solved
        At(1000, 2000, 600, {1, 2, 3}, 3),      LastTurn(4800, 5000, 150, {5, 3}, 4),  // other turns
        At(4500, 4950, 450, {5, 9}, 4),
    };
    for (const Situation& s : asked) {
        const Advice planned = plan.Advise(s), fresh = BestPlay(table, s);
        EXPECT_EQ(planned.move, fresh.move);
        EXPECT_EQ(planned.take, fresh.take);
        EXPECT_EQ(planned.then, fresh.then);
        EXPECT_EQ(planned.winChance, fresh.winChance);
        EXPECT_EQ(planned.invalid, fresh.invalid);
    }
}

TEST(BestPlay, SituationsThatCannotArise) {
    const Table& table = Solved();
    EXPECT_FALSE(BestPlay(table, At(1000, 0, 100, {7, 3}, 4)).Valid());
    EXPECT_FALSE(BestPlay(table, At(250, 0, 100, {1, 3}, 4)).Valid());   // banked below the break-in
    EXPECT_FALSE(BestPlay(table, At(1000, 0, 100, {1, 3}, 3)).Valid());  // five dice
    EXPECT_FALSE(BestPlay(table, At(1000, 0, 120, {1, 3}, 4)).Valid());
    EXPECT_FALSE(BestPlay(table, At(1000, 5000, 100, {1, 3}, 4)).Valid());
    EXPECT_FALSE(BestPlay(table, At(1000, 0, 100, {1, 3}, 4, 5)).Valid());
    EXPECT_FALSE(BestPlay(table, LastTurn(1000, 4000, 100, {1, 3}, 4)).Valid());
    EXPECT_FALSE(BestPlay(table, LastTurn(1000, 2000000000, 100, {1, 3}, 4)).Valid());
    EXPECT_FALSE(BestPlay(table, At(1000, 0, 2000000000, {1, 3}, 4)).Valid());
    Situation other = At(1000, 0, 100, {1, 3}, 4);
    other.target = 10000;
    EXPECT_FALSE(BestPlay(table, other).Valid());
    EXPECT_TRUE(BestPlay(table, At(1000, 0, 100, {1, 3}, 4)).Valid());
}

// The table's chance for the first seat, counted: 20,000 games of the best
// play against itself land within the 95 % interval.
TEST(SelfPlay, FirstSeatWinsAsOftenAsTheTableSays) {
    const Table& table = Solved();
    const SelfPlay play = SimulateSelfPlay(table, 20000, 11);
    EXPECT_EQ(play.games, 20000);
    EXPECT_NEAR(play.Share(), table.Win(0, 0), play.HalfWidth95());
}

}  // namespace
}  // namespace zarvel::solver
