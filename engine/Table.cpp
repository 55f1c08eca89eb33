#include "Table.h"

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

bool HasFreeNonScorer(const GameState& g) {
    for (int i = 0; i < kSlots; ++i)
        if (g.DieFree[i] && g.DieCode[i] == "0") return true;
    return false;
}

bool HasFreeScorer(const GameState& g) {
    for (int i = 0; i < kSlots; ++i)
        if (g.DieFree[i] && IsScoringCode(g.DieCode[i])) return true;
    return false;
}

bool AnyFree(const GameState& g) {
    for (bool f : g.DieFree)
        if (f) return true;
    return false;
}

int TrayCount(const GameState& g) {
    int k = 0;
    for (bool used : g.TraySlotUsed)
        if (used) ++k;
    return k;
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
    : g_(state), s_(settings), b_(board), rng_(random), uniform_(dynamic_cast<UniformRandom*>(&random)) {}

bool Table::FastComputer() const { return g_.IsComputerTurn() && s_.ComputerFast == 2; }
bool Table::QuickComputer() const { return g_.IsComputerTurn() && s_.ComputerFast >= 1; }

void Table::PlaySound(const std::string& path) {
    if (!s_.SoundFXOFF) b_.PlaySoundFile(path);
}

void Table::SetStatus(const std::string& text) { b_.SetStatusText(text); }

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
    for (int i = 0; i < kSlots; ++i) {
        b_.ShowDie(i, 0);
        g_.Dice[i] = kNone;
    }
    if (!FastComputer()) {
        PlaySound(n == 1 ? s_.OneDieSound : s_.MultiDieSound);
        const Animation a = kAnimation[n];
        for (int f = 0; f < a.frames; ++f) {
            for (int i = 0; i < n; ++i) {
                g_.Dice[i] = GetDie2();
                b_.ShowDie(i, g_.Dice[i]);
                b_.Sleep(a.pauseMs);
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        g_.Dice[i] = (i % 2 == 0) ? RandomNumber(6) : GetDie2();
        b_.ShowDie(i, g_.Dice[i]);
    }
    if (s_.SortDice) Bubble(n);
    for (int i = 0; i < kSlots; ++i) {
        if (i < n) {
            b_.ShowDie(i, g_.Dice[i]);
            g_.RolledDice[i] = g_.Dice[i];
        } else {
            g_.RolledDice[i] = 0;
        }
    }
}

void Table::MoveDie(int i) {
    if (g_.Dice[i] == kNone) return;
    if (s_.MarkScorers) b_.ShowMarker(i, false);
    if (!FastComputer()) b_.Sleep(50);
    PlaySound(s_.MoveDieSound);
    const int face = g_.Dice[i];
    b_.ShowDie(i, 0);
    g_.RolledDice[i] = 0;

    // The die enters at the right end and slides left over free slots.
    int slot = kSlots - 1;
    b_.ShowDie(10 + slot, face);
    while (slot > 0 && !g_.TraySlotUsed[slot - 1]) {
        b_.ShowDie(10 + slot - 1, face);
        b_.ShowDie(10 + slot, 0);
        --slot;
    }
    g_.TrayDice[slot] = face;
    g_.TraySlotUsed[slot] = true;
}

void Table::ShowDivider(int k) {
    if (k >= 1 && k <= 5)
        b_.ShowDividerAt(545 + 600 * (k - 1));
    else
        b_.HideDivider();
}

void Table::ShowMarkers(int n) {
    if (!s_.MarkScorers) return;
    for (int i = 0; i < n; ++i)
        if (g_.DieCode[i] != "0") b_.ShowMarker(i, true);
}

// ---- turn flow ------------------------------------------------------------

void Table::cmdRoll_Click() {
    b_.HideDivider();
    if (s_.MarkScorers)
        for (int i = 0; i < kSlots; ++i) b_.ShowMarker(i, false);
    SetStatus("Rolling...");

    int k = TrayCount(g_);
    ShowDivider(k);
    g_.HeldCount = k;
    if (k == kSlots) {
        for (int s = 0; s < kSlots; ++s) {
            b_.ShowDie(10 + s, 0);
            g_.TrayDice[s] = 0;
            g_.TraySlotUsed[s] = false;
        }
        k = 0;
        g_.HeldCount = 0;
    }
    const int n = kSlots - k;
    for (int i = 0; i < kSlots; ++i) g_.DieFree[i] = i < n;

    RollDice(n);
    ScoreRoll(g_, n);
    ShowMarkers(n);

    const auto passesBefore = g_.PassCount;
    AfterRoll();
    // A human's bust has already passed the dice on: the values below would
    // belong to the next player's turn, so they are left alone.
    if (g_.PassCount != passesBefore) return;
    g_.SavedActions = g_.AllowedActions;
    g_.TurnScoreAtRoll = g_.TurnScore;
}

void Table::ComputeCanPass() {
    const int cp = g_.CurrentPlayer;
    const Score banked = (cp >= 0 && cp < kSeats) ? g_.PlayerScore[cp] : 0;
    g_.CanPass = banked >= s_.BreakInScore || g_.TurnScore >= s_.BreakInScore;
}

void Table::AfterRoll() {
    g_.Zarveled = IsZarvel(g_);
    ComputeCanPass();

    if (!HasFreeNonScorer(g_)) {
        SetStatus("Select Dice.");
        b_.SetRollEnabled(false);
        b_.SetPassEnabled(false);
        g_.AllowedActions = "s";
    } else if (g_.Zarveled) {
        b_.SetRollEnabled(false);
        b_.SetPassEnabled(false);
        const auto passesBefore = g_.PassCount;
        ShowZarvel();
        if (g_.PassCount == passesBefore && g_.CurrentPlayer != kNone) g_.AllowedActions = "p";
    } else if (g_.CanPass && TrayCount(g_) > 0) {
        SetStatus("Select Dice or Pass Dice.");
        b_.SetRollEnabled(false);
        g_.AllowedActions = "sp";
    } else {
        SetStatus("Select Dice.");
        b_.SetRollEnabled(false);
        b_.SetPassEnabled(false);
        g_.AllowedActions = "s";
    }
}

void Table::AfterSelect() {
    ComputeCanPass();
    const bool human = !g_.IsComputerTurn();
    const bool anyFree = AnyFree(g_);
    const bool freeScorer = HasFreeScorer(g_);

    std::string status, actions;
    bool roll = true, pass = false;
    if (anyFree && !HasFreeNonScorer(g_)) {
        status = "Select Dice.", actions = "s", roll = false;
    } else if (!anyFree) {
        status = "All dice score - You must roll.", actions = "r";
    } else if (!freeScorer && !g_.CanPass) {
        status = "Roll the dice.", actions = "r";
    } else if (!freeScorer) {
        status = "Roll or pass the dice.", actions = "rp", pass = true;
    } else if (!g_.CanPass) {
        status = "Select dice or roll.", actions = "rs";
    } else {
        status = "Roll, select, or pass the dice.", actions = "rsp", pass = true;
    }
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
    const std::string code = g_.DieCode[index];
    if (code == "0") {
        b_.Beep();
        return;
    }
    if (!IsScoringCode(code)) return;

    const bool group = IsGroupCode(code);
    for (int i : SelectionSlots(g_, index)) {
        MoveDie(i);
        g_.DieFree[i] = false;
        if (group && !FastComputer()) b_.Sleep(200);
    }
    g_.TurnScore += CodePoints(code);
    b_.SetTurnScoreText(std::to_string(g_.TurnScore));
    AfterSelect();
}

std::string StatusForUndo(const std::string& a) {
    if (a == "r") return "Roll the dice. (Undo)";
    if (a == "s") return "Select Dice. (Undo)";
    if (a == "p") return "Pass The Dice. (Undo)";
    if (a == "sp") return "Select Dice or Pass Dice. (Undo)";
    if (a == "rp") return "Roll or pass the dice. (Undo)";
    if (a == "rs") return "Select dice or roll. (Undo)";
    if (a == "rsp") return "Roll, select, or pass the dice. (Undo)";
    return {};
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
        b_.ShowDie(10 + t, 0);
        g_.TraySlotUsed[t] = false;
        g_.TrayDice[t] = 0;
        b_.ShowDie(slot, face);
        g_.RolledDice[slot] = face;
        g_.DieFree[slot] = true;
        if (s_.MarkScorers) b_.ShowMarker(slot, true);
    }
    g_.TurnScore = g_.TurnScoreAtRoll;
    b_.SetTurnScoreText(std::to_string(g_.TurnScore));
    g_.AllowedActions = g_.SavedActions;
    const std::string status = StatusForUndo(g_.AllowedActions);
    if (!status.empty()) SetStatus(status);
    PlaySound(s_.UndoSound);
    b_.SetRollEnabled(false);
    b_.SetPassEnabled(g_.AllowedActions.find('p') != std::string::npos && !g_.IsComputerTurn());
}

void Table::ShowZarvel() {
    const bool quick = QuickComputer();
    b_.SetBusyPointer(true);
    if (!quick) b_.Sleep(250);
    PlaySound(s_.ZarvelSound);
    for (int blink = 0; blink < 3; ++blink) {
        SetStatus("ZARVEL !!!");
        if (!quick) b_.Sleep(100);
        SetStatus("");
        if (!quick) b_.Sleep(100);
    }
    SetStatus("ZARVEL !!!");
    if (!quick) {
        b_.Sleep(300);
        // The text grows one visible character at a time; a blank comes
        // with the letter after it.
        const std::string full = "ZARVEL - Passing the dic";
        for (std::size_t len = 10; len <= full.size(); ++len) {
            if (full[len - 1] == ' ') continue;
            SetStatus(full.substr(0, len));
            b_.Sleep(20);
        }
    }
    SetStatus("ZARVEL - Passing the dice");
    b_.Sleep(20);
    SetStatus("ZARVEL - Passing the dice.");
    b_.SetTurnScoreText("0");

    if (g_.IsComputerTurn()) {
        b_.SetBusyPointer(false);
        return;
    }
    b_.Sleep(300);
    b_.SetBusyPointer(false);
    cmdPassDice_Click();
}

void Table::Form_KeyUp(int key) {
    // The dice answer only the human whose turn it is.
    const bool humanTurn = g_.GameRunning() && !g_.IsComputerTurn();
    if (key == vk::Back) {
        if (!humanTurn) return;
        for (int i = 10; i <= 15; ++i) Picture1_Click(i);
    } else if (key == vk::Escape) {
        b_.EndProgramNow();
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
        b_.RequestNewGame();
    }
}

// ---- passing and the end of a game ------------------------------------------

void Table::cmdPassDice_Click() {
    g_.AllowedActions = "r";
    ++g_.PassCount;
    b_.HideDivider();
    if (s_.MarkScorers)
        for (int i = 0; i < kSlots; ++i) b_.ShowMarker(i, false);

    const int cp = g_.CurrentPlayer;
    if (cp < 0 || cp >= g_.NumPlayers) return;  // no game to pass in
    b_.SetPassEnabled(false);
    if (g_.Zarveled) {
        PlaySound(s_.Passem2Sound);
        if (s_.ComputerFast != 2) b_.Sleep(1000);
    } else {
        PlaySound(s_.Passem1Sound);
        if (s_.ComputerFast != 2) b_.Sleep(1000);
        g_.PlayerScore[cp] += g_.TurnScore;
        b_.ScorePadScore(cp, std::to_string(g_.PlayerScore[cp]));
        b_.ScorePadRepaint();
        if (g_.WentOut == kNone && g_.PlayerScore[cp] >= s_.PlayToScore) GoOut();
    }

    for (int i = 0; i < kSlots; ++i) {
        g_.DieFree[i] = false;
        g_.TraySlotUsed[i] = false;
        g_.DieCode[i] = "0";
        b_.ShowDie(i, 0);
        b_.ShowDie(10 + i, 0);
        g_.RolledDice[i] = 0;
        g_.TrayDice[i] = 0;
    }

    b_.ScorePadHighlight(cp, false);
    g_.CurrentPlayer = (cp + 1 >= g_.NumPlayers) ? 0 : cp + 1;
    const int next = g_.CurrentPlayer;
    b_.ScorePadHighlight(next, true);

    g_.TurnScore = 0;
    b_.SetTurnScoreText("0");
    b_.ScorePadRepaint();
    b_.SetPlayerText(g_.PlayerName[next]);
    b_.SetRollEnabled(!g_.PlayerIsComputer[next]);

    if (next == g_.WentOut) {
        EndGame();
        return;
    }
    SetStatus("Roll the dice.");
    if (!g_.PlayerIsComputer[next]) return;
    if (s_.ComputerFast == 0) b_.Sleep(1000);
    if (g_.GameOver) return;
    if (onComputerTurnDue) onComputerTurnDue();
}

void Table::GoOut() {
    const int cp = g_.CurrentPlayer;
    PlaySound(s_.OverTopSound());
    g_.WentOut = cp;
    b_.SetStatusTop(kStatusTopLastRound);
    b_.ShowLastRoll(true);
    bool anyHuman = false;
    for (int p = 0; p < g_.NumPlayers; ++p)
        if (!g_.PlayerIsComputer[p]) anyHuman = true;
    if (anyHuman)
        b_.ShowMessage(g_.PlayerName[cp] +
                       " has gone out.  Everybody else gets one more roll to try and beat " +
                       std::to_string(g_.PlayerScore[cp]) + " points.");
}

void Table::EndGame() {
    const int out = g_.WentOut;
    g_.Winner = out;
    Score best = g_.PlayerScore[out];
    for (int k = 1; k < g_.NumPlayers; ++k) {
        const int p = (out + k) % g_.NumPlayers;
        if (g_.PlayerScore[p] > best) {
            g_.Winner = p;
            best = g_.PlayerScore[p];
        }
    }
    b_.Sleep(500);
    if (!g_.TestMode)
        b_.ShowWinner();
    else
        ++g_.TestWins[g_.Winner];

    b_.SetRollEnabled(false);
    b_.SetPassEnabled(false);
    g_.GameOver = true;
    g_.CurrentPlayer = kNone;
    b_.SetStatusTop(kStatusTop);
    SetStatus("Press \"F2\" to start a game.");
    b_.SetPlayerText(" ");
    b_.ShowLastRoll(false);
    if (g_.TestMode && onTestGameOver) onTestGameOver();
}

void Table::StartGame() {
    g_.CurrentPlayer = 0;
    for (int p = 0; p < 8; ++p) {
        g_.PlayerScore[p] = 0;
        b_.ScorePadScore(p, "0");
    }
    b_.SetPlayerText(g_.PlayerName[0]);
    for (int i = 0; i < kSlots; ++i) {
        g_.DieCode[i] = "0";
        g_.DieFree[i] = false;
        g_.TraySlotUsed[i] = false;
        g_.TrayDice[i] = 0;
        g_.RolledDice[i] = 0;
        g_.Dice[i] = kNone;
    }
    if (g_.NumPlayers == 1) g_.NumPlayers = 2;
    SetStatus("Roll the dice.");
    g_.AllowedActions = "r";
    b_.SetRollEnabled(!g_.PlayerIsComputer[0]);
    g_.TurnScore = 0;
    b_.SetTurnScoreText("0");
    b_.SetPassEnabled(false);
    for (int k = 0; k < kSlots; ++k) {
        b_.ShowMarker(k, false);
        b_.ShowDie(k, 0);
        b_.ShowDie(10 + k, 0);
    }
    b_.HideDivider();
    g_.WentOut = kNone;
    b_.SetStatusTop(kStatusTop);
    b_.ShowLastRoll(false);
    g_.GameOver = false;
    g_.Zarveled = false;
    g_.BotTurnOver = true;
}

}  // namespace zarvel
