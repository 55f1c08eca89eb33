// The Expert: the best play there is, from the solved two-player game
// (solver/). The same advice serves the Expert's turns and a human's hint.
//
// Two seats: the advice is exact. More seats: the player plays the
// two-seat game against one opponent (OpponentFor: the highest other score
// before anyone has gone out, the best finished score in the last round);
// the chance it gives is that game's.
//
// A turn is solved once, at its first question, and every later question of
// the same turn is answered from it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Policy.h"
#include "Scoring.h"
#include "Styles.h"

namespace zarvel {

// The solved table for a game's rules; null while it is not ready yet.
using ExpertTableSource = std::function<std::shared_ptr<const solver::Table>(const solver::Rules&)>;

solver::Rules RulesOf(const GameState& g);

// More than two seats: the advice plays one opponent only.
inline bool AdviceIsApproximate(const GameState& g) { return g.NumPlayers > 2; }

// Where the player whose turn it is stands: its banked score against the
// one opponent that counts, the turn's total, the dice of the roll still
// free, and the dice in the tray.
solver::Situation SituationOf(const GameState& g);

// The slots to click to set these faces aside from the free dice: one
// click per single die or group, lowest slot first. Empty when the faces
// are not whole groups of the free dice.
SlotList SlotsToTake(const GameState& g, const std::vector<int>& faces);

// The best play for whoever's turn it is.
class TurnAdvisor {
public:
    // The advice in the current player's situation, from `table` (solved for
    // the game's rules). The turn is solved at its first question.
    solver::Advice Advise(const GameState& g, std::shared_ptr<const solver::Table> table);
    // Turns solved so far: one per turn asked about.
    std::uint64_t TurnsSolved() const { return turnsSolved_; }

private:
    std::shared_ptr<const solver::Table> table_;
    solver::Situation start_;  // the turn the plan is for
    std::optional<solver::TurnPlan> plan_;
    std::uint64_t turnsSolved_ = 0;
};

// One step of the Expert's turn: the advice, carried out as the open
// actions allow. A lone open roll or pass needs no advice. Nothing when
// the advice does not fit the state (it never should).
std::optional<BotStep> Bot_Expert(const GameState& g, const std::function<solver::Advice()>& advise);

}  // namespace zarvel
