#include "Styles.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace zarvel {

namespace {

// Three 2s: the one combination the thinking styles may break up for a 1 or a 5.
constexpr ScoringCode kThreeTwos = ScoringCode::OfAKind(3, 2);

Score Banked(const GameState& g) {
    const int cp = g.CurrentPlayer;
    return (cp >= 0 && cp < kSeats) ? g.PlayerScore[cp] : 0;
}

BotStep Make(BotStep::Kind kind) {
    BotStep s;
    s.kind = kind;
    return s;
}

BotStep Take(const SlotList& slots, bool mark, std::optional<int> numDiceUp) {
    BotStep s;
    s.kind = slots.empty() ? BotStep::Kind::Nothing : BotStep::Kind::Click;
    s.picks = slots;
    s.mark = mark;
    s.numDiceUp = numDiceUp;
    return s;
}

// The open slots whose code passes the filter, lowest first.
template <class Pred>
SlotList OpenSlots(const GameState& g, const PickMarks& picked, Pred pred) {
    SlotList slots;
    for (int i = 0; i < kSlots; ++i)
        if (!picked[i] && pred(g.DieCode[i])) slots.push_back(i);
    return slots;
}

// Every slot but a die that scores nothing: a slot without a die is
// clicked too, to no effect.
bool NotNothing(ScoringCode code) { return code != ScoringCode::Nothing(); }

BotStep RollOrPass(const GameState& g, const PickMarks& picked, const ThinkingStyle& s) {
    const Score mine = Banked(g);
    if (g.WentOut != kNone) {
        // Last round: only a total strictly above every banked score will do.
        Score high = 0;
        for (int p = 0; p < g.NumPlayers && p < kSeats; ++p) high = std::max(high, g.PlayerScore[p]);
        BotStep step = Make(high >= mine + g.TurnScore ? BotStep::Kind::Roll : BotStep::Kind::Pass);
        step.highScore = high;
        return step;
    }
    const int n = CountDiceUp(g, picked);
    BotStep step;
    step.numDiceUp = n;
    if (mine == 0)
        step.kind = BotStep::Kind::Pass;  // breaking in is always worth it
    else if (n < 1 || n > 5)
        step.kind = BotStep::Kind::DiceCountError;
    else
        step.kind = g.TurnScore >= s.pass[n] ? BotStep::Kind::Pass : BotStep::Kind::Roll;
    return step;
}

BotStep MoreDice(const GameState& g, const PickMarks& picked, const ThinkingStyle& s) {
    const int n = CountDiceUp(g, picked);
    if ((Banked(g) == 0 && g.TurnScore >= kTakeMoreWithoutBank) || n < s.T) return ChooseDice(g, picked, s.T);
    BotStep step = Make(BotStep::Kind::Roll);
    step.numDiceUp = n;
    return step;
}

}  // namespace

const ThinkingStyle kCautious{5, {0, 250, 300, 350, 500, 700}, true};
const ThinkingStyle kNormal{4, {0, 350, 400, 450, 600, 900}, true};
const ThinkingStyle kFearless{3, {0, 400, 450, 500, 1100, 1500}, true};

const char* const kNothingToTakeText = "Msg 519 -- Please contact Quarnaby Software Tech Support.";

std::string DiceCountErrorText(int numDiceUp) {
    return "NumDiceUp = " + std::to_string(numDiceUp) + "\r\nError 529 - Bot Click - Please contact Quarnaby Software.";
}

std::string StyleName(int code) { return code >= 1 && code <= kStyleCount ? kStyleNames[std::size_t(code - 1)] : std::string(); }

