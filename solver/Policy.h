// The best play from a situation within a turn, in plain numbers, and the
// chance to win if it is followed. The computer's Expert style, the hint and
// the tournament ask this; it knows nothing of the engine's state.
//
// Two seats: the play is exact (the solved table, Solver.h).
//
// More seats: no table of every seat's score is feasible, so the player
// plays the two-seat game against one opponent (OpponentFor):
//   - before anyone has gone out, against the strongest opponent, the one
//     with the highest banked score: the player to catch, or to stay ahead of;
//   - in the last round, to end strictly above the best final score so far:
//     the one who went out and everyone who has had their last turn since
//     (a tie with any of them loses: the one who went out wins ties, and so
//     does whoever comes earlier after them). Players still to take their
//     last turn after this one are not counted; for the last of them this is
//     exact.
// The chance it gives is then that of the two-seat game, not of the table.
#pragma once

#include <string>
#include <vector>

#include "Solver.h"

namespace zarvel::solver {

struct Situation {
    int target = 5000;
    int breakIn = 500;
    int mine = 0;              // the player's banked score
    int theirs = 0;            // the other's banked score
    bool theyWentOut = false;  // the other has gone out: `theirs` is the score to end above
    int turnTotal = 0;         // points set aside this turn so far
    // The dice of the current roll still in the roll area. Empty before the
    // first roll of the turn, and when all six are set aside.
    std::vector<int> freeDice;
    int inTray = 0;            // dice in the tray now, 0..6
    int takenFromRoll = 0;     // of those, set aside from the current roll
};

enum class Move { Roll, Pass, Take };

struct Advice {
    Move move = Move::Roll;
    // For Take: the faces to set aside from the free dice, lowest first
    // (whole groups), and what to do once they are set aside: Roll or Pass.
    std::vector<int> take;
    int takePoints = 0;
    Move then = Move::Roll;
    // The chance to win from here with the best play.
    double winChance = 0;
    // Set when the situation cannot arise in a game; then nothing else is.
    std::string invalid;
    bool Valid() const { return invalid.empty(); }
};

// The best play. `table` must be solved for the situation's target and
// break-in (the last round needs only its rules).
Advice BestPlay(const Table& table, const Situation& situation);

// A turn solved once and asked many times, as a player asks through a turn:
// built for the scores at the turn's start, it answers every situation of
// that turn. A situation of another turn, or past the totals it solved, is
// answered by solving afresh.
class TurnPlan {
public:
    TurnPlan(const Table& table, const Situation& turnStart);
    Advice Advise(const Situation& situation) const;

private:
    const Table* table_;
    Situation start_;
    TurnValues turn_;
};

// The same from a turn already solved (Turn.h), for callers that ask many
// times within one turn: total t in steps of 50, the free dice, whether
// nothing has been taken from their roll yet, and the dice in the tray.
// The situation must be one BestPlay accepts.
Advice Decide(const TurnValues& turn, int t, const std::vector<int>& freeDice, bool justRolled, int inTray);

// The one opponent a seat plays against: scores of every seat in turn order,
// the seat to play, and the seat that went out (-1: nobody yet).
struct Opponent {
    int score = 0;
    bool wentOut = false;
};
Opponent OpponentFor(const std::vector<int>& scores, int seat, int wentOut);

}  // namespace zarvel::solver
