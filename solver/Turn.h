// One turn solved exactly, as a backward pass over the turn total.
//
// Within a turn the player's position is the turn total t and the number of
// dice k still to roll. Every take adds at least 50 points, so each value
// depends only on values at higher totals, and one pass from the highest
// total down to 0 settles them all. What lies outside the turn comes in as
// numbers: the chance to win after banking each total, and after a Zarvel.
//
//   roll(t, k)  = zarvel(k) Z + sum over scoring rolls r of chance(r) times
//                 the best of: every allowed take (p points, d dice), worth
//                 after(t + p, k - d); and, when the roll has a die that
//                 scores nothing, k < 6 (dice lie in the tray) and banking is
//                 allowed, passing at once, worth bank(t)
//   after(t, k) = the best of roll(t, k) and, when allowed, bank(t)   (k = 1..5)
//   after(t, 0) = roll(t, 6): all six set aside, the player must roll them all
//
// The turn starts as after(0, 0): six dice to roll, nothing in the tray.
#pragma once

#include <vector>

#include "Rolls.h"

namespace zarvel::solver {

// The most a single take can add: six 1s, 8000 points.
constexpr int kMaxTakeSteps = 8000 / kStep;

struct TurnTerms {
    // bank[t]: the chance to win after banking a turn total of t steps, for
    // t = 0 .. cap + kMaxTakeSteps.
    std::vector<double> bank;
    // The chance to win after a Zarvel.
    double zarvel = 0;
    // The lowest total that may be banked (the break-in; 0 once broken in).
    int bankFrom = 0;
    // From this total on the player banks whenever allowed (the caller picks
    // it where that is provably best, see Solver.cpp); must be >= bankFrom.
    int cap = 0;
    // forced[t], t = cap .. cap + kMaxTakeSteps: the chance to win when a
    // roll of six is due at total t (all six were set aside), banking at the
    // first chance after it.
    std::vector<double> forced;
};

class TurnValues {
public:
    // Solves the turn; values are kept for the totals 0 .. cap + kMaxTakeSteps.
    void Solve(const TurnTerms& terms);

    bool Solved() const { return !after_.empty(); }
    // The chance to win at the start of the turn.
    double Start() const { return after_[0]; }
    // The chance to win with total t and k dice to roll next (0: all six were
    // set aside and six must be rolled), playing on as well as possible.
    double After(int t, int k) const { return after_[Index(t, k)]; }
    // The chance to win when rolling k dice now with total t.
    double Roll(int t, int k) const;
    // The chance to win when banking total t now (whether allowed or not).
    double Bank(int t) const { return terms_.bank[Clamp(t)]; }
    bool MayBank(int t) const { return t >= terms_.bankFrom; }
    // From the cap on, banking whenever allowed is best.
    bool BankingIsBest(int t) const { return t >= terms_.cap; }
    const TurnTerms& Terms() const { return terms_; }

private:
    int Clamp(int t) const;
    int Index(int t, int k) const { return Clamp(t) * (kDice) + k; }
    double RollAt(int t, int k) const;

    TurnTerms terms_;
    std::vector<double> after_;  // six values per total: k = 0 .. 5
};

}  // namespace zarvel::solver
