#include <algorithm>

#include "Fixture.h"

namespace zarvel::test {
namespace {

// What the player sees and may do: open actions, status line, Roll, Pass.
struct View {
    std::string actions;
    Status status;
    bool roll, pass;
    bool undo = false;
    bool operator==(const View&) const = default;
    friend std::ostream& operator<<(std::ostream& o, const View& v) {
        return o << '"' << v.actions << "\" " << Text({v.status, v.undo, 0}) << " roll " << v.roll << " pass " << v.pass;
    }
};

class TurnTest : public TableTest {
protected:
    View Now() const {
        return {Letters(g.AllowedActions), board.status.status, board.rollEnabled, board.passEnabled, board.status.undo};
    }
};

// ---- after a roll ------------------------------------------------------------

TEST_F(TurnTest, AfterARollOnlyABrokenInPlayerWithDiceInTheTrayMayPass) {
    g.PlayerScore[0] = 600;
    g.PlayerScore[1] = 800;
    board.Clear();
    Roll({1, 2, 3, 4, 6, 6});  // broken in, but nothing in the tray yet
    EXPECT_EQ(board.statuses.front(), StatusLine{Status::Rolling});
    EXPECT_EQ(board.markers, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(Now(), (View{"s", Status::SelectDice, false, false}));
    EXPECT_EQ(g.SavedActions, Acts("s"));
    table.Picture1_Click(0);
    Roll({5, 2, 3, 4, 6});
    EXPECT_EQ(Now(), (View{"sp", Status::SelectOrPass, false, true}));  // Pass left as it was
    table.cmdPassDice_Click();
    EXPECT_EQ(g.PlayerScore[0], 700);  // the last roll's 5 is not banked

    // Bob, broken in with a die in the tray, rolls only scorers: he must take more.
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);
    Roll({1, 5, 5, 1, 5});
    EXPECT_EQ(Now(), (View{"s", Status::SelectDice, false, false}));
}

// ---- after a selection -----------------------------------------------------

TEST_F(TurnTest, EverySelectionRow) {
    Roll({1, 2, 3, 4, 6, 6});
    table.Picture1_Click(0);
    EXPECT_EQ(Now(), (View{"r", Status::BreakInNeeded, true, false}));  // 100, not broken in
    Roll({1, 1, 5, 2, 3});
    EXPECT_EQ(g.AllowedActions, Acts("s"));  // a die in the tray, but not broken in
    table.Picture1_Click(0);
    EXPECT_EQ(Now(), (View{"rs", Status::BreakInNeeded, true, false}));
    table.Picture1_Click(1);
    table.Picture1_Click(2);
    EXPECT_EQ(g.TurnScore, 350);
    Roll({5, 5});
    table.Picture1_Click(0);
    EXPECT_EQ(Now(), (View{"s", Status::SelectDice, false, false}));  // only a scorer is left
    table.Picture1_Click(1);
    EXPECT_EQ(Now(), (View{"r", Status::MustRoll, true, false}));
    table.Form_KeyUp(vk::Back);  // nothing to undo once every die of the roll is taken
    table.Picture1_Click(15);
    EXPECT_EQ(g.TurnScore, 450);
    EXPECT_EQ(board.status, StatusLine{Status::MustRoll});

    // Hot dice: the tray is emptied and six dice roll again.
    Roll({1, 5, 2, 3, 4, 4});
    EXPECT_EQ(g.HeldCount, 0);
    EXPECT_FALSE(g.TraySlotUsed[0]);
    EXPECT_EQ(board.pictures[10], 0);
    table.Picture1_Click(1);
    EXPECT_EQ(g.TurnScore, 500);
    EXPECT_EQ(Now(), (View{"rsp", Status::RollSelectOrPass, true, true}));  // just breaks in
    table.Picture1_Click(0);
    EXPECT_EQ(Now(), (View{"rp", Status::RollOrPass, true, true}));
}

// A group moves with a pause after each die, a single die without; a die
// that scores nothing beeps, and one no longer free or no box is ignored.
TEST_F(TurnTest, ClicksThatMoveDiceAndClicksThatAreRefusedOrIgnored) {
    Roll({1, 2, 1, 3, 1, 4});
    table.Picture1_Click(1);  // free, scores nothing
    EXPECT_EQ(board.beeps, 1);
    EXPECT_EQ(g.TurnScore, 0);
    board.Clear();
    table.Picture1_Click(2);
    EXPECT_EQ(g.TurnScore, 1000);
    EXPECT_EQ(board.turnScore, 1000);
    EXPECT_EQ(board.sleeps, (std::vector<int>{50, 200, 50, 200, 50, 200}));
    const auto after = g;
    table.Picture1_Click(0);  // no longer free
    table.Picture1_Click(7);  // no such box
    EXPECT_EQ(board.beeps, 1);
    EXPECT_EQ(g.TurnScore, after.TurnScore);
    EXPECT_EQ(g.TraySlotUsed, after.TraySlotUsed);
    Roll({5, 2, 3});
    board.Clear();
    table.Picture1_Click(0);
    EXPECT_EQ(board.sleeps, std::vector<int>{50});
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
    EXPECT_EQ(board.turnScore, 100);
    EXPECT_TRUE(g.DieFree[0] && g.DieFree[2] && board.markers[0] && board.markers[2]);
    EXPECT_TRUE(board.pictures[0] == 5 && board.pictures[2] == 1 && g.RolledDice[0] == 5);
    EXPECT_TRUE(g.TraySlotUsed[0]);     // the earlier roll's die stays
    EXPECT_FALSE(g.TraySlotUsed[1] || g.TraySlotUsed[2]);
    EXPECT_EQ(Now(), (View{"s", Status::SelectDice, false, false, true}));
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
        table.Picture1_Click(0);
        EXPECT_EQ(g.AllowedActions, Acts("rp"));
        EXPECT_EQ(board.rollEnabled || board.passEnabled, !computer);
        table.Picture1_Click(11);
        EXPECT_EQ(Now(), (computer ? View{"sp", Status::ComputerPlaying, false, false}
                                   : View{"sp", Status::SelectOrPass, false, true, true}));
        EXPECT_EQ(g.TurnScore, 100);
    }
}

// ---- the bust ----------------------------------------------------------------

std::vector<StatusLine> BustDisplay(bool quick) {
    std::vector<StatusLine> t;
    for (int i = 0; i < 3; ++i) t.insert(t.end(), {{Status::Zarvel}, {Status::Blank}});
    t.push_back({Status::Zarvel});
    // The passing text grows a letter at a time; a quick computer sees only
    // its last two steps.
    for (int letters = quick ? kPassingLetters - 1 : 1; letters <= kPassingLetters; ++letters)
        t.push_back({Status::ZarvelPassing, false, letters});
    return t;
}

// A human always sees the whole display and the dice pass once the roll is
// done, leaving the next turn fresh; a quick computer sees the short
// display, and every computer passes by itself.
TEST_F(TurnTest, BustDisplayAndWhoPasses) {
    for (int speed : {0, 1, 2}) {
        for (bool computer : {false, true}) {
            Seat({computer ? "*Hal" : "Ann", "Bob"});
            s.ComputerFast = speed;
            board.Clear();
            Roll({2, 2, 2, 2, 2, 2});
            table.Picture1_Click(0);
            Roll({2, 3, 4, 6, 2, 3});
            auto want = BustDisplay(computer && speed >= 1);
            want.insert(want.begin(), computer ? StatusLine{Status::ComputerPlaying, false, 0, 0} : StatusLine{Status::Rolling});
            if (!computer) want.push_back({Status::RollTheDice});
            const std::vector<StatusLine> shown(board.statuses.end() - long(want.size()), board.statuses.end());
            EXPECT_EQ(shown, want) << speed << computer;
            EXPECT_EQ(g.CurrentPlayer, computer ? 0 : 1);
            EXPECT_EQ(g.AllowedActions, Acts(computer ? "p" : "r"));
            // The bust's roll is undone by nothing: a computer's stays as the
            // roll left it, a human's next turn starts from nothing.
            EXPECT_EQ(g.SavedActions, Acts(computer ? "p" : ""));
            EXPECT_EQ(g.TurnScoreAtRoll, computer ? 1600 : 0);
            EXPECT_TRUE(g.PlayerScore[0] == 0 && board.turnScore == 0 && !board.busy);
        }
    }
}

// ---- what the status line tells ------------------------------------------------

// Before a player has broken in, points on the table cannot be banked: the
// status line says why Pass stays off, at this game's break-in. It keeps
// its prompt where the player must take dice or roll whatever the score.
TEST_F(TurnTest, PointsThatCannotBeBankedYetSayWhy) {
    for (Score breakIn : {500, 1000}) {
        s.BreakInScore = breakIn;
        Seat({"Ann", "Bob"});
        Roll({1, 5, 2, 3, 4, 4});
        EXPECT_EQ(board.status, StatusLine{Status::SelectDice});  // nothing taken yet
        table.Picture1_Click(0);
        const StatusLine why{Status::BreakInNeeded, false, 0, 0, breakIn};
        EXPECT_EQ(board.status, why);
        EXPECT_EQ(Now(), (View{"rs", Status::BreakInNeeded, true, false}));
        table.Picture1_Click(1);
        EXPECT_EQ(board.status, why);
        EXPECT_EQ(Now(), (View{"r", Status::BreakInNeeded, true, false}));
        // Undo names the restored actions, as it always does.
        table.Picture1_Click(10);
        EXPECT_EQ(board.status, (StatusLine{Status::SelectDice, true}));
        table.Picture1_Click(0);
        table.Picture1_Click(1);
        // Every die of the roll taken: roll, whatever the score.
        Roll({5, 5, 5, 1});
        for (int i = 0; i < 4; ++i) table.Picture1_Click(i);
        EXPECT_EQ(board.status, StatusLine{Status::MustRoll});
    }
    // Once the turn reaches the break-in, or the player is in, the prompts.
    s.BreakInScore = 500;
    Seat({"Ann", "Bob"});
    Roll({5, 5, 5, 2, 3, 4});
    table.Picture1_Click(0);
    EXPECT_EQ(Now(), (View{"rp", Status::RollOrPass, true, true}));
    g.PlayerScore[0] = 500;
    Roll({1, 2, 3});
    table.Picture1_Click(0);
    EXPECT_EQ(Now(), (View{"rp", Status::RollOrPass, true, true}));
}

// A computer's turn says whose it is from the moment it has the dice, and
// then only what happened: never a prompt meant for the player at the table.
TEST_F(TurnTest, AComputersTurnSaysWhoseItIsThenWhatHappened) {
    for (int speed : {0, 2}) {
        s.ComputerFast = speed;
        Seat({"*Hal", "Ann", "*Cy"});
        const StatusLine hal{Status::ComputerPlaying, false, 0, 0};
        EXPECT_EQ(board.status, hal);
        board.Clear();
        Roll({1, 5, 2, 3, 4, 4});
        table.Picture1_Click(0);
        table.Picture1_Click(1);  // 150: not yet on the board
        Roll({5, 5, 5, 1});
        table.Picture1_Click(3);
        table.Picture1_Click(0);
        table.Picture1_Click(10);  // an undo, as a computer never makes one
        table.Picture1_Click(0);
        for (const StatusLine& l : board.statuses) EXPECT_EQ(l, hal) << Text(l);
        EXPECT_EQ(g.TurnScore, 750);
        board.Clear();
        table.cmdPassDice_Click();
        // The bank first, seen through the pass's pause; then Ann's prompt.
        ASSERT_EQ(board.statuses.size(), 2u);
        EXPECT_EQ(board.statuses[0], (StatusLine{Status::Banked, false, 0, 0, 750}));
        EXPECT_EQ(board.statuses[1], StatusLine{Status::RollTheDice});
        if (speed == 0) {
            const auto bank = std::find(board.log.begin(), board.log.end(), "status Banked seat 0 750");
            ASSERT_NE(bank, board.log.end());
            EXPECT_NE(std::find(bank, board.log.end(), "sleep 1000"), board.log.end()) << "no pause after the bank";
        }

        // Ann banks too; then Cy busts: the Zarvel tells it, and its pass
        // adds nothing before the next prompt.
        Roll({1, 1, 1, 2, 3, 4});
        table.Picture1_Click(0);
        board.Clear();
        table.cmdPassDice_Click();
        EXPECT_EQ(board.statuses.front(), (StatusLine{Status::Banked, false, 0, 1, 1000}));
        EXPECT_EQ(board.statuses.back(), (StatusLine{Status::ComputerPlaying, false, 0, 2}));
        Roll({2, 2, 3, 3, 4, 6});
        EXPECT_EQ(board.status.status, Status::ZarvelPassing);
        board.Clear();
        table.cmdPassDice_Click();
        EXPECT_EQ(board.statuses, (std::vector<StatusLine>{hal}));
    }
}

// ---- keyboard ----------------------------------------------------------------

TEST_F(TurnTest, KeysActOnlyWhereAClickWouldAndNeverForAComputer) {
    g.PlayerScore[0] = 900;
    table.Form_KeyUp(vk::P);  // Pass disabled: nothing
    EXPECT_EQ(g.CurrentPlayer, 0);
    ScriptRoll(rng, {5, 2, 5, 3, 4, 6});
    table.Form_KeyUp(vk::R);
    EXPECT_EQ(Faces(6), (std::vector<int>{5, 2, 5, 3, 4, 6}));
    const auto draws = rng.Draws();
    table.Form_KeyUp(vk::R);  // Roll disabled after a roll
    table.Form_KeyUp(vk::Key1);  // no free 1: nothing
    EXPECT_EQ(board.beeps, 0);
    table.Form_KeyUp(vk::Key0 + 2);  // a free 2 that scores nothing: beep
    EXPECT_EQ(board.beeps, 1);
    table.Form_KeyUp(vk::Numpad0 + 5);  // the lowest free 5
    EXPECT_EQ(g.DieFree, (std::array<bool, 6>{false, true, true, true, true, true}));
    table.Form_KeyUp(vk::Key0 + 5);
    EXPECT_EQ(g.TurnScore, 100);
    table.Form_KeyUp(vk::Back);
    EXPECT_EQ(g.TurnScore, 0);
    table.Form_KeyUp(vk::Numpad0);  // Roll disabled after the undo
    EXPECT_EQ(rng.Draws(), draws);
    table.Form_KeyUp(vk::Key0 + 5);
    table.Form_KeyUp(vk::Key0 + 5);
    table.Form_KeyUp(vk::Decimal);
    EXPECT_EQ(g.PlayerScore[0], 1000);

    table.Form_KeyUp(vk::F2);
    table.Form_KeyUp(vk::Escape);
    table.Form_KeyUp(65);  // A does nothing
    EXPECT_EQ(heard.newGameRequests, 1);
    EXPECT_EQ(heard.endRequests, 1);

    // The dice keys do not play for a computer, nor undo what it took.
    Seat({"*Hal", "Ann"});
    s.ComputerFast = 2;
    Roll({1, 2, 3, 4, 6, 6});
    table.Form_KeyUp(vk::Key1);
    EXPECT_TRUE(g.DieFree[0]);
    EXPECT_EQ(g.TurnScore, 0);
    table.Picture1_Click(0);  // the computer takes its 1
    table.Form_KeyUp(vk::Back);
    EXPECT_FALSE(g.DieFree[0]);
    EXPECT_TRUE(g.TraySlotUsed[0]);
    EXPECT_EQ(g.TurnScore, 100);
}

}  // namespace
}  // namespace zarvel::test
