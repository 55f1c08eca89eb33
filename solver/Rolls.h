// What a roll of one to six dice offers the player: its scoring groups, the
// ways of setting some of them aside, and, for the solver, every roll of k
// dice with its chance, gathered by what it offers.
//
// A roll is seen as the count of each face. The groups follow the game's
// scoring order: with six dice a straight (1500), three pairs (500) or six of
// a kind come first and take all six dice; then three, four and five of a
// kind (three of face v is worth 100 v, three 1s 1000; each further die
// doubles); then every 1 left over scores 100 and every 5 left over 50. A
// group is set aside whole: three 1s are one group of 1000, never three 100s.
#pragma once

#include <array>
#include <vector>

namespace zarvel::solver {

// Every score of the game is a multiple of 50; the solver counts in these steps.
constexpr int kStep = 50;
constexpr int kDice = 6;

// How many of each face a roll shows; index 0 is unused, 1..6 are the faces.
using FaceCounts = std::array<int, 7>;

FaceCounts CountFaces(const std::vector<int>& faces);
int DiceIn(const FaceCounts& counts);

// A scoring group: its dice (per face) are set aside together for its points.
struct Group {
    FaceCounts dice{};
    int points = 0;
    int size = 0;
};

// The groups of a roll, and how many of its dice score nothing.
struct RollScore {
    std::vector<Group> groups;
    int nonScoring = 0;
    bool IsZarvel() const { return groups.empty(); }
    bool AllScore() const { return !groups.empty() && nonScoring == 0; }
};

// Scores the roll whose faces are counted in `counts` (1 to 6 dice). The
// straight, three pairs and six of a kind exist only when six dice were rolled.
RollScore ScoreRoll(const FaceCounts& counts);

// One way to leave the roll: these dice set aside for these points.
struct Take {
    FaceCounts dice{};
    int points = 0;
    int size = 0;
};

// The ways the player may set dice aside from a roll, one per distinct
// (points, dice) pair, most points first. A player may never leave only
// scoring dice in the roll area, so while every die of the roll scores the
// only way is to take them all; otherwise any non-empty set of whole groups.
std::vector<Take> Takes(const RollScore& score);

// Every roll of k dice, gathered by what it offers. Rolls that offer the same
// takes (by points and dice) are one class; its chance is theirs summed.
struct RollClass {
    double chance = 0;
    // The roll has a die that scores nothing, so after it a player with dice
    // in the tray may pass without taking anything (if allowed to bank).
    bool hasNonScoring = false;
    struct Step {
        int points;  // in steps of 50
        int size;    // dice set aside
    };
    std::vector<Step> takes;
};
struct RollsOf {
    double zarvel = 0;      // chance that no die scores
    double allScore = 0;    // chance that every die scores (the roll must be taken whole)
    std::vector<RollClass> classes;
};

// The rolls of k = 1..6 dice, built once.
const RollsOf& Rolls(int k);

}  // namespace zarvel::solver
