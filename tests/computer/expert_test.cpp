// The Expert through the real table and driver: its choices in situations
// worked out by hand, what it reads from the game, and whole games.
#include <algorithm>
#include "DriverFixture.h"
#include "Expert.h"
#include "TableCache.h"

namespace zarvel::test {
namespace {

// One table for the whole run, solved once per build folder.
std::shared_ptr<const solver::Table> Solved() {
    static const auto table = solver::TableFor({5000, 500}, ZARVEL_TEST_CACHE);
    return table;
}

class ExpertTest : public DriverTest {
protected:
    // Whether a roll put dice on the table (this speed plays no roll sound).
    int RollsShown() const {
        return static_cast<int>(std::count_if(board.log.begin(), board.log.end(), [](const std::string& e) {
            return e.starts_with("die 0=") && e != "die 0=0";
        }));
    }
    void SetUp() override {
        DriverTest::SetUp();
        s.ComputerFast = kRidiculous;
        driver.expertTable = [this](const solver::Rules& rules) {
            asked.push_back(rules);
            return ready ? Solved() : nullptr;
        };
    }

    // Seats `names` (a '*' marks the computer seats, all of them Experts),
    // none of them to move yet.
    void SeatExperts(const std::vector<std::string>& names) {
        std::vector<int> styles(names.size(), style::Expert);
        SeatStyles(names, styles);
        driver.Cancel();  // a computer first waits for the turn each test sets up
        sched.RunUntilIdle();
    }

    // Seat `seat` is in the middle of its turn: `tray` set aside for
    // `turnTotal` points, and the roll of the other dice shows `roll`.
    void MidTurn(int seat, const std::vector<int>& tray, int turnTotal, const std::vector<int>& roll) {
        g.CurrentPlayer = seat;
        for (std::size_t i = 0; i < tray.size(); ++i) {
            g.TrayDice[i] = tray[i];
            g.TraySlotUsed[i] = true;
        }
        g.TurnScore = turnTotal;
        Roll(roll);
    }

    // Plays the computer's turn from where the game stands.
    void PlayTurn() {
        driver.StartComputerTurn();
        EXPECT_TRUE(sched.RunUntilIdle());
        EXPECT_EQ(rng.Pending(), 0u) << "the turn did not roll what was scripted for it";
        EXPECT_EQ(driver.ExpertMisses(), 0u);
    }

