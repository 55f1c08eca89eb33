#include "Expert.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zarvel {

namespace {

BotStep StepOf(BotStep::Kind kind) {
    BotStep step;
    step.kind = kind;
    return step;
}

bool SameTurn(const solver::Situation& a, const solver::Situation& b) {
    return a.target == b.target && a.breakIn == b.breakIn && a.mine == b.mine && a.theirs == b.theirs &&
           a.theyWentOut == b.theyWentOut;
}

}  // namespace

solver::Rules RulesOf(const GameState& g) { return {g.PlayToScore, g.BreakInScore}; }

solver::Situation SituationOf(const GameState& g) {
    solver::Situation s;
    s.target = g.PlayToScore;
    s.breakIn = g.BreakInScore;
    const int seat = g.CurrentPlayer;
    if (seat < 0 || seat >= kSeats) return s;
    const int seats = std::clamp(g.NumPlayers, 1, kSeats);
    std::vector<int> scores(g.PlayerScore.begin(), g.PlayerScore.begin() + seats);
    const solver::Opponent other = solver::OpponentFor(scores, seat, g.WentOut == kNone ? -1 : g.WentOut);
    s.mine = g.PlayerScore[std::size_t(seat)];
    s.theirs = other.score;
    s.theyWentOut = other.wentOut;
    s.turnTotal = g.TurnScore;
    for (int i = 0; i < kSlots; ++i)
        if (g.DieFree[std::size_t(i)]) s.freeDice.push_back(g.Dice[std::size_t(i)]);
    for (bool used : g.TraySlotUsed) s.inTray += used ? 1 : 0;
    s.takenFromRoll = std::max(s.inTray - g.HeldCount, 0);
    return s;
}

SlotList SlotsToTake(const GameState& g, const std::vector<int>& faces) {
    std::array<int, 7> need{};
    for (int f : faces) {
        if (f < 1 || f > 6) return {};
        ++need[std::size_t(f)];
    }
    std::array<bool, kSlots> gone{};
    SlotList clicks;
    for (int i = 0; i < kSlots; ++i) {
        if (gone[std::size_t(i)] || !g.DieFree[std::size_t(i)] || !g.DieCode[std::size_t(i)].Scores()) continue;
        // A click takes the die's whole group: take it only if every die of
        // the group is wanted.
        const SlotList group = SelectionSlots(g, i);
        std::array<int, 7> left = need;
        bool fits = true;
        for (int s : group) fits = fits && --left[std::size_t(g.Dice[std::size_t(s)])] >= 0;
        if (!fits) continue;
        need = left;
        for (int s : group) gone[std::size_t(s)] = true;
        clicks.push_back(i);
    }
    for (int n : need)
        if (n != 0) return {};
    return clicks;
}

solver::Advice TurnAdvisor::Advise(const GameState& g, std::shared_ptr<const solver::Table> table) {
    solver::Situation now = SituationOf(g);
    solver::Situation start = now;
    start.turnTotal = 0;
    start.freeDice.clear();
    start.inTray = start.takenFromRoll = 0;
    if (!plan_ || table != table_ || !SameTurn(start, start_)) {
        table_ = std::move(table);
        start_ = start;
        plan_.emplace(*table_, start_);
        ++turnsSolved_;
    }
    return plan_->Advise(now);
}

std::optional<BotStep> Bot_Expert(const GameState& g, const std::function<solver::Advice()>& advise) {
    const Actions a = g.AllowedActions;
    const bool roll = a.Has(Action::Roll), select = a.Has(Action::Select), pass = a.Has(Action::Pass);
    if (a.None()) return StepOf(BotStep::Kind::Nothing);
    if (!select && roll != pass) return StepOf(roll ? BotStep::Kind::Roll : BotStep::Kind::Pass);

    const solver::Advice advice = advise();
    if (!advice.Valid()) return std::nullopt;
    switch (advice.move) {
        case solver::Move::Take: {
            if (!select) return std::nullopt;
            BotStep step = StepOf(BotStep::Kind::Click);
            step.picks = SlotsToTake(g, advice.take);
            if (step.picks.empty()) return std::nullopt;
            return step;
        }
        case solver::Move::Roll:
            if (!roll) return std::nullopt;
            return StepOf(BotStep::Kind::Roll);
        case solver::Move::Pass:
            if (!pass) return std::nullopt;
            return StepOf(BotStep::Kind::Pass);
    }
    return std::nullopt;
}

}  // namespace zarvel
