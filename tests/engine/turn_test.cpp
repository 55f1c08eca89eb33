#include <algorithm>

#include "Fixture.h"

namespace zarvel::test {
namespace {

using TurnTest = TableTest;

struct Buttons {
    bool roll, pass;
    bool operator==(const Buttons&) const = default;
};

// ---- after a roll ------------------------------------------------------------

TEST_F(TurnTest, AfterARollOnlyABrokenInPlayerWithDiceInTheTrayMayPass) {
    g.PlayerScore[0] = 600;
    g.PlayerScore[1] = 800;
    board.Clear();
    Roll({1, 2, 3, 4, 6, 6});  // broken in, but nothing in the tray yet
    EXPECT_EQ(board.statuses.front(), "Rolling...");
    EXPECT_EQ(board.markers, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(g.AllowedActions, "s");
    EXPECT_EQ(g.SavedActions, "s");
    EXPECT_EQ(board.status, "Select Dice.");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{false, false}));
    table.Picture1_Click(0);
    EXPECT_EQ(g.AllowedActions, "rp");
    Roll({5, 2, 3, 4, 6});
    EXPECT_EQ(g.AllowedActions, "sp");
    EXPECT_EQ(board.status, "Select Dice or Pass Dice.");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{false, true}));  // Pass left as it was
    table.cmdPassDice_Click();
    EXPECT_EQ(g.PlayerScore[0], 700);  // the last roll's 5 is not banked

    // Bob, broken in with a die in the tray, rolls only scorers: he must take more.
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);
    Roll({1, 5, 5, 1, 5});
    EXPECT_EQ(g.AllowedActions, "s");
    EXPECT_EQ(board.status, "Select Dice.");
}

// ---- after a selection -----------------------------------------------------

TEST_F(TurnTest, EverySelectionRow) {
    // One 1 and one 5 from two dice: the 5 is left and it scores.
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);
    EXPECT_EQ(board.status, "Roll the dice.");  // 100, not broken in
    EXPECT_EQ(g.AllowedActions, "r");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{true, false}));

    Roll({1, 1, 5, 2, 3});  // three scorers among five
    EXPECT_EQ(g.AllowedActions, "s");  // a die in the tray, but not broken in
    table.Picture1_Click(0);
    EXPECT_EQ(g.AllowedActions, "rs");
    EXPECT_EQ(board.status, "Select dice or roll.");
    table.Picture1_Click(1);
    table.Picture1_Click(2);
    EXPECT_EQ(g.TurnScore, 350);
    EXPECT_EQ(g.AllowedActions, "r");

    Roll({5, 5});
    table.Picture1_Click(0);
    EXPECT_EQ(g.AllowedActions, "s");
    EXPECT_EQ(board.status, "Select Dice.");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{false, false}));
    table.Picture1_Click(1);
    EXPECT_EQ(g.AllowedActions, "r");
    EXPECT_EQ(board.status, "All dice score - You must roll.");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{true, false}));
    EXPECT_EQ(g.TurnScore, 450);

    // Hot dice: the tray is emptied and six dice roll again.
    Roll({1, 5, 2, 3, 4, 4});
    EXPECT_EQ(g.HeldCount, 0);
    EXPECT_FALSE(g.TraySlotUsed[0]);
    EXPECT_EQ(board.pictures[10], 0);
    table.Picture1_Click(0);
    EXPECT_EQ(g.AllowedActions, "rsp");  // 550 breaks in
    EXPECT_EQ(board.status, "Roll, select, or pass the dice.");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{true, true}));
    table.Picture1_Click(1);
    EXPECT_EQ(g.AllowedActions, "rp");
    EXPECT_EQ(board.status, "Roll or pass the dice.");
    EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{true, true}));
}

