// The two-player game solved exactly.
//
// A turn starts from the two banked scores alone: W(m, o) is the chance that
// the player about to roll, with m banked against the other's o, wins the
// game when both play their best. Nothing else carries over between turns.
//
//   W(m, o) = the value of a turn (Turn.h) in which
//     banking t, while m + t < target, is worth   1 - W(o, m + t),
//     banking t that reaches the target is worth  1 - Q(m + t - o + 50):
//       the player has gone out and the other gets one turn to end strictly
//       above (a tie goes to the player who went out);
//     a Zarvel is worth                           1 - W(o, m).
//   Q(r) is the chance of scoring at least r points in one turn when playing
//   only to reach r: the last turn. It depends on the dice alone.
//
// Scores never fall, so only the Zarvel ties W(m, o) to a value at the same
// sum of scores, namely W(o, m). The table is filled by value iteration from
// the highest sum of scores down; at each sum the pair W(m, o), W(o, m) is
// iterated until the largest change is below 1e-10 (with Aitken's
// extrapolation: each iteration is two turns solved, and the pair converges
// geometrically at the rate of two Zarvels in a row).
//
// Banked scores below the break-in other than 0 never occur (the first bank
// needs the break-in), so the table holds 0 and break-in .. target - 50.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Turn.h"

namespace zarvel::solver {

struct Rules {
    int target = 5000;   // points that end the game: 5000 or 10000
    int breakIn = 500;   // points of the first bank: 500 or 1000
    bool operator==(const Rules&) const = default;
};

// The settings of the new game dialog.
constexpr Rules kSettings[] = {{5000, 500}, {5000, 1000}, {10000, 500}, {10000, 1000}};

// Rules the solver takes: target and break-in multiples of 50, the target
// at least twice the break-in (so the last turn never waits on the break-in)
// and at most kLargestTarget. Tables for other rules are empty.
constexpr int kLargestTarget = 20000;
bool RulesFit(const Rules& rules);

// The largest change at which the iteration of a pair stops.
constexpr double kTolerance = 1e-10;

// Q(r): the chance of scoring at least `points` (> 0) in one turn.
double ReachChance(int points);

// The turn of a player who must end strictly above `toBeat` with `mine`
// banked (the other has gone out, or, with more seats, the best score to beat).
// `reach` is a turn total (points) up to which the turn is solved in full.
TurnTerms LastTurnTerms(const Rules& rules, int mine, int toBeat, int reach = 0);

class Table {
public:
    // Solves the game (empty for rules that do not fit) on `threads` threads; `progress`, if given, hears the
    // fraction done now and then (on the calling thread).
    static Table Solve(const Rules& rules, const std::function<void(double)>& progress = {}, int threads = 1);
    // A table from values solved before (as Values() returned them); empty
    // when they do not fit the rules.
    static Table FromValues(const Rules& rules, std::vector<double> values);

    const Rules& rules() const { return rules_; }
    bool Empty() const { return w_.empty(); }

    // A banked score the table knows: 0 or break-in .. target - 50, in steps of 50.
    bool IsBanked(int points) const;
    // W(mine, theirs); both must be IsBanked.
    double Win(int mine, int theirs) const { return w_[Index(mine, theirs)]; }
    // The turn at these banked scores, as the table values it; solved in full
    // at least up to the turn total `reach` (points).
    TurnTerms Terms(int mine, int theirs, int reach = 0) const;
    // One step of value iteration at this state: the turn solved afresh.
    double Step(int mine, int theirs) const;

    // Every banked score the table knows, lowest first.
    std::vector<int> BankedScores() const;
    const std::vector<double>& Values() const { return w_; }

private:
    explicit Table(const Rules& rules);
    int Slot(int points) const;  // index of a banked score
    std::size_t Index(int mine, int theirs) const { return std::size_t(Slot(mine)) * slots_ + Slot(theirs); }
    TurnTerms SpecWith(int mine, int theirs, double zarvel, int reach = 0) const;
    void SolvePair(int mine, int theirs, TurnValues& turn);

    Rules rules_;
    int slots_ = 0;
    std::vector<double> w_;
};

}  // namespace zarvel::solver