int StyleCode(const std::string& name) {
    for (int c = 1; c <= kStyleCount; ++c) {
        const std::string n = kStyleNames[std::size_t(c - 1)];
        if (n.size() == name.size() &&
            std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return c;
    }
    return style::None;
}

int CountDiceUp(const GameState& g, const PickMarks& picked) {
    int n = 0;
    for (int i = 0; i < kSlots; ++i)
        if (g.DieCode[i] != ScoringCode::NoDie() && !picked[i]) ++n;
    return n;
}

BotStep ChooseDice(const GameState& g, const PickMarks& picked, int T) {
    // One look at the open slots, lowest first.
    int n = 0, one = -1, five = -1, twos = -1;
    bool allScore = true, combination = false;
    SlotList scorers, notNothing;
    for (int i = 0; i < kSlots; ++i) {
        if (picked[i]) continue;
        const ScoringCode c = g.DieCode[i];
        if (c != ScoringCode::NoDie()) ++n;
        if (c == ScoringCode::Nothing()) {
            allScore = false;
            continue;
        }
        notNothing.push_back(i);
        if (!c.Scores()) continue;
        scorers.push_back(i);
        if (c.IsGroup() && c != kThreeTwos) combination = true;
        if (c == ScoringCode::Single(1) && one < 0) one = i;
        if (c == ScoringCode::Single(5) && five < 0) five = i;
        if (c == kThreeTwos && twos < 0) twos = i;
    }
    if (allScore || n < T) return Take(scorers, true, n);

    // Many dice still in play: keep a single die, unless a combination other
    // than three 2s is on the table, which is worth keeping whole (every
    // open slot but a loser is clicked then, one without a die to no effect).
    if (combination) return Take(notNothing, true, n);
    for (const int single : {one, five, twos})
        if (single >= 0) return Take({single}, true, n);
    BotStep step = Make(BotStep::Kind::NothingToTake);
    step.numDiceUp = n;
    return step;
}

BotStep Bot_Thinking(const GameState& g, const PickMarks& picked, const ThinkingStyle& s) {
    const Actions a = g.AllowedActions;
    const bool roll = a.Has(Action::Roll), pass = a.Has(Action::Pass);
    if (a.Has(Action::Select))  // never passes before taking dice
        return roll ? MoreDice(g, picked, s) : ChooseDice(g, picked, s.T);
    if (roll && pass) return RollOrPass(g, picked, s);
    if (roll) return Make(BotStep::Kind::Roll);
    if (pass) return Make(BotStep::Kind::Pass);
    return Make(BotStep::Kind::Nothing);
}

BotStep Bot_Cautious(const GameState& g, const PickMarks& picked) { return Bot_Thinking(g, picked, kCautious); }
BotStep Bot_Normal(const GameState& g, const PickMarks& picked) { return Bot_Thinking(g, picked, kNormal); }
BotStep Bot_Fearless(const GameState& g, const PickMarks& picked) { return Bot_Thinking(g, picked, kFearless); }

BotStep Bot_Simple(const GameState& g) {
    const Actions a = g.AllowedActions;
    const bool roll = a.Has(Action::Roll), pass = a.Has(Action::Pass);
    if (a.Has(Action::Select)) {
        // Every scoring die: the first click on a group takes all of it.
        return Take(OpenSlots(g, PickMarks{}, NotNothing), false, std::nullopt);
    }
    if (roll && pass) return Make(g.TurnScore > kSimpleBank ? BotStep::Kind::Pass : BotStep::Kind::Roll);
    if (roll) return Make(BotStep::Kind::Roll);
    if (pass) return Make(BotStep::Kind::Pass);
    return Make(BotStep::Kind::Nothing);
}

BotStep Bot_Moron(const GameState& g) {
    const Actions a = g.AllowedActions;
    if (a.Has(Action::Pass)) return Make(BotStep::Kind::Pass);  // whenever it may
    if (a.Has(Action::Roll)) return Make(BotStep::Kind::Roll);
    if (!a.Has(Action::Select)) return Make(BotStep::Kind::Nothing);
    // The lowest scoring die or group; everything only when all dice score.
    bool freeLoser = false;
    for (int j = 0; j < kSlots; ++j)
        if (g.DieCode[j] == ScoringCode::Nothing() && g.DieFree[j]) freeLoser = true;
    SlotList slots;
    for (int i = 0; i < kSlots; ++i) {
        if (g.DieCode[i] == ScoringCode::Nothing()) continue;
        slots.push_back(i);
        if (freeLoser) break;
    }
    return Take(slots, false, std::nullopt);
}

int ChooseRoutine(const GameState& g, RandomSource& rng) {
    const int cp = g.CurrentPlayer;
    if (cp < 0 || cp >= kSeats) return style::None;
    switch (g.PlayerStyle[cp]) {
        case style::Normal:
        case style::Cautious:
        case style::Fearless:
        case style::Simple:
        case style::Moron:
        case style::Expert:
            return g.PlayerStyle[cp];
        case style::Random: {
            // 1 Normal, 2 Cautious, 3 Fearless: the codes themselves.
            const int r = static_cast<int>(rng.Next() * 3) + 1;  // never negative: the cast floors
            return std::clamp(r, 1, 3);
        }
        case style::Genius: {
            Score lead = 0;
            for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
                if (p != cp) lead = std::max(lead, g.PlayerScore[p]);
            const Score mine = g.PlayerScore[cp] + g.TurnScore;
            const Score d = lead > mine ? lead - mine : mine - lead;
            if (d > 1000) return lead > mine ? style::Fearless : style::Cautious;
            return style::Normal;
        }
        default:
            return style::None;
    }
}

bool IsThinking(int routine) {
    return routine == style::Normal || routine == style::Cautious || routine == style::Fearless;
}

// Every style waits while a tray is open, Cautious too: the player has
// stepped away from the game, and the theme tray shows its sample dice in
// the roll area.
bool WaitsForTray(int) { return true; }

BotStep RoutineStep(int routine, const GameState& g, const PickMarks& picked) {
    switch (routine) {
        case style::Normal: return Bot_Normal(g, picked);
        case style::Cautious: return Bot_Cautious(g, picked);
        case style::Fearless: return Bot_Fearless(g, picked);
        case style::Simple: return Bot_Simple(g);
        case style::Moron: return Bot_Moron(g);
        default: return {};
    }
}

}  // namespace zarvel
