#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Notation.h"
#include "Scoring.h"

namespace zarvel {
namespace {

// The codes of a roll of these faces, in the letters of Notation.h.
std::vector<std::string> Codes(std::vector<int> faces) {
    const int n = static_cast<int>(faces.size());
    Faces dice{};
    for (int i = 0; i < kSlots; ++i) dice[i] = i < n ? faces[i] : kNone;
    std::vector<std::string> letters;
    for (ScoringCode c : ScoreRoll(dice, n)) letters.push_back(Letters(c));
    return letters;
}

void Roll(GameState& g, int n) { g.DieCode = ScoreRoll(g.Dice, n); }

using V = std::vector<std::string>;

TEST(ScoringCodes, SinglesAndFewerThanSixDice) {
    EXPECT_EQ(Codes({2}), (V{"0", "99", "99", "99", "99", "99"}));
    EXPECT_EQ(Codes({5}), (V{"5", "99", "99", "99", "99", "99"}));
    EXPECT_EQ(Codes({1, 5, 3, 4, 6, 6}), (V{"1", "5", "0", "0", "0", "0"}));
    // Straights and three pairs need all six dice.
    EXPECT_EQ(Codes({1, 2, 3, 4, 5}), (V{"1", "0", "0", "0", "5", "99"}));
    EXPECT_EQ(Codes({2, 2, 3, 3}), (V{"0", "0", "0", "0", "99", "99"}));
    EXPECT_EQ(Codes({5, 5, 5, 1}), (V{"e", "e", "e", "1", "99", "99"}));
}

TEST(ScoringCodes, KindsOfEveryFaceAndSize) {
    for (int face = 1; face <= 6; ++face) {
        for (int size = 3; size <= 6; ++size) {
            std::vector<int> faces(size, face);
            const char block = "xxxagms"[size];
            const std::string letter(1, static_cast<char>(block + face - 1));
            const auto codes = Codes(faces);
            for (int i = 0; i < size; ++i) EXPECT_EQ(codes[i], letter) << face << " x" << size;
        }
    }
}

TEST(ScoringCodes, SixDicePatternsAndPrecedence) {
    EXPECT_EQ(Codes({1, 2, 3, 4, 5, 6}), V(6, "y"));
    EXPECT_EQ(Codes({6, 4, 2, 5, 3, 1}), V(6, "y"));
    // Three pairs outrank the singles they contain.
    EXPECT_EQ(Codes({1, 1, 5, 5, 2, 2}), V(6, "z"));
    // Four of a kind and a pair is not three pairs.
    EXPECT_EQ(Codes({2, 2, 2, 2, 3, 3}), (V{"h", "h", "h", "h", "0", "0"}));
    EXPECT_EQ(Codes({1, 1, 1, 1, 5, 5}), (V{"g", "g", "g", "g", "5", "5"}));
    EXPECT_EQ(Codes({3, 4, 3, 4, 3, 4}), (V{"c", "d", "c", "d", "c", "d"}));
    EXPECT_EQ(Codes({1, 1, 1, 2, 3, 4}), (V{"a", "a", "a", "0", "0", "0"}));
    EXPECT_EQ(Codes({5, 5, 5, 5, 5, 1}), (V{"q", "q", "q", "q", "q", "1"}));
}

// Three of a kind is worth 100 x face, three 1s 1000; four, five and six of
// a kind double it each time.
TEST(ScoringPoints, EveryCode) {
    const int three[6] = {1000, 200, 300, 400, 500, 600};
    const int times[4] = {1, 2, 4, 8};
    for (int size = 0; size < 4; ++size)
        for (int f = 0; f < 6; ++f) EXPECT_EQ(Code(std::string(1, 'a' + 6 * size + f)).Points(), three[f] * times[size]);
    const std::pair<const char*, int> others[] = {{"1", 100}, {"5", 50}, {"y", 1500}, {"z", 500}, {"0", 0}, {"99", 0}};
    for (auto [code, points] : others) EXPECT_EQ(Code(code).Points(), points) << code;
    // Only dice that score move, and only a group's move together.
    for (const char* c : {"1", "5"}) EXPECT_TRUE(Code(c).Scores() && !Code(c).IsGroup()) << c;
    for (const char* c : {"a", "l", "x", "y", "z"}) EXPECT_TRUE(Code(c).Scores() && Code(c).IsGroup()) << c;
    for (const char* c : {"0", "99"}) EXPECT_FALSE(Code(c).Scores() || Code(c).IsGroup()) << c;
}

TEST(ScoringSelection, GroupsMoveTogetherStraightsInFaceOrder) {
    GameState g;
    g.Dice = {6, 2, 4, 1, 5, 3};
    Roll(g, 6);
    g.DieFree.fill(true);
    EXPECT_EQ(SelectionSlots(g, 0), (SlotList{3, 1, 5, 2, 4, 0}));

    g.Dice = {5, 2, 5, 2, 1, 1};
    Roll(g, 6);
    EXPECT_EQ(SelectionSlots(g, 1), (SlotList{4, 5, 1, 3, 0, 2}));

    g.Dice = {5, 5, 1, 5, 99, 99};
    Roll(g, 4);
    EXPECT_EQ(SelectionSlots(g, 3), (SlotList{0, 1, 3}));
    EXPECT_EQ(SelectionSlots(g, 2), (SlotList{2}));
    // A die already in the tray stays there.
    g.DieFree[1] = false;
    EXPECT_EQ(SelectionSlots(g, 0), (SlotList{0, 3}));
    EXPECT_TRUE(SelectionSlots(g, 4).empty());
}

}  // namespace
}  // namespace zarvel