TEST_F(TurnTest, AGroupMovesWithAPauseAfterEachDie) {
    Roll({1, 2, 1, 3, 1, 4});
    board.Clear();
    table.Picture1_Click(2);
    EXPECT_EQ(g.TurnScore, 1000);
    EXPECT_EQ(board.CountSleeps(200), 3);
    EXPECT_EQ(board.CountSleeps(50), 3);
    EXPECT_EQ((std::array<int, 3>{g.TrayDice[0], g.TrayDice[1], g.TrayDice[2]}),
              (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(board.turnScore, "1000");

    // A single die moves without the group pause.
    Seat({"Ann", "Bob"});
    Roll({5, 2, 3, 4, 6, 6});
    board.Clear();
    table.Picture1_Click(0);
    EXPECT_EQ(board.sleeps, std::vector<int>{50});
}

TEST_F(TurnTest, ClicksThatAreRefusedOrIgnored) {
    Roll({2, 1, 3, 4, 6, 6});
    board.Clear();
    table.Picture1_Click(0);  // free, scores nothing
    EXPECT_EQ(board.beeps, 1);
    EXPECT_EQ(g.TurnScore, 0);
    table.Picture1_Click(1);
    const auto after = g;
    table.Picture1_Click(1);  // no longer free
    table.Picture1_Click(7);  // no such box
    EXPECT_EQ(board.beeps, 1);
    EXPECT_EQ(g.TurnScore, after.TurnScore);
    EXPECT_EQ(g.TraySlotUsed, after.TraySlotUsed);
}

// ---- undo --------------------------------------------------------------------

TEST_F(TurnTest, UndoBringsBackThisRollsDiceOnly) {
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);            // kept from the first roll
    Roll({5, 2, 1, 3, 4});
    const int atRoll = g.TurnScore;     // 100
    table.Picture1_Click(0);            // the 5
    table.Picture1_Click(2);            // the 1
    EXPECT_EQ(g.TurnScore, 250);
    board.Clear();
    table.Picture1_Click(12);           // any tray die of this roll
    EXPECT_EQ(g.TurnScore, atRoll);
    EXPECT_EQ(board.turnScore, "100");
    EXPECT_TRUE(g.DieFree[0] && g.DieFree[2]);
    EXPECT_EQ(board.pictures[0], 5);
    EXPECT_EQ(board.pictures[2], 1);
    EXPECT_EQ(g.RolledDice[0], 5);
    EXPECT_TRUE(board.markers[0] && board.markers[2]);
    EXPECT_TRUE(g.TraySlotUsed[0]);     // the earlier roll's die stays
    EXPECT_FALSE(g.TraySlotUsed[1] || g.TraySlotUsed[2]);
    EXPECT_EQ(g.AllowedActions, "s");
    EXPECT_EQ(board.status, "Select Dice. (Undo)");
    EXPECT_EQ(board.sounds, std::vector<std::string>{"undo.wav"});

    // Dice kept from earlier rolls never come back.
    board.Clear();
    table.Picture1_Click(10);
    EXPECT_TRUE(board.sounds.empty());
    EXPECT_TRUE(g.TraySlotUsed[0]);
}

TEST_F(TurnTest, UndoRestoresSelectOrPassAndTheButtonsAreAHumansOnly) {
    for (bool computer : {false, true}) {
        Seat({computer ? "*Hal" : "Ann", "Bob"});
        g.PlayerScore[0] = 700;
        Roll({1, 2, 3, 4, 6, 6});
        table.Picture1_Click(0);
        Roll({1, 2, 3, 4, 6});
        ASSERT_EQ(g.AllowedActions, "sp");
        table.Picture1_Click(0);
        EXPECT_EQ(g.AllowedActions, "rp");
        EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{!computer, !computer})) << computer;
        table.Picture1_Click(11);
        EXPECT_EQ(g.AllowedActions, "sp");
        EXPECT_EQ(board.status, "Select Dice or Pass Dice. (Undo)");
        EXPECT_EQ(g.TurnScore, 100);
        EXPECT_EQ((Buttons{board.rollEnabled, board.passEnabled}), (Buttons{false, !computer})) << computer;
    }
}

TEST_F(TurnTest, NothingToUndoOnceEveryDieOfTheRollIsTaken) {
    Roll({1, 5, 2, 3, 4, 4});
    table.Picture1_Click(0);
    table.Picture1_Click(1);
    Roll({1, 5, 2, 3});
    table.Picture1_Click(0);
    table.Picture1_Click(1);
    Roll({5, 1});
    table.Picture1_Click(0);
    table.Picture1_Click(1);
    board.Clear();
    table.Form_KeyUp(vk::Back);
    table.Picture1_Click(15);
    EXPECT_TRUE(board.sounds.empty());
    EXPECT_EQ(g.TurnScore, 450);
    EXPECT_EQ(board.status, "All dice score - You must roll.");
}

// ---- the bust ----------------------------------------------------------------

const std::vector<std::string> kGrowing = {
    "ZARVEL - P", "ZARVEL - Pa", "ZARVEL - Pas", "ZARVEL - Pass", "ZARVEL - Passi",
    "ZARVEL - Passin", "ZARVEL - Passing", "ZARVEL - Passing t", "ZARVEL - Passing th",
    "ZARVEL - Passing the", "ZARVEL - Passing the d", "ZARVEL - Passing the di",
    "ZARVEL - Passing the dic"};

std::vector<std::string> BustTexts(bool quick) {
    std::vector<std::string> t;
    for (int i = 0; i < 3; ++i) t.insert(t.end(), {"ZARVEL !!!", ""});
    t.push_back("ZARVEL !!!");
    if (!quick) t.insert(t.end(), kGrowing.begin(), kGrowing.end());
    t.insert(t.end(), {"ZARVEL - Passing the dice", "ZARVEL - Passing the dice."});
    return t;
}

