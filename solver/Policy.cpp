#include "Policy.h"

#include <algorithm>

namespace zarvel::solver {

namespace {

std::vector<int> FacesOf(const FaceCounts& counts) {
    std::vector<int> faces;
    for (int f = 1; f <= 6; ++f) faces.insert(faces.end(), counts[f], f);
    return faces;
}

// Past this a score or turn total cannot be reached in any game (Q is below
// 1e-40 at 100,000), and the turn solved up to it would be needlessly large.
constexpr int kLargestScore = 1000000;

// What is wrong with a situation, or nothing.
std::string Problem(const Table& table, const Situation& s) {
    const Rules& rules = table.rules();
    if (s.target != rules.target || s.breakIn != rules.breakIn) return "the table is for other rules";
    if (s.mine % kStep || s.theirs % kStep || s.turnTotal % kStep) return "scores are multiples of 50";
    if (s.turnTotal < 0 || s.turnTotal > kLargestScore || s.theirs > kLargestScore)
        return "a turn total or score out of reach";
    if (s.theyWentOut) {
        if (s.theirs < s.target) return "a player goes out at the target";
        if (s.mine < 0 || s.mine >= s.target) return "the player to beat the one who went out is below the target";
    } else if (!table.IsBanked(s.mine) || !table.IsBanked(s.theirs) || table.Empty()) {
        return "a banked score is 0 or from the break-in up to below the target";
    }
    if (s.inTray < 0 || s.inTray > kDice || s.takenFromRoll < 0 || s.takenFromRoll > s.inTray)
        return "the tray holds 0 to 6 dice, those of this roll among them";
    for (int f : s.freeDice)
        if (f < 1 || f > 6) return "a die shows 1 to 6";
    if (s.freeDice.empty()) {
        const bool start = s.inTray == 0 && s.turnTotal == 0;
        if (!start && s.inTray != kDice) return "free dice are missing";
    } else if (int(s.freeDice.size()) + s.inTray != kDice) {
        return "free dice and tray dice make six";
    }
    return {};
}

}  // namespace

Advice BestPlay(const Table& table, const Situation& s) {
    Advice advice;
    advice.invalid = Problem(table, s);
    if (!advice.invalid.empty()) return advice;

    TurnValues turn;
    turn.Solve(s.theyWentOut ? LastTurnTerms(table.rules(), s.mine, s.theirs, s.turnTotal)
                             : table.Terms(s.mine, s.theirs, s.turnTotal));
    return Decide(turn, s.turnTotal / kStep, s.freeDice, s.takenFromRoll == 0, s.inTray);
}

TurnPlan::TurnPlan(const Table& table, const Situation& turnStart) : table_(&table), start_(turnStart) {
    if (Problem(table, turnStart).empty())
        turn_.Solve(turnStart.theyWentOut ? LastTurnTerms(table.rules(), turnStart.mine, turnStart.theirs)
                                          : table.Terms(turnStart.mine, turnStart.theirs));
}

Advice TurnPlan::Advise(const Situation& s) const {
    const bool sameTurn = s.mine == start_.mine && s.theirs == start_.theirs && s.theyWentOut == start_.theyWentOut &&
                          s.target == start_.target && s.breakIn == start_.breakIn && turn_.Solved() &&
                          !turn_.BankingIsBest(s.turnTotal / kStep);
    if (!sameTurn) return BestPlay(*table_, s);
    Advice advice;
    advice.invalid = Problem(*table_, s);
    if (!advice.invalid.empty()) return advice;
    return Decide(turn_, s.turnTotal / kStep, s.freeDice, s.takenFromRoll == 0, s.inTray);
}

Advice Decide(const TurnValues& turn, int t, const std::vector<int>& freeDice, bool justRolled, int inTray) {
    Advice advice;
    // Nothing rolled yet, or all six set aside: the only move is to roll six.
    if (freeDice.empty()) {
        advice.move = Move::Roll;
        advice.winChance = turn.After(t, 0);
        return advice;
    }

    const int free = int(freeDice.size());
    const RollScore score = ScoreRoll(CountFaces(freeDice));
    if (justRolled && score.IsZarvel()) {
        advice.move = Move::Pass;  // the turn is lost
        advice.winChance = turn.Terms().zarvel;
        return advice;
    }

    advice.winChance = -1;
    auto consider = [&](double value, Move move) {
        if (value <= advice.winChance) return false;
        advice.winChance = value;
        advice.move = move;
        return true;
    };
    // While every free die scores they must all be taken (Takes offers only
    // that); otherwise the player may also stop taking: after a take, roll
    // the rest or bank; right after a roll, bank at once when dice lie in
    // the tray from before it.
    if (!score.AllScore()) {
        if (!justRolled) consider(turn.Roll(t, free), Move::Roll);
        const bool mayPassNow = !justRolled || inTray > 0;
        if (mayPassNow && turn.MayBank(t)) consider(turn.Bank(t), Move::Pass);
    }
    for (const Take& take : Takes(score)) {
        const int total = t + take.points / kStep, left = free - take.size;
        if (!consider(turn.After(total, left), Move::Take)) continue;
        advice.take = FacesOf(take.dice);
        advice.takePoints = take.points;
        const bool bank = left > 0 && turn.MayBank(total) &&
                          (turn.BankingIsBest(total) || turn.Bank(total) >= turn.Roll(total, left));
        advice.then = bank ? Move::Pass : Move::Roll;
    }
    if (advice.move != Move::Take) {
        advice.take.clear();
        advice.takePoints = 0;
    }
    return advice;
}

Opponent OpponentFor(const std::vector<int>& scores, int seat, int wentOut) {
    Opponent opponent;
    const int seats = int(scores.size());
    if (wentOut < 0 || wentOut >= seats) {
        for (int p = 0; p < seats; ++p)
            if (p != seat) opponent.score = std::max(opponent.score, scores[p]);
        return opponent;
    }
    // Those who have finished: the one who went out, then each seat after
    // it up to this one.
    opponent.wentOut = true;
    opponent.score = scores[wentOut];
    for (int p = (wentOut + 1) % seats; p != seat && p != wentOut; p = (p + 1) % seats)
        opponent.score = std::max(opponent.score, scores[p]);
    return opponent;
}

}  // namespace zarvel::solver
