// A game in progress as text, so that a restart can put it back on the
// table: every value of the rules' state that a game in play holds, one
// line a value, headed by the layout's version. Reading it trusts nothing:
// a text that was damaged or edited by hand, or that describes a game the
// rules could not have reached, is refused with the reason.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "GameState.h"

namespace zarvel {

// The layout EncodeState writes; DecodeState reads this one only.
inline constexpr int kStateFormat = 1;

// Players a saved game may seat (the new game dialog's rows).
inline constexpr int kMaxSavedPlayers = 8;
// Highest score or target a saved game may hold: any two of them added
// still fit a Score.
inline constexpr Score kMaxSavedScore = 1'000'000'000;

// The state of a game in play (CurrentPlayer a seat, not over).
std::string EncodeState(const GameState& state);

struct DecodedState {
    enum class Trouble {
        None,
        Damaged,  // not a state this program wrote, or one the rules never reach
        Newer,    // written in a later layout by a newer version
    };
    std::optional<GameState> state;
    Trouble trouble = Trouble::None;
    std::string why;  // in English, for a report: what was wrong, and where
};

// The state EncodeState wrote, checked value by value and as a whole
// (seats, scores, dice, tray, codes and open actions agree with each
// other and with the rules); nothing but the reason when it is not one.
DecodedState DecodeState(std::string_view text);

// A die's code as written in a snapshot, by the letters it was once known
// by: "0" scores nothing, "99" no die, "1" and "5" singles, "a".."x" three
// to six of a kind (by face within each block of six), "y" a straight,
// "z" three pairs.
std::string CodeText(ScoringCode code);
std::optional<ScoringCode> CodeFromText(std::string_view text);

}  // namespace zarvel
