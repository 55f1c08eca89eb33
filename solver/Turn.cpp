#include "Turn.h"

#include <algorithm>
#include <array>

namespace zarvel::solver {

namespace {

// The rolls of k dice laid out for the inner loop: for each class its chance,
// whether it allows the pass without taking, and its takes as offsets into
// the value array (a take of p steps leaving k - d dice lands p totals and
// k - d places further on: p * 6 + (k - d)).
struct FlatRolls {
    struct Class {
        double chance;
        bool hasNonScoring;
        int firstTake, takeCount;
    };
    double zarvel = 0, allScore = 0;
    std::vector<Class> classes;
    std::vector<int> offsets;
};

std::array<FlatRolls, kDice + 1> Flatten() {
    std::array<FlatRolls, kDice + 1> flat;
    for (int k = 1; k <= kDice; ++k) {
        const RollsOf& rolls = Rolls(k);
        FlatRolls& f = flat[k];
        f.zarvel = rolls.zarvel;
        f.allScore = rolls.allScore;
        for (const RollClass& rc : rolls.classes) {
            f.classes.push_back({rc.chance, rc.hasNonScoring, int(f.offsets.size()), int(rc.takes.size())});
            // All six set aside (k - d = 0) lands on "six to roll", place 0.
            for (const RollClass::Step& s : rc.takes) f.offsets.push_back(s.points * kDice + (k - s.size));
        }
    }
    return flat;
}

const std::array<FlatRolls, kDice + 1>& Flat() {
    static const auto flat = Flatten();
    return flat;
}

}  // namespace

int TurnValues::Clamp(int t) const {
    const int last = int(after_.size()) / kDice - 1;
    return std::clamp(t, 0, std::max(last, 0));
}

double TurnValues::RollAt(int t, int k) const {
    const FlatRolls& f = Flat()[k];
    const double* base = after_.data() + t * kDice;
    // Passing right after a roll banks the total from before it; only a roll
    // of fewer than six dice leaves dice in the tray, which that needs.
    const double passAfterRoll = (k < kDice && t >= terms_.bankFrom) ? terms_.bank[t] : -1.0;
    double value = f.zarvel * terms_.zarvel;
    for (const FlatRolls::Class& c : f.classes) {
        double best = c.hasNonScoring ? passAfterRoll : -1.0;
        const int* off = f.offsets.data() + c.firstTake;
        for (int i = 0; i < c.takeCount; ++i) best = std::max(best, base[off[i]]);
        value += c.chance * best;
    }
    return value;
}

double TurnValues::Roll(int t, int k) const {
    t = Clamp(t);
    if (k == kDice) return after_[Index(t, 0)];
    if (t < terms_.cap) return RollAt(t, k);
    // Past the cap banking is best and rolling is not solved; this reads
    // the kept values only, as far as they go.
    const FlatRolls& f = Flat()[k];
    double value = f.zarvel * terms_.zarvel;
    for (const FlatRolls::Class& c : f.classes) {
        double best = (c.hasNonScoring && k < kDice) ? terms_.bank[t] : -1.0;
        for (int i = 0; i < c.takeCount; ++i) {
            const int off = f.offsets[c.firstTake + i];
            best = std::max(best, After(t + off / kDice, off % kDice));
        }
        value += c.chance * best;
    }
    return value;
}

void TurnValues::Solve(const TurnTerms& terms) {
    terms_ = terms;
    const int cap = terms.cap;
    const int size = cap + kMaxTakeSteps + 1;
    after_.assign(std::size_t(size) * kDice, 0.0);

    // From the cap on the player banks whenever allowed.
    for (int t = cap; t < size; ++t) {
        after_[Index(t, 0)] = terms_.forced.at(t - cap);
        for (int k = 1; k < kDice; ++k) after_[Index(t, k)] = terms_.bank.at(t);
    }

    for (int t = cap - 1; t >= 0; --t) {
        const bool mayBank = t >= terms_.bankFrom;
        after_[Index(t, 0)] = RollAt(t, kDice);
        for (int k = 1; k < kDice; ++k) {
            const double roll = RollAt(t, k);
            after_[Index(t, k)] = mayBank ? std::max(roll, terms_.bank[t]) : roll;
        }
    }
}

}  // namespace zarvel::solver
