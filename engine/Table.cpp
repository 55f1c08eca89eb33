#include "Table.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "Scoring.h"

namespace zarvel {

namespace {

struct Animation {
    int frames;
    int pauseMs;
};

// Frames and per-die pause of the rolling animation by number of dice.
constexpr Animation kAnimation[7] = {{0, 0}, {20, 20}, {15, 15}, {10, 13}, {8, 13}, {7, 11}, {5, 10}};

// One bit a slot, 0..5: the tests below look at all six at once, without
// a branch on what the dice happen to show.
inline unsigned Mask(const std::array<bool, kSlots>& slots) {
    unsigned m = 0;
    for (int i = 0; i < kSlots; ++i) m |= unsigned(slots[i]) << i;
    return m;
}

// What the dice still in the roll area offer.
struct FreeDice {
    bool any = false;        // some die is free
    bool scorer = false;     // some free die scores
    bool nonScorer = false;  // some free die scores nothing
};

inline FreeDice Free(const GameState& g) {
    unsigned scores = 0, nothing = 0;
    for (int i = 0; i < kSlots; ++i) {
        scores |= unsigned(g.DieCode[i].Scores()) << i;
        nothing |= unsigned(g.DieCode[i] == ScoringCode::Nothing()) << i;
    }
    const unsigned free = Mask(g.DieFree);
    return {free != 0, (free & scores) != 0, (free & nothing) != 0};
}

bool AnyFree(const GameState& g) { return Mask(g.DieFree) != 0; }

int TrayCount(const GameState& g) { return std::popcount(Mask(g.TraySlotUsed)); }

// What the status line says when an undo brings back these actions.
Status StatusFor(Actions a) {
    const bool roll = a.Has(Action::Roll), select = a.Has(Action::Select), pass = a.Has(Action::Pass);
    if (roll && select) return pass ? Status::RollSelectOrPass : Status::SelectOrRoll;
    if (roll) return pass ? Status::RollOrPass : Status::RollTheDice;
    if (select) return pass ? Status::SelectOrPass : Status::SelectDice;
    return pass ? Status::PassTheDice : Status::Blank;
}

// The prompts that tell the player at the table what to do next.
bool Prompts(Status status) {
    switch (status) {
        case Status::Rolling:
        case Status::SelectDice:
        case Status::SelectOrPass:
        case Status::MustRoll:
        case Status::RollTheDice:
        case Status::RollOrPass:
        case Status::SelectOrRoll:
        case Status::RollSelectOrPass:
        case Status::PassTheDice:
        case Status::BreakInNeeded: return true;
        default: return false;
    }
}

// 1..n from a fraction in [0, 1). The product is never negative, so the
// cast truncates exactly as a floor would, without its slow emulation.
inline int Face(double u, int n) { return static_cast<int>(u * n) + 1; }

// The two face routines over any generator. On the program's own generator,
// a final class, the draws inline: they are nearly all of a computer game's
// time. Any other source (a test's script) is called draw by draw.
template <class Random>
int ShuffledFace(Random& rng) {
    int pos[7] = {0, 1, 2, 3, 4, 5, 6};
    for (int round = 0; round < 60; ++round) {
        for (int k = 1; k <= 5; ++k) std::swap(pos[k], pos[Face(rng.Next(), 6)]);
    }
    return pos[1];
}

// Only the last of the 750 draws is read.
template <class Random>
int LastOf750(Random& rng, int n) {
    for (int d = 0; d < 749; ++d) rng.Next();
    return Face(rng.Next(), n);
}

// The program's generator skips the 749 unread draws in one jump.
int LastOf750(UniformRandom& rng, int n) {
    static const XoshiroJump kUnread(749);
    rng.Discard(kUnread);
    return Face(rng.Next(), n);
}

}  // namespace

Table::Table(GameState& state, Settings& settings, Board& board, RandomSource& random)
    : g_(state),
      s_(settings),
      b_(board),
      rng_(random),
      uniform_(dynamic_cast<UniformRandom*>(&random)),
      shows_(board.Shows()) {}

void Table::AddListener(TableListener& listener) { listeners_.push_back(&listener); }

void Table::RemoveListener(TableListener& listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

bool Table::FastComputer() const { return g_.IsComputerTurn() && s_.ComputerFast == kRidiculous; }
bool Table::QuickComputer() const { return g_.IsComputerTurn() && s_.ComputerFast >= 1; }

void Table::PlaySound(const std::string& path) {
    if (!s_.SoundFXOFF && shows_) b_.PlaySoundFile(path);
}

void Table::SetStatus(Status status, bool undo) { ShowStatus({status, undo}); }

void Table::ShowStatus(StatusLine line) {
    if (!shows_) return;
    // Nobody at the table is asked to act for a computer: its whole turn
    // says whose it is, and what ends it (a bank, a Zarvel) says so.
    if (g_.IsComputerTurn() && Prompts(line.status)) line = {Status::ComputerPlaying, false, 0, g_.CurrentPlayer};
    b_.SetStatus(line);
}

void Table::HideMarkers() {
    if (s_.MarkScorers)
        for (int i = 0; i < kSlots; ++i) Mark(i, false);
}

// ---- seating --------------------------------------------------------------

void Table::SeatGame(const std::vector<Seat>& seats, Score playTo, Score breakIn) {
    GameState fresh;
    fresh.NumPlayers = static_cast<int>(std::min<std::size_t>(seats.size(), kSeats));
    for (int p = 0; p < fresh.NumPlayers; ++p) {
        const Seat& seat = seats[std::size_t(p)];
        fresh.PlayerName[p] = seat.name;
        fresh.PlayerIsComputer[p] = seat.computer;
        fresh.PlayerStyle[p] = seat.style;
    }
    fresh.PlayToScore = playTo;
    fresh.BreakInScore = breakIn;
    fresh.CurrentPlayer = 0;
    fresh.AllowedActions = {Action::Roll};
    g_ = std::move(fresh);

    if (shows_) {
        for (int p = 0; p < 8; ++p) b_.ScorePadScore(p, 0);
        b_.SetPlayerText(g_.PlayerName[0]);
    }
    SetStatus(Status::RollTheDice);
    b_.SetRollEnabled(!g_.PlayerIsComputer[0]);
    ShowTurnScore();
    b_.SetPassEnabled(false);
    for (int k = 0; k < kSlots; ++k) {
        Mark(k, false);
        Show(k, 0);
        Show(10 + k, 0);
    }
    HideDivider();
    if (shows_) {
        b_.SetStatusTop(kStatusTop);
        b_.ShowLastRoll(false);
    }
    Tell(&TableListener::GameSeated);
}

void Table::ResumeGame(const GameState& state) {
    g_ = state;
    ShowState();
    Tell(&TableListener::GameSeated);
}

void Table::ShowState() {
    const bool human = !g_.IsComputerTurn();
    const bool underway = g_.TurnUnderway();
    // A bust the computer has still to pass shows the end of its sequence.
    const bool bust = underway && g_.Zarveled && g_.AllowedActions == Actions{Action::Pass};
    if (shows_) {
        b_.SetBusyPointer(false);
        for (int i = 0; i < kSlots; ++i) {
            b_.ShowDie(i, g_.RolledDice[i]);
            b_.ShowDie(10 + i, g_.TrayDice[i]);
            b_.ShowMarker(i, s_.MarkScorers && g_.DieFree[i] && g_.DieCode[i].Scores());
        }
        if (underway) ShowDivider(g_.HeldCount);
        else b_.HideDivider();

        if (bust) {
            b_.SetStatus({Status::ZarvelPassing, false, kPassingLetters});
        } else {
            Status status = StatusFor(g_.AllowedActions);
            // Roll is all that is left once all six dice are in the tray.
            if (underway && status == Status::RollTheDice && !AnyFree(g_) && TrayCount(g_) == kSlots)
                status = Status::MustRoll;
            // As after a selection: points that cannot be banked yet say why.
            if (!g_.CanPass && g_.TurnScore > 0 && g_.AllowedActions.Has(Action::Roll) && AnyFree(g_))
                ShowStatus({Status::BreakInNeeded, false, 0, g_.CurrentPlayer, g_.BreakInScore});
            else
                ShowStatus({status, false, 0});
        }
        const bool lastRound = g_.WentOut != kNone;
        b_.SetStatusTop(lastRound ? kStatusTopLastRound : kStatusTop);
        b_.ShowLastRoll(lastRound);
        b_.SetTurnScore(bust ? 0 : g_.TurnScore);
        b_.SetPlayerText(g_.PlayerName[g_.CurrentPlayer]);
        for (int p = 0; p < 8; ++p) {
            b_.ScorePadScore(p, g_.PlayerScore[p]);
            b_.ScorePadHighlight(p, p == g_.CurrentPlayer);
        }
        b_.ScorePadRepaint();
    }
    b_.SetRollEnabled(human && g_.AllowedActions.Has(Action::Roll));
    b_.SetPassEnabled(human && g_.AllowedActions.Has(Action::Pass));
}

// ---- dice -----------------------------------------------------------------

int Table::GetDie2() { return uniform_ ? ShuffledFace(*uniform_) : ShuffledFace(rng_); }

int Table::RandomNumber(int n) { return uniform_ ? LastOf750(*uniform_, n) : LastOf750(rng_, n); }

void Table::Bubble(int sortHowMany) {
    for (int end = sortHowMany - 1; end > 0; --end) {
        bool swapped = false;
        for (int i = 0; i < end; ++i) {
            if (g_.Dice[i] > g_.Dice[i + 1]) {
                std::swap(g_.Dice[i], g_.Dice[i + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
}

void Table::RollDice(int n) {
    for (int i = 0; i < kSlots; ++i) Show(i, 0);
    g_.Dice.fill(kNone);
    if (!FastComputer()) {
        PlaySound(n == 1 ? s_.OneDieSound : s_.MultiDieSound);
        const Animation a = kAnimation[n];
        for (int f = 0; f < a.frames; ++f) {
            for (int i = 0; i < n; ++i) {
                g_.Dice[i] = GetDie2();
                Show(i, g_.Dice[i]);
                b_.Sleep(a.pauseMs);
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        g_.Dice[i] = (i % 2 == 0) ? RandomNumber(6) : GetDie2();
        Show(i, g_.Dice[i]);
    }
    if (s_.SortDice) Bubble(n);
    for (int i = 0; i < n; ++i) Show(i, g_.Dice[i]);
    for (int i = 0; i < kSlots; ++i) g_.RolledDice[i] = i < n ? g_.Dice[i] : 0;
}

void Table::MoveDie(int i) {
    if (g_.Dice[i] == kNone) return;
    if (s_.MarkScorers) Mark(i, false);
    if (!FastComputer()) b_.Sleep(50);
    PlaySound(s_.MoveDieSound);
    const int face = g_.Dice[i];
    Show(i, 0);
    g_.RolledDice[i] = 0;

    // The die enters at the right end and slides left over free slots, to
    // rest just right of the last die in slots 0..4.
    const int slot = std::bit_width(Mask(g_.TraySlotUsed) & 0x1F);
    if (shows_) {
        b_.ShowDie(10 + kSlots - 1, face);
        for (int at = kSlots - 1; at > slot; --at) {
            b_.ShowDie(10 + at - 1, face);
            b_.ShowDie(10 + at, 0);
        }
    }
    g_.TrayDice[slot] = face;
    g_.TraySlotUsed[slot] = true;
}

void Table::ShowDivider(int k) {
    if (!shows_) return;
    if (k >= 1 && k <= 5)
        b_.ShowDividerAt(545 + 600 * (k - 1));
    else
        b_.HideDivider();
}

void Table::ShowMarkers(int n) {
    if (!s_.MarkScorers) return;
    for (int i = 0; i < n; ++i)
        if (g_.DieCode[i].Scores()) Mark(i, true);
}

// ---- turn flow ------------------------------------------------------------

void Table::cmdRoll_Click() {
    HideDivider();
    HideMarkers();
    SetStatus(Status::Rolling);

    int k = TrayCount(g_);
    ShowDivider(k);
    g_.HeldCount = k;
    if (k == kSlots) {
        for (int s = 0; s < kSlots; ++s) {
            Show(10 + s, 0);
            g_.TrayDice[s] = 0;
            g_.TraySlotUsed[s] = false;
        }
        k = 0;
        g_.HeldCount = 0;
    }
    const int n = kSlots - k;
    for (int i = 0; i < kSlots; ++i) g_.DieFree[i] = i < n;

    RollDice(n);
    ScoreRoll(g_.Dice, n, g_.DieCode);
    ShowMarkers(n);
    AfterRoll();
    g_.SavedActions = g_.AllowedActions;
    g_.TurnScoreAtRoll = g_.TurnScore;
    // A human's dice pass by themselves after a bust, once the roll is done;
    // a computer passes them itself.
    if (g_.Zarveled && !g_.IsComputerTurn()) cmdPassDice_Click();
    Tell(&TableListener::StateChanged);
}

void Table::ComputeCanPass() {
    const int cp = g_.CurrentPlayer;
    const Score banked = (cp >= 0 && cp < kSeats) ? g_.PlayerScore[cp] : 0;
    g_.CanPass = banked >= g_.BreakInScore || g_.TurnScore >= g_.BreakInScore;
}

void Table::AfterRoll() {
    g_.Zarveled = IsZarvel(g_.DieCode);
    ComputeCanPass();

    if (!Free(g_).nonScorer) {
        SetStatus(Status::SelectDice);
        b_.SetRollEnabled(false);
        b_.SetPassEnabled(false);
        g_.AllowedActions = {Action::Select};
    } else if (g_.Zarveled) {
        b_.SetRollEnabled(false);
        b_.SetPassEnabled(false);
        ShowZarvel();
        g_.AllowedActions = {Action::Pass};
    } else if (g_.CanPass && TrayCount(g_) > 0) {
        SetStatus(Status::SelectOrPass);
        b_.SetRollEnabled(false);
        g_.AllowedActions = {Action::Select, Action::Pass};
    } else {
        SetStatus(Status::SelectDice);
        b_.SetRollEnabled(false);
        b_.SetPassEnabled(false);
        g_.AllowedActions = {Action::Select};
    }
}

void Table::AfterSelect() {
    ComputeCanPass();
    const bool human = !g_.IsComputerTurn();
    const FreeDice free = Free(g_);
    const bool anyFree = free.any, freeScorer = free.scorer;

    Status status;
    Actions actions;
    bool roll = true, pass = false;
    if (anyFree && !free.nonScorer) {
        // Scoring dice may never be left to roll: take them first.
        status = Status::SelectDice, actions = {Action::Select}, roll = false;
    } else if (!anyFree) {
        status = Status::MustRoll, actions = {Action::Roll};
    } else if (!freeScorer && !g_.CanPass) {
        status = Status::RollTheDice, actions = {Action::Roll};
    } else if (!freeScorer) {
        status = Status::RollOrPass, actions = {Action::Roll, Action::Pass}, pass = true;
    } else if (!g_.CanPass) {
        status = Status::SelectOrRoll, actions = {Action::Roll, Action::Select};
    } else {
        status = Status::RollSelectOrPass, actions = {Action::Roll, Action::Select, Action::Pass}, pass = true;
    }
    // Points on the table that may not be banked yet: say why Pass stays off.
    if (!g_.CanPass && g_.TurnScore > 0 && actions.Has(Action::Roll) && anyFree)
        ShowStatus({Status::BreakInNeeded, false, 0, g_.CurrentPlayer, g_.BreakInScore});
    else
        SetStatus(status);
    b_.SetRollEnabled(roll && human);
    b_.SetPassEnabled(pass && human);
    g_.AllowedActions = actions;
}

void Table::Picture1_Click(int index) {
    if (index >= 10 && index <= 15) {
        Undo(index - 10);
        return;
    }
    if (index < 0 || index >= kSlots || !g_.DieFree[index]) return;
    const ScoringCode code = g_.DieCode[index];
    if (code == ScoringCode::Nothing()) {
        if (shows_) b_.Beep();
        return;
    }
    if (!code.Scores()) return;

    const bool pauses = code.IsGroup() && !FastComputer();
    for (int i : SelectionSlots(g_, index)) {
        MoveDie(i);
        g_.DieFree[i] = false;
        if (pauses) b_.Sleep(200);
    }
    g_.TurnScore += code.Points();
    ShowTurnScore();
    AfterSelect();
    Tell(&TableListener::StateChanged);
}

void Table::Undo(int s) {
    if (s < g_.HeldCount || !g_.TraySlotUsed[s] || !AnyFree(g_)) return;

    for (int t = g_.HeldCount; t < kSlots; ++t) {
        if (!g_.TraySlotUsed[t]) continue;
        const int face = g_.TrayDice[t];
        int slot = -1;
        for (int i = 0; i < kSlots && slot < 0; ++i)
            if (g_.Dice[i] == face && !g_.DieFree[i]) slot = i;
        if (slot < 0) continue;  // keeps the die in the tray rather than losing it
        Show(10 + t, 0);
        g_.TraySlotUsed[t] = false;
        g_.TrayDice[t] = 0;
        Show(slot, face);
        g_.RolledDice[slot] = face;
        g_.DieFree[slot] = true;
        if (s_.MarkScorers) Mark(slot, true);
    }
    g_.TurnScore = g_.TurnScoreAtRoll;
    ShowTurnScore();
    g_.AllowedActions = g_.SavedActions;
    if (!g_.AllowedActions.None()) SetStatus(StatusFor(g_.AllowedActions), true);
    PlaySound(s_.UndoSound);
    b_.SetRollEnabled(false);
    b_.SetPassEnabled(g_.AllowedActions.Has(Action::Pass) && !g_.IsComputerTurn());
    Tell(&TableListener::StateChanged);
}

void Table::ShowZarvel() {
    const bool quick = QuickComputer();
    if (shows_) b_.SetBusyPointer(true);
    if (!quick) b_.Sleep(250);
    PlaySound(s_.ZarvelSound);
    for (int blink = 0; blink < 3; ++blink) {
        SetStatus(Status::Zarvel);
        if (!quick) b_.Sleep(100);
        SetStatus(Status::Blank);
        if (!quick) b_.Sleep(100);
    }
    SetStatus(Status::Zarvel);
    auto passing = [this](int letters) {
        if (shows_) b_.SetStatus({Status::ZarvelPassing, false, letters});
    };
    if (!quick) {
        b_.Sleep(300);
        // "Passing the dic" grows one letter at a time.
        for (int letters = 1; letters <= kPassingLetters - 2; ++letters) {
            passing(letters);
            b_.Sleep(20);
        }
    }
    passing(kPassingLetters - 1);
    b_.Sleep(20);
    passing(kPassingLetters);
    if (shows_) b_.SetTurnScore(0);  // the points go with the pass

    if (g_.IsComputerTurn()) {
        if (shows_) b_.SetBusyPointer(false);
        return;
    }
    b_.Sleep(300);
    if (shows_) b_.SetBusyPointer(false);
}

void Table::Form_KeyUp(int key) {
    // The dice answer only the human whose turn it is.
    const bool humanTurn = g_.GameRunning() && !g_.IsComputerTurn();
    if (key == vk::Back) {
        if (!humanTurn) return;
        for (int i = 10; i <= 15; ++i) Picture1_Click(i);
    } else if (key == vk::Escape) {
        Tell(&TableListener::EndProgramRequested);
    } else if ((key >= vk::Key1 && key <= vk::Key6) || (key >= vk::Numpad1 && key <= vk::Numpad6)) {
        if (!humanTurn) return;
        const int face = key >= vk::Numpad1 ? key - vk::Numpad0 : key - vk::Key0;
        for (int i = 0; i < kSlots; ++i) {
            if (g_.DieFree[i] && g_.Dice[i] == face) {
                Picture1_Click(i);
                return;
            }
        }
    } else if (key == vk::P || key == vk::Decimal) {
        if (b_.PassEnabled()) cmdPassDice_Click();
    } else if (key == vk::R || key == vk::Numpad0) {
        if (b_.RollEnabled()) cmdRoll_Click();
    } else if (key == vk::F2) {
        Tell(&TableListener::NewGameRequested);
    }
}

// ---- passing and the end of a game ------------------------------------------

void Table::EmptyDice() {
    for (int i = 0; i < kSlots; ++i) {
        g_.DieFree[i] = false;
        g_.TraySlotUsed[i] = false;
        g_.DieCode[i] = ScoringCode::Nothing();
        Show(i, 0);
        Show(10 + i, 0);
        g_.RolledDice[i] = 0;
        g_.TrayDice[i] = 0;
    }
}

void Table::cmdPassDice_Click() {
    g_.AllowedActions = {Action::Roll};
    HideDivider();
    HideMarkers();

    const int cp = g_.CurrentPlayer;
    if (cp < 0 || cp >= g_.NumPlayers) return;  // no game to pass in
    b_.SetPassEnabled(false);
    // Seen during the pass's pause; a Zarvel has said what happened already.
    if (!g_.Zarveled) ShowStatus({Status::Banked, false, 0, cp, g_.TurnScore});
    PlaySound(g_.Zarveled ? s_.Passem2Sound : s_.Passem1Sound);
    if (s_.ComputerFast != kRidiculous) b_.Sleep(1000);
    if (!g_.Zarveled) {
        g_.PlayerScore[cp] += g_.TurnScore;
        if (shows_) {
            b_.ScorePadScore(cp, g_.PlayerScore[cp]);
            b_.ScorePadRepaint();
        }
        if (g_.WentOut == kNone && g_.PlayerScore[cp] >= g_.PlayToScore) GoOut();
    }
    for (TableListener* l : listeners_) l->TurnEnded(cp, g_.Zarveled ? 0 : g_.TurnScore, g_.Zarveled);
    EmptyDice();

    const int next = (cp + 1 >= g_.NumPlayers) ? 0 : cp + 1;
    if (shows_) {
        b_.ScorePadHighlight(cp, false);
        b_.ScorePadHighlight(next, true);
    }
    g_.CurrentPlayer = next;
    g_.TurnScore = 0;
    // The roll's values for undo end with the turn.
    g_.TurnScoreAtRoll = 0;
    g_.SavedActions = {};
    if (shows_) {
        b_.SetTurnScore(0);
        b_.ScorePadRepaint();
        b_.SetPlayerText(g_.PlayerName[next]);
    }
    b_.SetRollEnabled(!g_.PlayerIsComputer[next]);

    if (next == g_.WentOut) {
        EndGame();
    } else {
        SetStatus(Status::RollTheDice);
        if (g_.PlayerIsComputer[next]) {
            if (s_.ComputerFast == 0) b_.Sleep(1000);
            if (!g_.GameOver) Tell(&TableListener::ComputerTurnDue);
        }
    }
    Tell(&TableListener::StateChanged);
}

void Table::GoOut() {
    const int cp = g_.CurrentPlayer;
    PlaySound(s_.OverTopSound());
    g_.WentOut = cp;
    if (shows_) {
        b_.SetStatusTop(kStatusTopLastRound);
        b_.ShowLastRoll(true);
    }
    bool anyHuman = false;
    for (int p = 0; p < g_.NumPlayers; ++p)
        if (!g_.PlayerIsComputer[p]) anyHuman = true;
    if (!anyHuman) return;  // the computers need no telling
    for (TableListener* l : listeners_) l->GoneOut(cp);
}

void Table::EndGame() {
    const int out = g_.WentOut;
    g_.Winner = out;
    Score best = g_.PlayerScore[out];
    // Ties go to the player who went out, then to the earlier in turn order.
    for (int k = 1; k < g_.NumPlayers; ++k) {
        const int p = (out + k) % g_.NumPlayers;
        if (g_.PlayerScore[p] > best) {
            g_.Winner = p;
            best = g_.PlayerScore[p];
        }
    }
    b_.Sleep(500);

    b_.SetRollEnabled(false);
    b_.SetPassEnabled(false);
    g_.GameOver = true;
    g_.CurrentPlayer = kNone;
    if (shows_) b_.SetStatusTop(kStatusTop);
    SetStatus(Status::PressF2);
    if (shows_) {
        b_.SetPlayerText(" ");
        b_.ShowLastRoll(false);
    }
    for (TableListener* l : listeners_) l->GameOver(g_.Winner);
}

}  // namespace zarvel
