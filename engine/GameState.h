// The rules' state of a game: one plain value that anyone may copy, compare
// and read, and that only the table's handlers change during play. Slots
// are 0..5 (the roll area and the tray), seats 0..8.
//
// What each die of the roll scores is a ScoringCode, what the player may do
// next a set of Actions. Earlier code spelled them as strings:
//   DieCode "0" / "99"          ScoringCode::Nothing() / ScoringCode::NoDie()
//   DieCode "1", "5"            ScoringCode::Single(1), ScoringCode::Single(5)
//   DieCode "a".."x"            ScoringCode::OfAKind(3..6, face)
//   DieCode "y", "z"            ScoringCode::Straight(), ScoringCode::ThreePairs()
//   AllowedActions "rsp" etc.   Actions{Action::Roll, Action::Select, Action::Pass}
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "Catalogue.h"
#include "Options.h"

namespace zarvel {

// Sentinel for "none": no die in a slot, no game running, nobody out yet.
constexpr int kNone = 99;
constexpr int kSlots = 6;
constexpr int kSeats = 9;

// Scores are 32-bit so a long turn or a high total is never wrapped.
using Score = std::int32_t;

// What a die of the roll scores, and which dice go with it. A single 1 or 5
// is set aside alone; the dice of a group (three to six of a kind, a
// straight, three pairs) are set aside together and score once.
class ScoringCode {
public:
    enum class Kind : std::uint8_t {
        Nothing,     // rolled, scores nothing: clicking it only beeps
        NoDie,       // no die was rolled into the slot
        Single,      // a lone 1 or 5
        OfAKind,     // three, four, five or six of one face
        Straight,    // 1 to 6 over all six dice
        ThreePairs,  // over all six dice
    };

    constexpr ScoringCode() = default;
    static constexpr ScoringCode Nothing() { return {}; }
    static constexpr ScoringCode NoDie() { return ScoringCode(kNoDie); }
    static constexpr ScoringCode Single(int face) { return ScoringCode(face == 1 ? kSingleOne : kSingleFive); }
    static constexpr ScoringCode OfAKind(int count, int face) {
        return ScoringCode(static_cast<std::uint8_t>(kOfAKind + 6 * (count - 3) + face - 1));
    }
    static constexpr ScoringCode Straight() { return ScoringCode(kStraight); }
    static constexpr ScoringCode ThreePairs() { return ScoringCode(kThreePairs); }

    constexpr Kind kind() const {
        if (code_ >= kThreePairs) return Kind::ThreePairs;
        if (code_ >= kStraight) return Kind::Straight;
        if (code_ >= kOfAKind) return Kind::OfAKind;
        if (code_ >= kSingleOne) return Kind::Single;
        return code_ == kNoDie ? Kind::NoDie : Kind::Nothing;
    }
    // Dice in the combination (1 for a single); the face of a single or of
    // a kind, 0 otherwise.
    constexpr int count() const {
        switch (kind()) {
            case Kind::Single: return 1;
            case Kind::OfAKind: return 3 + (code_ - kOfAKind) / 6;
            case Kind::Straight:
            case Kind::ThreePairs: return 6;
            default: return 0;
        }
    }
    constexpr int face() const {
        switch (kind()) {
            case Kind::Single: return code_ == kSingleOne ? 1 : 5;
            case Kind::OfAKind: return 1 + (code_ - kOfAKind) % 6;
            default: return 0;
        }
    }

    // The die may be set aside.
    constexpr bool Scores() const { return code_ >= kSingleOne; }
    // The die is set aside together with the others of its code.
    constexpr bool IsGroup() const { return code_ >= kOfAKind; }

    // Points for setting the die aside (with its group); 0 when it cannot be.
    // Three of a kind is 100 times the face, three 1s 1000; each further die
    // of the kind doubles it.
    constexpr int Points() const {
        if (code_ >= kOfAKind && code_ < kStraight) {
            const int face = 1 + (code_ - kOfAKind) % 6;
            return (face == 1 ? 1000 : 100 * face) << ((code_ - kOfAKind) / 6);
        }
        switch (code_) {
            case kSingleOne: return 100;
            case kSingleFive: return 50;
            case kStraight: return 1500;
            case kThreePairs: return 500;
            default: return 0;
        }
    }

