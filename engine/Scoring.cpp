#include "Scoring.h"

namespace zarvel {

Codes ScoreRoll(const Faces& faces, int n) {
    Codes codes;
    ScoreRoll(faces, n, codes);
    return codes;
}

void ScoreRoll(const Faces& faces, int n, Codes& codes) {
    // The rolled faces (1..6; anything else is no die) and their counts.
    std::array<int, kSlots> face{};
    std::array<int, 8> count{};
    for (int i = 0; i < kSlots; ++i) {
        const bool rolled = i < n && faces[i] >= 1 && faces[i] <= 6;
        face[i] = rolled ? faces[i] : 0;
        ++count[face[i]];
    }

    // A die belongs to one combination at most, and the first that claims
    // it keeps it: a straight or three pairs take all six dice; otherwise
    // three to six of a kind take their face; a 1 or 5 left over scores
    // alone. So one code per face decides every die.
    bool straight = true, pairs = true;
    for (int f = 1; f <= 6; ++f) {
        straight &= count[f] == 1;
        pairs &= count[f] == 0 || count[f] == 2;  // four and two is not three pairs
    }
    std::array<ScoringCode, 7> byFace{};
    byFace[0] = ScoringCode::NoDie();
    for (int f = 1; f <= 6; ++f) {
        const ScoringCode single = f == 1 || f == 5 ? ScoringCode::Single(f) : ScoringCode::Nothing();
        byFace[f] = count[f] >= 3 ? ScoringCode::OfAKind(count[f], f) : count[f] > 0 ? single : ScoringCode::Nothing();
    }
    if (count[0] == 0 && (straight || pairs))
        for (int f = 1; f <= 6; ++f) byFace[f] = straight ? ScoringCode::Straight() : ScoringCode::ThreePairs();

    for (int i = 0; i < kSlots; ++i) codes[i] = byFace[face[i]];
}

bool IsZarvel(const Codes& codes) {
    for (const ScoringCode& c : codes)
        if (c.Scores()) return false;
    return true;
}

SlotList SelectionSlots(const GameState& g, int i) {
    const ScoringCode code = g.DieCode[i];
    SlotList slots;
    if (!code.Scores()) return slots;
    if (!code.IsGroup()) {
        slots.push_back(i);
        return slots;
    }
    if (code.kind() == ScoringCode::Kind::OfAKind) {
        for (int s = 0; s < kSlots; ++s)
            if (g.DieCode[s] == code && g.DieFree[s]) slots.push_back(s);
        return slots;
    }
    // Straights and three pairs go to the tray in face order.
    for (int f = 1; f <= 6; ++f)
        for (int s = 0; s < kSlots; ++s)
            if (g.Dice[s] == f && g.DieCode[s] == code && g.DieFree[s]) slots.push_back(s);
    return slots;
}

}  // namespace zarvel
