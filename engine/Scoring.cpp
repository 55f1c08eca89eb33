#include "Scoring.h"

#include <array>

namespace zarvel {

namespace {

std::string Letter(char blockStart, int face) {
    return std::string(1, static_cast<char>(blockStart + face - 1));
}

// Points of three of a kind of a face; four, five and six double each time.
int TriplePoints(int face) { return face == 1 ? 1000 : 100 * face; }

}  // namespace

void ScoreRoll(GameState& g, int n) {
    for (auto& c : g.DieCode) c = "0";
    for (int i = 0; i < kSlots; ++i)
        if (g.Dice[i] == kNone) g.DieCode[i] = "99";

    std::array<int, 7> count{};
    for (int i = 0; i < kSlots; ++i)
        if (g.Dice[i] >= 1 && g.Dice[i] <= 6) ++count[g.Dice[i]];

    // Later steps never overwrite a code an earlier step has set.
    auto setFace = [&](int face, const std::string& code) {
        for (int i = 0; i < kSlots; ++i)
            if (g.Dice[i] == face && g.DieCode[i] == "0") g.DieCode[i] = code;
    };
    auto setAll = [&](const std::string& code) {
        for (auto& c : g.DieCode)
            if (c == "0") c = code;
    };

    if (n == 6) {
        bool straight = true, pairs = true;
        for (int f = 1; f <= 6; ++f) {
            if (count[f] != 1) straight = false;
            if (count[f] != 0 && count[f] != 2) pairs = false;
        }
        if (straight) setAll("y");
        if (pairs) setAll("z");
        for (int f = 1; f <= 6; ++f)
            if (count[f] == 6) setFace(f, Letter('s', f));
    }
    for (int f = 1; f <= 6; ++f)
        if (count[f] == 3) setFace(f, Letter('a', f));
    for (int f = 1; f <= 6; ++f)
        if (count[f] == 4) setFace(f, Letter('g', f));
    for (int f = 1; f <= 6; ++f)
        if (count[f] == 5) setFace(f, Letter('m', f));
    for (int i = 0; i < kSlots; ++i) {
        if (g.DieCode[i] != "0") continue;
        if (g.Dice[i] == 1) g.DieCode[i] = "1";
        if (g.Dice[i] == 5) g.DieCode[i] = "5";
    }
}

int CodePoints(const std::string& code) {
    if (code == "1") return 100;
    if (code == "5") return 50;
    if (code.size() != 1) return 0;
    const char c = code[0];
    if (c >= 'a' && c <= 'x') {
        const int block = (c - 'a') / 6;  // 0 three, 1 four, 2 five, 3 six of a kind
        const int face = (c - 'a') % 6 + 1;
        return TriplePoints(face) << block;
    }
    if (c == 'y') return 1500;
    if (c == 'z') return 500;
    return 0;
}

bool IsScoringCode(const std::string& code) {
    return code == "1" || code == "5" || IsGroupCode(code);
}

bool IsGroupCode(const std::string& code) {
    return code.size() == 1 && code[0] >= 'a' && code[0] <= 'z';
}

bool IsZarvel(const GameState& g) {
    for (const auto& c : g.DieCode)
        if (c != "0" && c != "99") return false;
    return true;
}

std::vector<int> SelectionSlots(const GameState& g, int i) {
    const std::string& code = g.DieCode[i];
    if (code == "1" || code == "5") return {i};
    std::vector<int> slots;
    if (code == "y" || code == "z") {
        // Straights and three pairs go to the tray in face order.
        for (int f = 1; f <= 6; ++f)
            for (int s = 0; s < kSlots; ++s)
                if (g.Dice[s] == f && g.DieCode[s] == code && g.DieFree[s]) slots.push_back(s);
        return slots;
    }
    if (IsGroupCode(code)) {
        for (int s = 0; s < kSlots; ++s)
            if (g.DieCode[s] == code && g.DieFree[s]) slots.push_back(s);
    }
    return slots;
}

}  // namespace zarvel