    bool ready = true;
    std::vector<solver::Rules> asked;
};

// 4500 against 4950 with 450 set aside, and a roll of 5 and 3: taking the 5
// goes out at 5000, where the other needs only 100 more; banking 4950 at
// once, without taking anything, leaves the other level and is better.
TEST_F(ExpertTest, PassesRightAfterARollWithoutTakingTheFive) {
    SeatExperts({"*Exp", "Ann"});
    g.PlayerScore = {4500, 4950};
    MidTurn(0, {4, 4, 4, 5}, 450, {5, 3});
    ASSERT_EQ(g.AllowedActions, Acts("sp"));
    PlayTurn();
    EXPECT_EQ(g.PlayerScore[0], 4950);
    EXPECT_EQ(g.WentOut, kNone);
    EXPECT_EQ(g.CurrentPlayer, 1);
}

// The last round: Ann went out with 5000, the Expert has 4750 and four 5s
// set aside (200). The 5 of its roll makes 5000, a tie, which Ann wins: it
// takes the 5 and rolls the last die; a 1 sets all six aside, so it rolls
// six more, takes their 1 and banks 5200.
TEST_F(ExpertTest, InTheLastRoundATieIsNotEnough) {
    SeatExperts({"*Exp", "Ann"});
    g.PlayerScore = {4750, 5000};
    g.WentOut = 1;
    MidTurn(0, {5, 5, 5, 5}, 200, {5, 3});
    Script({1});
    Script({1, 2, 3, 4, 6, 6});
    PlayTurn();
    EXPECT_TRUE(g.GameOver);
    EXPECT_EQ(g.PlayerScore[0], 5200);
    EXPECT_EQ(g.Winner, 0);
}

// A roll where every die scores must be taken whole, and then all six
// rolled again; that roll scores nothing, and the turn is lost.
TEST_F(ExpertTest, TakesEveryDieWhenAllScoreThenRollsAllSix) {
    SeatExperts({"*Exp", "Ann"});
    g.PlayerScore = {1000, 1000};
    MidTurn(0, {1, 5, 5, 5}, 250, {1, 5});
    ASSERT_EQ(g.AllowedActions, Acts("s"));
    Script({2, 2, 3, 3, 4, 6});
    board.Clear();
    PlayTurn();
    // The six rolled once the 1 and the 5 were set aside (the sixth die shows
    // the scripted 6), and that one roll was a Zarvel.
    EXPECT_GT(Count("die 5=6"), 0);
    EXPECT_EQ(Count("sound bust.wav"), 1);
    EXPECT_EQ(g.PlayerScore[0], 1000);
    EXPECT_EQ(g.CurrentPlayer, 1);
}

// 4950 each, the turn's first roll shows one 5: banking it would go out at
// 5000 and leave the other about nine chances in ten to end above. The
// Expert takes the 5 and rolls on for a margin (here into a Zarvel).
TEST_F(ExpertTest, RollsOnPastTheTargetForAMargin) {
    SeatExperts({"*Exp", "Ann"});
    g.PlayerScore = {4950, 4950};
    Script({5, 2, 3, 4, 6, 6});
    Script({2, 3, 4, 6, 6});
    PlayTurn();
    EXPECT_EQ(g.PlayerScore[0], 4950);
    EXPECT_EQ(g.WentOut, kNone);
    EXPECT_EQ(g.CurrentPlayer, 1);
}

// Three seats, the last round: Ann went out with 5000 and Bob has since
// banked 5200. The Expert, at 4800 with 200 set aside and a 5 to take, must
// end above Bob, not only above Ann: 5050 is not enough, so it rolls on.
TEST_F(ExpertTest, WithMoreSeatsTheLastTurnMustBeatTheBestFinishedScore) {
    SeatExperts({"Ann", "Bob", "*Exp"});
    g.PlayerScore = {5000, 5200, 4800};
    g.WentOut = 0;
    MidTurn(2, {5, 5, 5, 5}, 200, {5, 3});
    Script({3});
    PlayTurn();
    EXPECT_EQ(g.PlayerScore[2], 4800);  // it rolled the last die, and lost the turn
    EXPECT_TRUE(g.GameOver);
    EXPECT_EQ(g.Winner, 1);
}

// What the Expert reads from the game: the other seat (or the strongest of
// several), the turn's total, the free dice, the tray and this roll's share
// of it; and which clicks set faces aside.
TEST_F(ExpertTest, TheSituationAndTheClicksAsTheTableHasThem) {
    SeatExperts({"Ann", "Bob", "*Exp"});
    g.PlayerScore = {700, 2300, 1500};
    MidTurn(2, {1}, 100, {4, 4, 5, 4, 2});
    table.Picture1_Click(3);  // one of the three 4s takes them all
    solver::Situation s = SituationOf(g);
    EXPECT_EQ(s.mine, 1500);
    EXPECT_EQ(s.theirs, 2300);
    EXPECT_FALSE(s.theyWentOut);
    EXPECT_EQ(s.turnTotal, 500);
    EXPECT_EQ(s.freeDice, (std::vector<int>{5, 2}));
    EXPECT_EQ(s.inTray, 4);
    EXPECT_EQ(s.takenFromRoll, 3);
    EXPECT_TRUE(AdviceIsApproximate(g));

    table.Picture1_Click(11);  // undone: the roll as it came
    EXPECT_EQ(SlotsToTake(g, {4, 4, 4}), (SlotList{0}));
    EXPECT_EQ(SlotsToTake(g, {4, 4, 4, 5}), (SlotList{0, 2}));
    EXPECT_TRUE(SlotsToTake(g, {4}).empty());     // part of a group
    EXPECT_TRUE(SlotsToTake(g, {5, 5}).empty());  // more than the roll has
    EXPECT_TRUE(SlotsToTake(g, {2}).empty());     // scores nothing
    EXPECT_EQ(SituationOf(g).takenFromRoll, 0);
}

// Whole games of two Experts through the driver: they end, the advice always
// fits the game, and each turn is solved once however many steps it takes.
TEST_F(ExpertTest, TwoExpertsPlayGamesToTheirEnd) {
    for (int game = 0; game < 3; ++game) {
        const auto turns = driver.TurnsStarted();
        const auto solved = driver.expert().TurnsSolved();
        SeatStyles({"*East", "*West"}, {style::Expert, style::Expert});
        ASSERT_TRUE(sched.RunUntilIdle(200'000));
        EXPECT_TRUE(g.GameOver);
        EXPECT_GE(g.PlayerScore[g.WentOut], 5000);
        EXPECT_EQ(driver.ExpertMisses(), 0u);
        const auto turnsPlayed = driver.TurnsStarted() - turns;
        EXPECT_GT(turnsPlayed, 4u);
        EXPECT_LE(driver.expert().TurnsSolved() - solved, turnsPlayed);
    }
    EXPECT_EQ(asked.front(), (solver::Rules{5000, 500}));
}

// Until its table is ready the Expert's turn waits, looking again now and
// then, and then plays.
TEST_F(ExpertTest, WaitsForItsTable) {
    ready = false;
    ComputerThenHuman(style::Expert, kRidiculous);
    sched.RunFor(10'000);
    EXPECT_EQ(RollsShown(), 0);
    EXPECT_TRUE(driver.TurnRunning());
    EXPECT_GE(asked.size(), 10'000u / (kRecheckMs + StepPauseMs(kRidiculous)) - 1);
    ready = true;
    EXPECT_TRUE(sched.RunUntilIdle());
    EXPECT_GT(RollsShown(), 0);
    EXPECT_FALSE(driver.TurnRunning());
}

}  // namespace
}  // namespace zarvel::test
