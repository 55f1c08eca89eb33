#include "Simulator.h"

#include <cmath>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "Policy.h"
#include "Random.h"

namespace zarvel::solver {

namespace {

struct Game {
    Xoshiro256pp dice;
    int toMove = 0;  // seat 0 starts
};

int RollDie(Xoshiro256pp& dice) { return 1 + int(FractionFromBits(dice()) * 6); }

// One turn played by the advice of `turn`: the total banked, or -1 after a Zarvel.
int PlayTurn(const TurnValues& turn, Xoshiro256pp& dice) {
    int t = 0, inTray = 0;
    std::vector<int> roll;
    for (;;) {
        roll.clear();
        for (int i = inTray; i < kDice; ++i) roll.push_back(RollDie(dice));
        const Advice advice = Decide(turn, t, roll, true, inTray);
        if (advice.move == Move::Pass) return ScoreRoll(CountFaces(roll)).IsZarvel() ? -1 : t * kStep;
        t += advice.takePoints / kStep;
        inTray += int(advice.take.size());
        if (inTray == kDice)
            inTray = 0;  // all six set aside: roll them all again
        else if (advice.then == Move::Pass)
            return t * kStep;
    }
}

}  // namespace

double SelfPlay::HalfWidth95() const {
    if (!games) return 0;
    const double p = Share();
    return 1.96 * std::sqrt(p * (1 - p) / games);
}

// The games are played together, state by state: every game whose turn
// starts at the same two scores plays it from one solved turn. Scores only
// grow, so going through the sums of scores from low to high meets every
// turn after the turns that led to it; a Zarvel keeps the sum and hands the
// same pair of scores to the other seat, so each pair is played until
// neither side has a game waiting.
SelfPlay SimulateSelfPlay(const Table& table, long games, std::uint64_t seed) {
    const Rules& rules = table.rules();
    const std::vector<int> scores = table.BankedScores();
    std::vector<int> slotOf(rules.target / kStep, 0);
    for (int i = 0; i < int(scores.size()); ++i) slotOf[scores[i] / kStep] = i;
    const int slots = int(scores.size());
    auto at = [&](int mine, int theirs) { return slotOf[mine / kStep] * slots + slotOf[theirs / kStep]; };

    std::vector<Game> all(games);
    std::vector<std::vector<int>> waiting(std::size_t(slots) * slots);
    for (long g = 0; g < games; ++g) {
        std::uint64_t s = seed ^ (std::uint64_t(g) * 0x9E3779B97F4A7C15ull);
        all[g].dice.Seed(SplitMix64(s));
        waiting[at(0, 0)].push_back(int(g));
    }

    SelfPlay result;
    result.games = games;
    // Last turns, by the points needed and whether the player has broken in.
    std::map<std::pair<int, bool>, std::unique_ptr<TurnValues>> lastTurns;
    auto lastTurn = [&](int mine, int toBeat) -> const TurnValues& {
        auto& slot = lastTurns[{toBeat - mine, mine >= rules.breakIn}];
        if (!slot) {
            slot = std::make_unique<TurnValues>();
            slot->Solve(LastTurnTerms(rules, mine, toBeat));
        }
        return *slot;
    };

    TurnValues turns[2];
    for (int sum = 0; sum <= 2 * (rules.target - kStep); sum += kStep) {
        for (int mine : scores) {
            const int theirs = sum - mine;
            if (theirs < mine) break;
            if (!table.IsBanked(theirs)) continue;
            const int sides[2][2] = {{mine, theirs}, {theirs, mine}};
            bool solved[2] = {false, false};
            for (bool busy = true; busy;) {
                busy = false;
                for (int side = 0; side < (mine == theirs ? 1 : 2); ++side) {
                    const int me = sides[side][0], other = sides[side][1];
                    std::vector<int> playing;
                    playing.swap(waiting[at(me, other)]);
                    if (playing.empty()) continue;
                    busy = true;
                    if (!solved[side]) {
                        turns[side].Solve(table.Terms(me, other));
                        solved[side] = true;
                    }
                    for (int g : playing) {
                        Game& game = all[g];
                        const int banked = PlayTurn(turns[side], game.dice);
                        const int total = me + std::max(banked, 0);
                        game.toMove ^= 1;
                        if (total < rules.target) {
                            waiting[at(other, total)].push_back(g);
                            continue;
                        }
                        // Gone out: the other seat's last turn decides.
                        const int last = PlayTurn(lastTurn(other, total), game.dice);
                        const bool otherWins = last >= 0 && other + last > total;
                        const int winner = otherWins ? game.toMove : game.toMove ^ 1;
                        if (winner == 0) ++result.firstSeatWins;
                    }
                }
            }
        }
    }
    return result;
}

}  // namespace zarvel::solver
