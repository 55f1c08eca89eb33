// Scoring codes of a roll, and the points and dice of a selection.
#pragma once

#include <string>
#include <vector>

#include "GameState.h"

namespace zarvel {

// Labels Dice(0..5) after a roll of n dice (slots n..5 hold 99).
void ScoreRoll(GameState& g, int n);

// Points for setting aside the die or group a code names; 0 for "0"/"99".
int CodePoints(const std::string& code);

// A code that may be set aside: "1", "5" or a letter "a".."z".
bool IsScoringCode(const std::string& code);

// Letter codes name a group; their dice move together.
bool IsGroupCode(const std::string& code);

// True when no die of the roll scores.
bool IsZarvel(const GameState& g);

// The slots set aside by a click on free scoring slot i, in move order.
std::vector<int> SelectionSlots(const GameState& g, int i);

}  // namespace zarvel
