// Self-play: the best play against itself over many two-seat games, by the
// rules as the solver models them, to check the table's W(0, 0) (the first
// seat's chance) by counting.
#pragma once

#include <cstdint>

#include "Solver.h"

namespace zarvel::solver {

struct SelfPlay {
    long games = 0;
    long firstSeatWins = 0;
    double Share() const { return games ? double(firstSeatWins) / games : 0; }
    // Half the width of the 95 % interval of the share (normal approximation).
    double HalfWidth95() const;
};

// Plays `games` games, each with dice of its own drawn from (seed, game
// number), so a seed gives the same count however the games are scheduled.
SelfPlay SimulateSelfPlay(const Table& table, long games, std::uint64_t seed);

}  // namespace zarvel::solver
