#include "EngineScoring.h"

#include <algorithm>
#include <map>

#include "Scoring.h"

namespace zarvel::test {

EngineRoll EngineScore(const std::vector<int>& faces) {
    const int n = int(faces.size());
    Faces dice{};
    for (int i = 0; i < kSlots; ++i) dice[std::size_t(i)] = i < n ? faces[std::size_t(i)] : kNone;
    const Codes codes = ScoreRoll(dice, n);

    EngineRoll roll;
    // Dice of one combination share a code; two triples have two codes.
    std::map<int, EngineGroup> groups;
    for (int i = 0; i < n; ++i) {
        const ScoringCode code = codes[std::size_t(i)];
        if (!code.Scores()) {
            ++roll.nonScoring;
        } else if (code.IsGroup()) {
            EngineGroup& group = groups[int(code.kind()) * 100 + code.count() * 10 + code.face()];
            group.faces.push_back(faces[std::size_t(i)]);
            group.points = code.Points();
        } else {
            roll.groups.push_back({{faces[std::size_t(i)]}, code.Points()});
        }
    }
    for (auto& [key, group] : groups) {
        std::sort(group.faces.begin(), group.faces.end());
        roll.groups.push_back(group);
    }
    std::sort(roll.groups.begin(), roll.groups.end());
    return roll;
}

}  // namespace zarvel::test
