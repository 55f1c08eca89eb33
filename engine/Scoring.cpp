#include "Scoring.h"

namespace zarvel {

Codes ScoreRoll(const Faces& faces, int n) {
    Codes codes{};
    std::array<int, 7> count{};
    for (int i = 0; i < kSlots; ++i) {
        if (i >= n || faces[i] < 1 || faces[i] > 6)
            codes[i] = ScoringCode::NoDie();
        else
            ++count[faces[i]];
    }

    // A die keeps the first code it is given: six-dice patterns, then
    // three, four and five of a kind, then singles.
    auto setAll = [&](ScoringCode code) {
        for (auto& c : codes)
            if (c == ScoringCode::Nothing()) c = code;
    };
    auto setFace = [&](int face, ScoringCode code) {
        for (int i = 0; i < kSlots; ++i)
            if (faces[i] == face && codes[i] == ScoringCode::Nothing()) codes[i] = code;
    };
    if (n == kSlots) {
        bool straight = true, pairs = true;
        for (int f = 1; f <= 6; ++f) {
            if (count[f] != 1) straight = false;
            if (count[f] != 0 && count[f] != 2) pairs = false;  // four and two is not three pairs
        }
        if (straight) setAll(ScoringCode::Straight());
        if (pairs) setAll(ScoringCode::ThreePairs());
        for (int f = 1; f <= 6; ++f)
            if (count[f] == 6) setFace(f, ScoringCode::OfAKind(6, f));
    }
    for (int kind = 3; kind <= 5; ++kind)
        for (int f = 1; f <= 6; ++f)
            if (count[f] == kind) setFace(f, ScoringCode::OfAKind(kind, f));
    setFace(1, ScoringCode::Single(1));
    setFace(5, ScoringCode::Single(5));
    return codes;
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
