#include <algorithm>

#include "Fixture.h"

namespace zarvel::test {
namespace {

using DiceTest = TableTest;

TEST_F(DiceTest, OneDieHasItsOwnSoundARidiculousComputerNoneAndEveryFrameShowsBeforeItsPause) {
    table.RollDice(1);
    table.RollDice(2);
    EXPECT_EQ(board.sounds, (std::vector<std::string>{"one.wav", "multi.wav"}));
    int pauses = 0, afterAFace = 0;
    for (std::size_t i = 1; i < board.log.size(); ++i) {
        if (!board.log[i].starts_with("sleep")) continue;
        ++pauses;
        afterAFace += board.log[i - 1].starts_with("die ");
    }
    EXPECT_GT(pauses, 0);
    EXPECT_EQ(afterAFace, pauses);

    Seat({"*Hal", "Ann"});
    for (int speed : {1, 2}) {
        s.ComputerFast = speed;
        board.Clear();
        table.RollDice(2);
        EXPECT_EQ(board.sounds.empty(), speed == 2) << speed;
    }
}

TEST_F(DiceTest, RollFillsOnlyTheRolledSlotsAndSortsOnlyThem) {
    ScriptRoll(rng, {4, 6});
    table.RollDice(2);
    EXPECT_EQ(g.Dice, (std::array<int, 6>{4, 6, 99, 99, 99, 99}));
    EXPECT_EQ(g.RolledDice, (std::array<int, 6>{4, 6, 0, 0, 0, 0}));
    EXPECT_EQ(board.pictures[2], 0);

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

// A marker stands over each die of the roll that scores, and over nothing
// else: not over a die that scores nothing, nor a slot this roll left empty.
TEST_F(DiceTest, MarkersStandOverTheRollsScoringDiceOnly) {
    Roll({1, 5, 2, 3, 4, 4});
    EXPECT_EQ(board.markers, (std::array<bool, 6>{true, true, false, false, false, false}));
    table.Picture1_Click(0);
    table.Picture1_Click(1);
    Roll({2, 5, 3, 6});
    EXPECT_EQ(board.markers, (std::array<bool, 6>{false, true, false, false, false, false}));
    table.Picture1_Click(1);
    Roll({4, 4, 4});
    EXPECT_EQ(board.markers, (std::array<bool, 6>{true, true, true, false, false, false}));
    table.Picture1_Click(0);
    Roll({2, 2, 3, 4, 6, 5});  // every die set aside: six roll again
    EXPECT_EQ(board.markers, (std::array<bool, 6>{false, false, false, false, false, true}));
}

TEST_F(DiceTest, MovedDiceSlideToTheLowestFreeTraySlot) {
    ScriptRoll(rng, {1, 5, 1, 5, 1, 5});
    table.RollDice(6);
    for (int i = 0; i < 6; ++i) {
        board.Clear();
        table.MoveDie(i);
        EXPECT_EQ(g.TrayDice[i], g.Dice[i]);
        EXPECT_EQ(board.pictures[10 + i], g.Dice[i]);
        EXPECT_EQ(board.pictures[i] + g.RolledDice[i], 0);
        // Only the resting slot is marked: the slide leaves nothing behind.
        EXPECT_EQ(std::count(g.TraySlotUsed.begin(), g.TraySlotUsed.end(), true), i + 1);
    }
    // The sixth die entered at slot 5 and stayed there.
    EXPECT_EQ(board.log, (std::vector<std::string>{"sleep 50", "sound move.wav", "die 5=0", "die 15=5"}));

    s.SoundFXOFF = true;
    board.Clear();
    table.RollDice(4);
    table.MoveDie(0);
    EXPECT_TRUE(board.sounds.empty());
}

}  // namespace
}  // namespace zarvel::test
