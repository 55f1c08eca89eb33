#include "DriverFixture.h"

namespace zarvel::test {
namespace {

std::vector<int> Joined(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Steps due at the same time run in the order they were scheduled, those
// due at once included, whatever their kind.
TEST(VirtualSchedulerOrder, StepsDueTogetherRunInTheOrderScheduled) {
    VirtualScheduler s;
    std::vector<int> order;
    auto note = [&](int k) { return [&order, k] { order.push_back(k); }; };
    static std::vector<int>* tasks = nullptr;
    tasks = &order;
    s.After(10, [&] {
        order.push_back(1);
        s.After(0, Scheduler::Task{[](void*, std::uint64_t k) { tasks->push_back(int(k)); }, nullptr, 4});
    });
    s.After(10, note(2));
    s.After(5, [&] {
        order.push_back(0);
        s.After(5, note(3));
    });
    s.RunFor(9);
    EXPECT_EQ(order, std::vector<int>{0});
    EXPECT_TRUE(s.RunUntilIdle());
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(s.Now(), 10);
}

// Normal keeps the three 2s of 2,2,2,3,4,6 (there is no 1 or 5), must roll
// the other three, busts and passes to a computer seat without a routine.
// The driver's own pauses are virtual time; the table's are the board's.
TEST_F(DriverTest, PausesOfATurnAtEachSpeed) {
    // Animation: 5 frames of six dice at 10 ms, 10 frames of three at 13 ms.
    const std::vector<int> roll6(30, 10), roll3(30, 13), group{50, 200, 50, 200, 50, 200};
    // Three blinks, 300 ms, then 20 ms after each of the 13 growing texts and the last.
    std::vector<int> bust{250, 100, 100, 100, 100, 100, 100, 300};
    bust.insert(bust.end(), 14, 20);
    const std::vector<int> sleeps[] = {Joined({roll6, group, roll3, bust, {1000, 1000}}),
                                       Joined({roll6, group, roll3, {20, 1000}}), {20}};
    const std::int64_t elapsed[] = {2600, 500, 0};
    for (int speed : {0, 1, 2}) {
        s.ComputerFast = speed;
        board.Clear();
        SeatStyles({"*Bot", "*Idle"}, {style::Normal, kStyleCount + 1});  // the seating schedules the turn
        Script({2, 2, 2, 3, 4, 6});
        Script({2, 3, 4});
        board.Clear();
        const auto start = sched.Now();
        sched.RunOne();
        EXPECT_FALSE(rollArea);
        EXPECT_TRUE(RunToEnd());

        EXPECT_EQ(rng.Pending(), 0u) << speed;
        EXPECT_EQ(g.PlayerScore[0], 0);
        EXPECT_EQ(g.CurrentPlayer, 1);
        EXPECT_TRUE(rollArea);
        EXPECT_EQ(sched.Now() - start, elapsed[speed]) << speed;
        EXPECT_EQ(board.sleeps, sleeps[speed]) << speed;
    }
}

// A tray or a modal dialog holds every style's turn. The waiting turn looks
// again a few times a second (never a spin), and goes on soon after.
TEST_F(DriverTest, NobodyPlaysWhileATrayIsOpenOrADialogHoldsAndPlayGoesOnSoonAfter) {
    for (int code : {style::Normal, style::Cautious, style::Fearless, style::Simple, style::Moron, style::Genius}) {
        for (bool byDialog : {false, true}) {
            ComputerThenHuman(code, 1);
            board.Clear();
            bool dialog = byDialog;
            driver.held = [&] { return dialog; };
            trayOpen = !byDialog;
            const auto steps = sched.StepsRun();
            ASSERT_TRUE(RunFor(5000)) << "the waiting turn spins";
            EXPECT_EQ(Rolls(), 0) << code << byDialog;
            EXPECT_LE(sched.StepsRun() - steps, 5u * 25) << code << byDialog;
            EXPECT_TRUE(driver.TurnRunning());

            trayOpen = dialog = false;
            const auto freed = sched.Now();
            while (Rolls() == 0 && sched.Now() - freed < 5000) ASSERT_TRUE(sched.RunOne());
            // A look, then the step's own pause at Fast (100 ms).
            EXPECT_LE(sched.Now() - freed, 150) << code << byDialog;
            EXPECT_TRUE(RunToEnd());
            driver.held = nullptr;
        }
    }
}

// Simple at speed 0: roll at 100, clicks at 1200 and 1400, roll at 1700,
// pass at 2800. Each interruption falls before a different kind of step.
struct Interruption {
    const char* where;
    std::int64_t at;  // -1: before the turn has begun
    bool tray;
};
const Interruption kInterruptions[] = {
    {"before the turn begins", -1, false}, {"before the first roll", 50, false},
    {"in the roll pause", 1150, false},    {"between two clicks", 1300, false},
    {"before the next roll", 1650, false}, {"before the pass", 2750, false},
    {"waiting for the tray", 500, true},
};

class Interrupted : public DriverTest {
protected:
    void StartAndInterrupt(const Interruption& when) {
        ComputerThenHuman(style::Simple, 0);
        Script({1, 5, 2, 3, 4, 6});
        Script({2, 3, 4, 6});
        trayOpen = when.tray;
        if (when.at >= 0) {
            ASSERT_TRUE(RunFor(when.at));
        }
        EXPECT_EQ(driver.TurnRunning(), when.at >= 0) << when.where;
        trayOpen = false;
    }
};

TEST_F(Interrupted, QuittingOrANewGameStopsTheTurnBeforeItActsAgain) {
    for (bool quit : {true, false}) {
        for (const Interruption& when : kInterruptions) {
            StartAndInterrupt(when);
            const auto state = g.AllowedActions;
            if (quit)
                quitting = true;
            else
                Seat({"Ann", "Bob"});
            const auto logged = board.log.size();
            ASSERT_TRUE(RunFor(10000));
            EXPECT_EQ(board.log.size(), logged) << when.where;
            EXPECT_EQ(g.AllowedActions, quit ? state : Acts("r")) << when.where;
            // Quitting leaves the roll area as it was; a new game gets it back.
            EXPECT_EQ(rollArea, !quit || when.at < 0) << when.where;
            EXPECT_FALSE(driver.TurnRunning());
            EXPECT_TRUE(RunToEnd());
            quitting = false;
            rollArea = true;
            while (rng.Pending()) rng.Next();  // the faces the turn did not roll
        }
    }
    // A new game with a computer first: only its own turn acts.
    StartAndInterrupt(kInterruptions[3]);
    while (rng.Pending()) rng.Next();
    board.Clear();
    ComputerThenHuman(style::Simple, 0);
    Script({1, 1, 1, 2, 3, 4});
    EXPECT_TRUE(RunToEnd());
    EXPECT_EQ(rng.Pending(), 0u);
    EXPECT_EQ(Rolls(), 1);
    EXPECT_EQ(g.PlayerScore[0], 1000);
    EXPECT_EQ(g.CurrentPlayer, 1);
}

TEST_F(DriverTest, ImpossibleDiceCountIsReportedUntilTheCloseIsConfirmed) {
    ComputerThenHuman(style::Normal, 2);
    g.PlayerScore[0] = 1000;
    g.AllowedActions = Acts("rp");  // six dice up: no threshold applies
    int asked = 0;
    std::vector<int> counts;
    driver.report = [&](BotReport r, int n) {
        EXPECT_EQ(r, BotReport::DiceCount);
        counts.push_back(n);
    };
    driver.requestClose = [&] { quitting = ++asked == 2; };
    ASSERT_TRUE(RunFor(1000));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(counts, std::vector<int>(2, 6));
    EXPECT_EQ(ReportText(BotReport::DiceCount, 6), DiceCountErrorText(6));
    EXPECT_TRUE(RunToEnd());
}

TEST_F(DriverTest, NothingToTakeEndsTheProgram) {
    ComputerThenHuman(style::Fearless, 2);
    g.AllowedActions = Acts("s");
    int reports = 0, ends = 0;
    driver.report = [&](BotReport r, int) { reports += r == BotReport::NothingToTake; };
    driver.endProgram = [&] { ++ends; };
    EXPECT_TRUE(RunToEnd());
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(driver.LastReport(), BotReport::NothingToTake);
}

// At Normal speed a game's minutes of pauses pass in virtual time, at
// Ridiculous there are none; either way no step runs inside another.
TEST_F(DriverTest, AllComputerGamePlaysToItsEndOneStepAtATime) {
    for (int speed : {0, 2}) {
        s.ComputerFast = speed;
        const auto start = sched.Now();
        const auto turns = driver.TurnsStarted();
        SeatStyles({"*Normal", "*Genius", "*Moron", "*Random"},
                   {style::Normal, style::Genius, style::Moron, style::Random});
        EXPECT_TRUE(RunToEnd());
        EXPECT_TRUE(g.GameOver);
        EXPECT_EQ(g.CurrentPlayer, kNone);
        EXPECT_EQ(heard.gameOver.size(), speed == 0 ? 1u : 2u);
        EXPECT_TRUE(heard.goneOut.empty());  // no going-out message without a human
        EXPECT_GE(g.PlayerScore[g.WentOut], g.PlayToScore);
        for (int p = 0; p < 4; ++p) EXPECT_LE(g.PlayerScore[p], g.PlayerScore[g.Winner]);
        const auto elapsed = sched.Now() - start;
        EXPECT_TRUE(speed == 0 ? elapsed > 60'000 : elapsed == 0) << elapsed;
        EXPECT_GT(driver.TurnsStarted() - turns, 8u);
        EXPECT_EQ(driver.MaxStepNesting(), 1) << speed;
    }
}

}  // namespace
}  // namespace zarvel::test