    constexpr bool operator==(const ScoringCode&) const = default;

private:
    // One byte a die: the kinds in order, the kinds of a face by size, then face.
    enum : std::uint8_t {
        kNothing = 0,
        kNoDie = 1,
        kSingleOne = 2,
        kSingleFive = 3,
        kOfAKind = 4,              // three 1s; 4 + 6 x (count - 3) + face - 1
        kStraight = kOfAKind + 24,
        kThreePairs = kStraight + 1,
    };
    constexpr explicit ScoringCode(std::uint8_t code) : code_(code) {}

    std::uint8_t code_ = kNothing;
};

// The three things a player may do on a turn.
enum class Action : std::uint8_t { Roll = 1, Select = 2, Pass = 4 };

// The actions open now: any of roll, select and pass, or none.
class Actions {
public:
    constexpr Actions() = default;
    constexpr Actions(std::initializer_list<Action> actions) {
        for (Action a : actions) bits_ |= static_cast<std::uint8_t>(a);
    }
    constexpr bool Has(Action a) const { return (bits_ & static_cast<std::uint8_t>(a)) != 0; }
    friend constexpr Actions operator|(Actions set, Action a) {
        set.bits_ |= static_cast<std::uint8_t>(a);
        return set;
    }
    constexpr bool None() const { return bits_ == 0; }
    constexpr bool operator==(const Actions&) const = default;

private:
    std::uint8_t bits_ = 0;
};

struct GameState {
    // Dice of the roll area (faces 1..6, kNone for a slot not rolled), and
    // the set-aside tray. RolledDice and TrayDice are what the die boxes
    // show: 0 for an empty box.
    std::array<int, kSlots> Dice{kNone, kNone, kNone, kNone, kNone, kNone};
    std::array<ScoringCode, kSlots> DieCode{};
    std::array<bool, kSlots> DieFree{};
    std::array<int, kSlots> RolledDice{};
    std::array<int, kSlots> TrayDice{};
    std::array<bool, kSlots> TraySlotUsed{};
    int HeldCount = 0;  // dice in the tray when the current roll was made

    // Seats.
    int NumPlayers = 0;
    std::array<std::string, kSeats> PlayerName{};
    std::array<bool, kSeats> PlayerIsComputer{};
    std::array<int, kSeats> PlayerStyle{};
    std::array<Score, kSeats> PlayerScore{};

    // Turn.
    int CurrentPlayer = kNone;
    Score TurnScore = 0;
    Score TurnScoreAtRoll = 0;
    Actions AllowedActions;
    Actions SavedActions;  // as they stood right after the current roll
    bool Zarveled = false;
    bool CanPass = false;

    // The game in play: its target and break-in, the last round and the end.
    Score PlayToScore = kPlayToChoice.byDefault;
    Score BreakInScore = kBreakInChoice.byDefault;
    int WentOut = kNone;
    bool GameOver = false;
    int Winner = 0;

    bool IsComputerTurn() const {
        return CurrentPlayer >= 0 && CurrentPlayer < kSeats && PlayerIsComputer[CurrentPlayer];
    }
    bool GameRunning() const { return CurrentPlayer != kNone; }
    // The current turn has rolled: dice lie free or in the tray, or the
    // roll's codes still stand. False from a pass (or the seating) until
    // the next roll.
    bool TurnUnderway() const {
        for (int i = 0; i < kSlots; ++i)
            if (DieFree[i] || TraySlotUsed[i] || DieCode[i] != ScoringCode::Nothing()) return true;
        return false;
    }

    bool operator==(const GameState&) const = default;
};

// The options the table reads; filled at start-up from the settings file.
// The skin's code is stored under the key "DieColor".
struct Settings {
    int PlayToScore = kPlayToChoice.byDefault;    // the new game dialog's choice
    int BreakInScore = kBreakInChoice.byDefault;  // likewise
    int ComputerFast = kSpeedChoice.byDefault;    // 0 Normal, 1 Fast, 2 Ridiculous
    bool SoundFXOFF = kSoundOffByDefault;
    bool SortDice = kSortDiceByDefault;
    bool MarkScorers = kMarkScorersByDefault;
    int DieSkin = kDefaultSkin;  // face v is picture DieSkin + v
    std::string TextColor = kDefaultTextColourText;
    int Zoom = kZoomNotChosen;  // the windows' zoom in percent; kZoomNotChosen: the first start's rule
    std::string TempPath;

    std::string ZarvelSound;
    std::string OneDieSound;
    std::string MultiDieSound;
    std::string MoveDieSound;
    std::string Passem1Sound;
    std::string Passem2Sound;
    std::string UndoSound;
    std::string GameOverSound;

    std::string OverTopSound() const { return TempPath + kOverTopSound.name; }
};

}  // namespace zarvel
