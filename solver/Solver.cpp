#include "Solver.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <utility>

namespace zarvel::solver {

namespace {

// Q is kept up to 100,000 points, where it is below 1e-40: past that it is 0.
constexpr int kReachTop = 2000;

// Were a Zarvel to cost (next to) nothing, banking past the target would
// never be provably best (see MarginCap); the turn would then be cut where Q
// falls below this, which moves no value by more. It never comes to that in
// the four settings: the other's chance W(o, m) is at least 1.8e-5 there.
constexpr double kNegligible = 1e-15;

// A pair that has not settled after this many rounds (never seen) keeps its
// last values; the test of the table would show it.
constexpr int kMaxRounds = 100;

// What the last turn offers, from the dice alone:
//   reach[r] = Q(r steps);
//   a due roll of six at a margin of M steps past the other's score, by a
//   player who banks at the first chance, is worth A(M) + B Z, where
//     A(M) = sum over rolls that leave a die: chance x (1 - Q(M + p + 1)),
//            p the most points (in steps) such a roll offers,
//          + sum over rolls where all six score: chance x A(M + p),
//     B    = zarvel(6) / (1 - allScore(6)).
struct LastTurn {
    std::vector<double> reach, dueA;
    double dueB = 0;
    double dueAtInfinity = 0;  // A where Q is 0: notAll(6) / (1 - allScore(6))
};

LastTurn BuildLastTurn() {
    LastTurn last;
    const RollsOf& six = Rolls(kDice);
    last.dueB = six.zarvel / (1.0 - six.allScore);
    last.dueAtInfinity = (1.0 - six.zarvel - six.allScore) / (1.0 - six.allScore);

    // One turn that must reach kReachTop steps: its value at total t is the
    // chance to score kReachTop - t more, so one pass gives every Q(r).
    TurnTerms terms;
    terms.cap = kReachTop;
    terms.bank.assign(kReachTop + kMaxTakeSteps + 1, 0.0);
    for (int t = kReachTop; t < int(terms.bank.size()); ++t) terms.bank[t] = 1.0;
    terms.forced.assign(kMaxTakeSteps + 1, last.dueAtInfinity);
    TurnValues turn;
    turn.Solve(terms);
    last.reach.assign(kReachTop + 1, 1.0);
    for (int r = 1; r <= kReachTop; ++r) last.reach[r] = turn.After(kReachTop - r, 0);

    auto q = [&](int r) { return r > kReachTop ? 0.0 : last.reach[std::max(r, 0)]; };
    last.dueA.assign(kReachTop + 1, 0.0);
    for (int m = kReachTop; m >= 0; --m) {
        double a = 0;
        for (const RollClass& c : six.classes) {
            const int p = c.takes.front().points;  // most points first
            if (c.hasNonScoring)
                a += c.chance * (1.0 - q(m + p + 1));
            else
                a += c.chance * (m + p > kReachTop ? last.dueAtInfinity : last.dueA[m + p]);
        }
        last.dueA[m] = a;
    }
    return last;
}

const LastTurn& Last() {
    static const LastTurn last = BuildLastTurn();
    return last;
}

double ReachSteps(int r) {
    if (r <= 0) return 1.0;
    return r > kReachTop ? 0.0 : Last().reach[r];
}

double DueAt(int margin, double zarvel) {
    const LastTurn& last = Last();
    const double a = margin > kReachTop ? last.dueAtInfinity : last.dueA[std::max(margin, 0)];
    return a + last.dueB * zarvel;
}

// How far past the target a turn must be solved: the margin (steps above the
// other's score, having gone out) from which banking whenever allowed is
// provably best. Rolling k dice risks a Zarvel with chance z(k) >= z(6), and
// nothing beats a win, so rolling on is worth at most
//   (1 - z(k)) 1 + z(k) Z  <=  1 - z(6) (1 - Z),
// while banking at margin M is worth 1 - Q(M + 1). Once Q(M + 1) <= z(6)(1 - Z)
// banking is at least as good, and stays so as M grows, since Q only falls.
// (1 - Z is the other's chance W(o, m) to win from the same scores.) From
// there on the turn is known in closed form: bank at the first chance, and a
// due roll of six is worth A(M) + B Z. So the cut loses nothing: the values
// below it are exact. The cut lies from 2900 points past the other's score
// (half the states within 3400 at 5000 points, 4800 at 10000) to 12600,
// where the other is all but beaten and a Zarvel costs little.
int MarginCap(double zarvel) {
    const double bound = std::max(Rolls(kDice).zarvel * (1.0 - zarvel), kNegligible);
    int m = 1;
    while (ReachSteps(m + 1) > bound) ++m;
    return m;
}

}  // namespace

double ReachChance(int points) { return ReachSteps((points + kStep - 1) / kStep); }

TurnTerms LastTurnTerms(const Rules& rules, int mine, int toBeat, int reach) {
    // Ending strictly above toBeat needs `need` more steps; from there on
    // the player banks and wins (a due roll of six is still rolled first).
    const int need = std::max(toBeat / kStep + 1 - mine / kStep, 1);
    TurnTerms terms;
    terms.bankFrom = mine >= rules.breakIn ? 0 : (rules.breakIn + kStep - 1) / kStep;
    terms.cap = std::max({need, terms.bankFrom, reach / kStep + 1});
    terms.bank.assign(terms.cap + kMaxTakeSteps + 1, 0.0);
    for (int t = need; t < int(terms.bank.size()); ++t) terms.bank[t] = 1.0;
    terms.forced.assign(kMaxTakeSteps + 1, Last().dueAtInfinity);
    terms.zarvel = 0;
    return terms;
}

bool RulesFit(const Rules& rules) {
    return rules.breakIn > 0 && rules.breakIn % kStep == 0 && rules.target % kStep == 0 &&
           rules.target >= 2 * rules.breakIn && rules.target <= kLargestTarget;
}

Table::Table(const Rules& rules) : rules_(rules) {
    if (RulesFit(rules)) slots_ = 1 + (rules.target - rules.breakIn) / kStep;
}

bool Table::IsBanked(int points) const {
    return points == 0 || (points >= rules_.breakIn && points < rules_.target && points % kStep == 0);
}

int Table::Slot(int points) const { return points == 0 ? 0 : 1 + (points - rules_.breakIn) / kStep; }

std::vector<int> Table::BankedScores() const {
    std::vector<int> scores{0};
    for (int p = rules_.breakIn; p < rules_.target; p += kStep) scores.push_back(p);
    return scores;
}

TurnTerms Table::SpecWith(int mine, int theirs, double zarvel, int reach) const {
    const int n = rules_.target / kStep, m = mine / kStep, o = theirs / kStep;
    TurnTerms terms;
    terms.zarvel = zarvel;
    terms.bankFrom = mine >= rules_.breakIn ? 0 : rules_.breakIn / kStep;
    terms.cap = std::max({n - m, o - m + MarginCap(zarvel), terms.bankFrom, reach / kStep + 1});
    terms.bank.assign(terms.cap + kMaxTakeSteps + 1, 0.0);
    // Nothing is banked before the first take, so totals from one step on.
    for (int t = std::max(terms.bankFrom, 1); t < int(terms.bank.size()); ++t) {
        const int total = m + t;
        terms.bank[t] = total < n ? 1.0 - Win(theirs, total * kStep) : 1.0 - ReachSteps(total - o + 1);
    }
    terms.forced.resize(kMaxTakeSteps + 1);
    for (int j = 0; j <= kMaxTakeSteps; ++j) terms.forced[j] = DueAt(m + terms.cap + j - o, zarvel);
    return terms;
}

TurnTerms Table::Terms(int mine, int theirs, int reach) const {
    return SpecWith(mine, theirs, 1.0 - Win(theirs, mine), reach);
}

double Table::Step(int mine, int theirs) const {
    TurnValues turn;
    turn.Solve(Terms(mine, theirs));
    return turn.Start();
}

Table Table::FromValues(const Rules& rules, std::vector<double> values) {
    Table table(rules);
    const bool fits = RulesFit(rules) && values.size() == std::size_t(table.slots_) * table.slots_ &&
                      std::all_of(values.begin(), values.end(), [](double v) { return v >= 0 && v <= 1; });
    if (fits) table.w_ = std::move(values);
    return table;
}

void Table::SolvePair(int mine, int theirs, TurnValues& turn) {
    auto value = [&](int me, int other, double zarvel) {
        turn.Solve(SpecWith(me, other, zarvel));
        return turn.Start();
    };
    // x = W(mine, theirs), y = W(theirs, mine); one iteration is
    // y = F_theirs(Z = 1 - x), then x = F_mine(Z = 1 - y).
    double y = Win(theirs, mine);
    auto iterate = [&](double x) {
        if (mine == theirs) return y = value(mine, theirs, 1.0 - x);
        y = value(theirs, mine, 1.0 - x);
        return value(mine, theirs, 1.0 - y);
    };
    double x = Win(mine, theirs);
    for (int round = 0;; ++round) {
        const double x1 = iterate(x);
        if (std::abs(x1 - x) < kTolerance) {
            x = x1;
            break;
        }
        const double x2 = iterate(x1);
        if (std::abs(x2 - x1) < kTolerance || round == kMaxRounds) {
            x = x2;
            break;
        }
        // Aitken: while the best play stays the same the iteration is
        // linear, and its limit is where two steps point.
        const double bend = x2 - 2 * x1 + x;
        const double guess = bend != 0 ? x - (x1 - x) * (x1 - x) / bend : x2;
        x = (guess >= 0 && guess <= 1) ? guess : x2;
    }
    // y came with the last iteration, so the pair agrees to within its change.
    w_[Index(mine, theirs)] = x;
    w_[Index(theirs, mine)] = y;
}

Table Table::Solve(const Rules& rules, const std::function<void(double)>& progress, int threads) {
    Table table(rules);
    if (!RulesFit(rules)) return table;
    const std::vector<int> scores = table.BankedScores();
    table.w_.assign(std::size_t(table.slots_) * table.slots_, 0.5);
    const double states = double(table.w_.size());
    double done = 0;
    threads = std::max(threads, 1);

    // Highest sum of scores first: every bank leads to a higher sum, so the
    // pairs of one sum depend only on sums already solved, not on each other.
    for (int sum = 2 * (rules.target - kStep); sum >= 0; sum -= kStep) {
        std::vector<std::pair<int, int>> pairs;
        for (int mine : scores) {
            const int theirs = sum - mine;
            if (theirs < mine) break;
            if (table.IsBanked(theirs)) pairs.emplace_back(mine, theirs);
        }
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            TurnValues turn;
            for (std::size_t i; (i = next++) < pairs.size();) table.SolvePair(pairs[i].first, pairs[i].second, turn);
        };
        std::vector<std::thread> helpers;
        for (int i = 1; i < threads && i < int(pairs.size()); ++i) helpers.emplace_back(work);
        work();
        for (auto& h : helpers) h.join();
        for (const auto& [mine, theirs] : pairs) done += mine == theirs ? 1 : 2;

        // The next sum starts from this one's values: W(m, o - 50) is close to W(m, o).
        for (int mine : scores) {
            const int theirs = sum - kStep - mine;
            if (theirs < 0) break;
            if (table.IsBanked(theirs) && table.IsBanked(theirs + kStep))
                table.w_[table.Index(mine, theirs)] = table.Win(mine, theirs + kStep);
        }
        if (progress) progress(done / states);
    }
    return table;
}

}  // namespace zarvel::solver
