#include "Fixture.h"

namespace zarvel::test {
namespace {

class Game : public TableTest {
protected:
    // A turn: roll the faces, click the slots, then pass.
    void Turn(const std::vector<int>& faces, const std::vector<int>& clicks) {
        Roll(faces);
        for (int c : clicks) table.Picture1_Click(c);
        ASSERT_TRUE(board.passEnabled) << "turn of " << g.CurrentPlayer << " may not pass";
        table.cmdPassDice_Click();
    }
    // Gives the current player a banked total directly and moves on.
    void Bank(int score) {
        g.PlayerScore[g.CurrentPlayer] = score - 1000;
        Turn({1, 1, 1, 2, 3, 4}, {0});
    }
};

TEST_F(Game, BankingAddsTheTurnAndMovesTheHighlight) {
    Turn({1, 1, 1, 2, 3, 4}, {0});
    EXPECT_EQ(g.PlayerScore[0], 1000);
    EXPECT_EQ(board.padScore[0], 1000);
    EXPECT_TRUE(g.CurrentPlayer == 1 && board.padCurrent == 1 && board.player == "Bob");
    EXPECT_TRUE(g.TurnScore == 0 && board.turnScore == 0);
    EXPECT_EQ(g.AllowedActions, Acts("r"));
    EXPECT_EQ(board.status, StatusLine{Status::RollTheDice});
    EXPECT_TRUE(board.rollEnabled && !board.passEnabled);
    EXPECT_EQ(board.dividerLeft, -1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(g.DieCode[i], Code("0"));
        EXPECT_FALSE(g.DieFree[i] || g.TraySlotUsed[i] || board.markers[i]);
        EXPECT_EQ(board.pictures[i] + board.pictures[10 + i], 0);
    }
}

// After the pass sound: 1000 ms unless Ridiculous, for every player; before
// a computer's turn: 1000 ms at Normal only.
TEST_F(Game, PassPausesBySpeedAfterBankingAndAfterABust) {
    const std::vector<int> passPauses[] = {{1000, 1000}, {1000}, {}};
    for (int speed : {0, 1, 2}) {
        for (bool bust : {false, true}) {
            Seat({"Ann", "*Hal"});
            s.ComputerFast = speed;
            const int due = heard.computerTurns;
            g.PlayerScore[0] = 900;
            Roll({1, 2, 3, 4, 6, 6});
            table.Picture1_Click(0);
            board.Clear();
            if (bust)
                Roll({2, 3, 4, 6, 6});
            else
                table.cmdPassDice_Click();
            std::vector<int> want = passPauses[speed];
            if (bust) want.insert(want.begin(), {20, 300});  // the end of the bust display
            // A bank's pauses are all the pass's; a bust's end its display.
            const auto& sl = board.sleeps;
            ASSERT_GE(sl.size(), want.size());
            const auto from = bust ? sl.end() - want.size() : sl.begin();
            EXPECT_EQ(std::vector<int>(from, sl.end()), want) << speed << bust;
            EXPECT_EQ(g.PlayerScore[0], bust ? 900 : 1000);
            EXPECT_EQ(board.sounds.back(), bust ? "pass2.wav" : "pass1.wav");
            EXPECT_EQ(heard.computerTurns, due + 1);
            EXPECT_EQ(g.AllowedActions, Acts("r"));
            EXPECT_FALSE(board.rollEnabled);  // the computer's turn
        }
    }
}

TEST_F(Game, GoingOutAtExactlyTheTargetAndTheLastRound) {
    Seat({"Ann", "Bob", "Cy"});
    Bank(1200);                         // Ann
    g.PlayerScore[1] = 4000;
    Turn({1, 1, 1, 2, 3, 4}, {0});      // Bob reaches exactly 5000
    EXPECT_EQ(g.WentOut, 1);
    EXPECT_EQ(board.statusTop, 2545);
    EXPECT_TRUE(board.lastRoll);
    EXPECT_EQ(heard.goneOut, std::vector<int>{1});
    EXPECT_EQ(board.sounds.back(), "/tmp/z/overtop.wav");

    // Cy and then Ann get their last turn; nobody else goes out.
    EXPECT_EQ(g.CurrentPlayer, 2);
    Bank(6000);
    EXPECT_EQ(g.WentOut, 1);
    EXPECT_EQ(heard.goneOut.size(), 1u);
    EXPECT_EQ(g.CurrentPlayer, 0);
    Bank(5000);
    // Back at Bob: the game ends before he rolls again.
    EXPECT_TRUE(g.GameOver);
    EXPECT_EQ(g.Winner, 2);
    EXPECT_EQ(g.CurrentPlayer, kNone);
    EXPECT_EQ(heard.gameOver, std::vector<int>{2});
    EXPECT_EQ(board.status, StatusLine{Status::PressF2});
    EXPECT_EQ(board.player, " ");
    EXPECT_EQ(board.statusTop, 2700);
    EXPECT_FALSE(board.lastRoll || board.rollEnabled || board.passEnabled);
    EXPECT_EQ(board.sleeps.back(), 500);
}

TEST_F(Game, TiesGoToThePlayerWhoWentOutThenToTurnOrder) {
    struct Case {
        int outScore, a, b;
        int winner;
    } cases[] = {{5100, 5100, 5100, 1}, {5100, 5150, 5100, 2}, {5100, 5150, 5150, 2}, {5100, 5000, 5200, 0}};
    for (const auto& c : cases) {
        Seat({"Ann", "Bob", "Cy"});
        Bank(1000);                       // Ann
        g.PlayerScore[1] = c.outScore - 1000;
        Turn({1, 1, 1, 2, 3, 4}, {0});    // Bob goes out
        Bank(c.a);                        // Cy
        Bank(c.b);                        // Ann
        EXPECT_EQ(g.Winner, c.winner) << c.a << " " << c.b;
    }
}

TEST_F(Game, ComputerTurnIsNotDueAfterTheGameEnded) {
    Seat({"Ann", "*Hal"});
    g.GameOver = true;
    Turn({1, 1, 1, 2, 3, 4}, {0});
    EXPECT_EQ(g.CurrentPlayer, 1);
    EXPECT_EQ(heard.computerTurns, 0);
}

// Seating replaces whatever was at the table: every score and die, and the
// target and break-in are the new game's, whatever the settings say.
TEST_F(Game, SeatingStartsAFreshGameAtItsOwnTargetAndBreakIn) {
    Seat({"Ann", "Bob", "Cy", "Di", "Ed", "Flo", "Gus", "Hal"});
    for (int p = 0; p < 8; ++p) g.PlayerScore[p] = 100 * (p + 1), board.padScore[p] = -1;
    Roll({1, 5, 2, 3, 4, 6});
    table.Picture1_Click(0);
    const int seatedBefore = heard.seated;

    table.SeatGame({{"Ann", false, 1}, {"Hal", true, 3}}, 10000, 1000);
    GameState want;
    want.NumPlayers = 2;
    want.PlayerName[0] = "Ann", want.PlayerName[1] = "Hal";
    want.PlayerIsComputer[1] = true;
    want.PlayerStyle = {1, 3};
    want.CurrentPlayer = 0;
    want.AllowedActions = Acts("r");
    want.PlayToScore = 10000, want.BreakInScore = 1000;
    EXPECT_TRUE(g == want);
    EXPECT_EQ(heard.seated, seatedBefore + 1);
    for (int p = 0; p < 8; ++p) EXPECT_EQ(board.padScore[p], 0) << p;
    EXPECT_EQ(board.player, "Ann");
    EXPECT_EQ(board.status, StatusLine{Status::RollTheDice});
    EXPECT_TRUE(board.rollEnabled && !board.passEnabled);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(board.pictures[i], 0) << i;

    // 500 in a turn does not break in at 1000, and 5100 does not go out.
    Roll({5, 5, 5, 2, 3, 4});
    table.Picture1_Click(0);
    EXPECT_EQ(g.TurnScore, 500);
    EXPECT_EQ(g.AllowedActions, Acts("r"));
    g.PlayerScore[0] = 4500;
    Roll({1, 2, 3});
    table.Picture1_Click(0);
    EXPECT_EQ(g.AllowedActions, Acts("rp"));
    table.cmdPassDice_Click();
    EXPECT_EQ(g.PlayerScore[0], 5100);
    EXPECT_EQ(g.WentOut, kNone);
}

TEST_F(Game, ScoresBeyondSixteenBitsAreHeldExactly) {
    g.PlayToScore = 10000;
    g.PlayerScore[0] = 32000;
    g.WentOut = 1;  // nobody may go out again
    g.TurnScore = 8000;
    Turn({1, 1, 1, 1, 1, 2}, {0});
    EXPECT_EQ(g.PlayerScore[0], 44000);
    EXPECT_EQ(board.padScore[0], 44000);
}

}  // namespace
}  // namespace zarvel::test
