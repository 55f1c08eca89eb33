// How many scheduler steps a test lets one game of computers take.
#pragma once

#include <cstddef>

namespace zarvel::test {

// A game takes a few hundred steps; one that never ends fails at this cap
// within a second or so, instead of running on for hours.
inline constexpr std::size_t kStepsPerGame = 20'000;

}  // namespace zarvel::test
