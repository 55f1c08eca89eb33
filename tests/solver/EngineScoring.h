// The engine's scoring of a roll in plain numbers, for checking the solver's
// own against it. The one place the solver's tests reach into the engine.
#pragma once

#include <vector>

namespace zarvel::test {

struct EngineGroup {
    std::vector<int> faces;  // lowest first
    int points = 0;
    bool operator==(const EngineGroup&) const = default;
    bool operator<(const EngineGroup& o) const { return points != o.points ? points < o.points : faces < o.faces; }
};

struct EngineRoll {
    std::vector<EngineGroup> groups;  // sorted
    int nonScoring = 0;
};

// Scores `faces` (1 to 6 dice) as the engine scores a roll of that many dice.
EngineRoll EngineScore(const std::vector<int>& faces);

}  // namespace zarvel::test
