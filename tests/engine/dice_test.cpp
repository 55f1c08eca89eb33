#include <algorithm>
#include <map>

#include "Fixture.h"

namespace zarvel::test {
namespace {

using DiceTest = TableTest;

TEST_F(DiceTest, AnimationFramesPausesAndSoundByDiceCount) {
    const int frames[7] = {0, 20, 15, 10, 8, 7, 5};
    const int pause[7] = {0, 20, 15, 13, 13, 11, 10};
    for (int n = 1; n <= 6; ++n) {
        board.Clear();
        table.RollDice(n);
        EXPECT_EQ(board.CountSleeps(pause[n]), frames[n] * n) << n;
        EXPECT_EQ(static_cast<int>(board.sleeps.size()), frames[n] * n) << n;
        ASSERT_EQ(board.sounds.size(), 1u);
        EXPECT_EQ(board.sounds[0], n == 1 ? "one.wav" : "multi.wav");
        // Every animation frame is shown before its pause.
        EXPECT_EQ(board.log[6].rfind("sound", 0), 0u);
        EXPECT_EQ(board.log[7].rfind("die 0=", 0), 0u);
        EXPECT_EQ(board.log[8], "sleep " + std::to_string(pause[n]));
    }
}

TEST_F(DiceTest, FastComputerRollsWithoutAnimationOrSound) {
    Seat({"*Hal", "Ann"});
    s.ComputerFast = 2;
    ScriptRoll(rng, {1, 2, 3}, false);
    table.RollDice(3);
    EXPECT_TRUE(board.sleeps.empty());
    EXPECT_TRUE(board.sounds.empty());
    EXPECT_EQ(Faces(3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(rng.Pending(), 0u);

    // A quick (not fast) computer still animates.
    s.ComputerFast = 1;
    board.Clear();
    table.RollDice(2);
    EXPECT_EQ(board.CountSleeps(15), 30);
}

TEST_F(DiceTest, RollFillsOnlyTheRolledSlots) {
    ScriptRoll(rng, {4, 6});
    table.RollDice(2);
    EXPECT_EQ(g.Dice, (std::array<int, 6>{4, 6, 99, 99, 99, 99}));
    EXPECT_EQ(g.RolledDice, (std::array<int, 6>{4, 6, 0, 0, 0, 0}));
    EXPECT_EQ(board.pictures[2], 0);
}

TEST_F(DiceTest, SortingStaysWithinTheRolledDice) {
    s.SortDice = true;
    ScriptRoll(rng, {5, 1, 3});
    table.RollDice(3);
    EXPECT_EQ(g.Dice, (std::array<int, 6>{1, 3, 5, 99, 99, 99}));
    EXPECT_EQ((std::array<int, 3>{board.pictures[0], board.pictures[1], board.pictures[2]}),
              (std::array<int, 3>{1, 3, 5}));

    g.Dice = {6, 4, 2, 1, 3, 5};
    table.Bubble(4);
    EXPECT_EQ(g.Dice, (std::array<int, 6>{1, 2, 4, 6, 3, 5}));
}

TEST_F(DiceTest, DrawCountsAndFairnessOfTheFaceRoutines) {
    const auto before = rng.Draws();
    table.GetDie2();
    EXPECT_EQ(rng.Draws() - before, 300u);
    table.RandomNumber(6);
    EXPECT_EQ(rng.Draws() - before, 1050u);

    UniformRandom uniform(42);
    Table fair(g, s, board, uniform);
    std::map<int, int> shuffled, last;
    for (int i = 0; i < 6000; ++i) {
        ++shuffled[fair.GetDie2()];
        ++last[fair.RandomNumber(6)];
    }
    for (int f = 1; f <= 6; ++f) {
        EXPECT_NEAR(shuffled[f], 1000, 150) << f;
        EXPECT_NEAR(last[f], 1000, 150) << f;
    }
    EXPECT_EQ(shuffled.size(), 6u);
}

TEST_F(DiceTest, MovedDiceSlideToTheLowestFreeTraySlot) {
    ScriptRoll(rng, {1, 5, 1, 5, 1, 5});
    table.RollDice(6);
    for (int i = 0; i < 6; ++i) {
        board.Clear();
        table.MoveDie(i);
        EXPECT_TRUE(g.TraySlotUsed[i]);
        EXPECT_EQ(g.TrayDice[i], g.Dice[i]);
        EXPECT_EQ(board.pictures[10 + i], g.Dice[i]);
        EXPECT_EQ(board.pictures[i], 0);
        EXPECT_EQ(g.RolledDice[i], 0);
        // Only the resting slot is marked: nothing is left behind by the slide.
        EXPECT_EQ(std::count(g.TraySlotUsed.begin(), g.TraySlotUsed.end(), true), i + 1);
        EXPECT_EQ(board.sleeps, std::vector<int>{50});
        EXPECT_EQ(board.sounds, std::vector<std::string>{"move.wav"});
    }
    // The sixth die entered at slot 5 and stayed there.
    EXPECT_EQ(board.log, (std::vector<std::string>{"sleep 50", "sound move.wav", "die 5=0", "die 15=5"}));
}

TEST_F(DiceTest, DividerPositionsFollowTheTray) {
    const int expected[7] = {-1, 545, 1145, 1745, 2345, 2945, -1};
    for (int k = 0; k <= 6; ++k) {
        table.ShowDivider(k);
        EXPECT_EQ(board.dividerLeft, expected[k]) << k;
    }
}

TEST_F(DiceTest, SoundOffSilencesTheRoll) {
    s.SoundFXOFF = true;
    table.RollDice(4);
    table.MoveDie(0);
    EXPECT_TRUE(board.sounds.empty());
}

}  // namespace
}  // namespace zarvel::test