TEST_F(TurnTest, HumanBustShowsTheWholeSequenceAndPassesAtOnce) {
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);
    board.Clear();
    ScriptRoll(rng, {2, 3, 4, 6, 6});
    table.cmdRoll_Click();

    auto texts = board.statuses;
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.front(), "Rolling...");
    EXPECT_EQ(texts.back(), "Roll the dice.");
    texts.erase(texts.begin());
    texts.pop_back();
    EXPECT_EQ(texts, BustTexts(false));
    // 250, 3 x (100 + 100), 300, 13 x 20, 20, 300, then the pass's 1000.
    const auto& sl = board.sleeps;
    ASSERT_GE(sl.size(), 24u);
    std::vector<int> bust(sl.end() - 24, sl.end());
    std::vector<int> expected = {250, 100, 100, 100, 100, 100, 100, 300};
    expected.insert(expected.end(), 13, 20);
    expected.insert(expected.end(), {20, 300, 1000});
    EXPECT_EQ(bust, expected);
    EXPECT_FALSE(board.busy);
    EXPECT_EQ(g.PlayerScore[0], 0);
    EXPECT_EQ(board.sounds.back(), "pass2.wav");
    EXPECT_EQ(g.CurrentPlayer, 1);
}

TEST_F(TurnTest, AfterAHumanBustTheNextTurnStartsCleanWhoeverItIs) {
    for (bool nextIsComputer : {false, true}) {
        Seat({"Ann", nextIsComputer ? "*Hal" : "Bob"});
        g.SavedActions = "old";
        g.TurnScoreAtRoll = 77;
        Roll({2, 3, 4, 6, 2, 3});
        EXPECT_EQ(g.CurrentPlayer, 1);
        EXPECT_EQ(g.AllowedActions, "r") << nextIsComputer;
        EXPECT_EQ(g.SavedActions, "old");
        EXPECT_EQ(g.TurnScoreAtRoll, 77);
        EXPECT_EQ(board.status, "Roll the dice.");
        EXPECT_EQ(board.rollEnabled, !nextIsComputer);
    }
}

TEST_F(TurnTest, ComputerBustWaitsForItsOwnPass) {
    for (int speed : {0, 1, 2}) {
        Seat({"*Hal", "Ann"});
        s.ComputerFast = speed;
        board.Clear();
        Roll({2, 3, 4, 6, 2, 3});
        EXPECT_EQ(g.AllowedActions, "p") << speed;
        EXPECT_EQ(g.SavedActions, "p");
        EXPECT_EQ(g.CurrentPlayer, 0);
        auto texts = board.statuses;
        ASSERT_FALSE(texts.empty());
        texts.erase(texts.begin());
        EXPECT_EQ(texts, BustTexts(speed >= 1)) << speed;
        EXPECT_EQ(board.turnScore, "0");
    }
}

// ---- keyboard ----------------------------------------------------------------

TEST_F(TurnTest, KeysActOnlyWhereAClickWould) {
    table.Form_KeyUp(vk::P);  // Pass disabled: nothing
    EXPECT_EQ(g.CurrentPlayer, 0);
    ScriptRoll(rng, {5, 2, 5, 3, 4, 6});
    table.Form_KeyUp(vk::R);
    EXPECT_EQ(g.Dice[0], 5);
    table.Form_KeyUp(vk::R);  // Roll disabled after a roll
    EXPECT_EQ(g.Dice[0], 5);
    table.Form_KeyUp(vk::Key1);  // no free 1: nothing
    EXPECT_EQ(board.beeps, 0);
    table.Form_KeyUp(vk::Key0 + 2);  // free 2 that scores nothing: beep
    EXPECT_EQ(board.beeps, 1);
    table.Form_KeyUp(vk::Numpad0 + 5);  // lowest free 5
    EXPECT_FALSE(g.DieFree[0]);
    EXPECT_TRUE(g.DieFree[2]);
    table.Form_KeyUp(vk::Key0 + 5);
    EXPECT_FALSE(g.DieFree[2]);
    EXPECT_EQ(g.TurnScore, 100);
    table.Form_KeyUp(vk::Back);
    EXPECT_EQ(g.TurnScore, 0);
    ScriptRoll(rng, {1, 2, 3, 4, 6, 6});
    table.Form_KeyUp(vk::Numpad0);  // roll disabled after the undo
    EXPECT_EQ(g.Dice[0], 5);

    table.Form_KeyUp(vk::F2);
    table.Form_KeyUp(vk::Escape);
    table.Form_KeyUp(65);  // A does nothing
    EXPECT_EQ(board.newGameRequests, 1);
    EXPECT_EQ(board.endRequests, 1);
}

TEST_F(TurnTest, KeyboardPassAndDecimalPoint) {
    g.PlayerScore[0] = 900;
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);
    table.Form_KeyUp(vk::Decimal);
    EXPECT_EQ(g.PlayerScore[0], 1000);
    EXPECT_EQ(g.CurrentPlayer, 1);
}

TEST_F(TurnTest, DiceKeysDoNotPlayForAComputer) {
    Seat({"*Hal", "Ann"});
    s.ComputerFast = 2;
    Roll({1, 2, 3, 4, 6, 6});
    table.Form_KeyUp(vk::Key1);
    table.Form_KeyUp(vk::Back);
    EXPECT_TRUE(g.DieFree[0]);
    EXPECT_EQ(g.TurnScore, 0);
}

}  // namespace
}  // namespace zarvel::test
