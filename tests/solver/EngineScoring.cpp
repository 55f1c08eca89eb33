#include "EngineScoring.h"

#include <algorithm>
#include <map>
#include <string>

#include "GameState.h"
#include "Scoring.h"

namespace zarvel::test {

EngineRoll EngineScore(const std::vector<int>& faces) {
    GameState g;
    const int n = int(faces.size());
    for (int i = 0; i < kSlots; ++i) g.Dice[i] = i < n ? faces[i] : kNone;
    ScoreRoll(g, n);

    EngineRoll roll;
    std::map<std::string, EngineGroup> letters;
    for (int i = 0; i < n; ++i) {
        const std::string& code = g.DieCode[i];
        if (!IsScoringCode(code)) {
            ++roll.nonScoring;
        } else if (IsGroupCode(code)) {
            EngineGroup& group = letters[code];
            group.faces.push_back(faces[i]);
            group.points = CodePoints(code);
        } else {
            roll.groups.push_back({{faces[i]}, CodePoints(code)});
        }
    }
    for (auto& [code, group] : letters) {
        std::sort(group.faces.begin(), group.faces.end());
        roll.groups.push_back(group);
    }
    std::sort(roll.groups.begin(), roll.groups.end());
    return roll;
}

}  // namespace zarvel::test
