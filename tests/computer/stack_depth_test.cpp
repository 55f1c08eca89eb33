// Thousands of all-computer games in a row must not deepen the call stack:
// every turn is scheduled, none runs inside the pass before it.
#include <gtest/gtest.h>

#include <cstdint>

#include "ComputerDriver.h"
#include "StepCap.h"
#include "TestMode.h"
#include "Tournament.h"

// The sanitizer build plays fewer games: it is several times slower, and
// the full run is made by the ordinary build.
#ifndef ZARVEL_STACK_GAMES
#define ZARVEL_STACK_GAMES 10000
#endif

namespace zarvel::test {
namespace {

// Notes the deepest stack address any board call is made from.
class StackProbeBoard : public NullBoard {
public:
    std::uintptr_t deepest = UINTPTR_MAX;
    void Probe() {
        volatile char here = 0;
        const auto at = reinterpret_cast<std::uintptr_t>(&here);
        if (at < deepest) deepest = at;
    }
    bool Shows() const override { return true; }
    void SetStatus(const StatusLine&) override { Probe(); }
    void ShowDie(int, int) override { Probe(); }
    void Sleep(int) override { Probe(); }
};

// A cheap generator: the dice need not be good here, only many.
class XorShift : public RandomSource {
public:
    double Next() override {
        s_ ^= s_ << 13, s_ ^= s_ >> 7, s_ ^= s_ << 17;
        return static_cast<double>(s_ >> 11) * (1.0 / 9007199254740992.0);
    }

private:
    std::uint64_t s_ = 88172645463325252ull;
};

TEST(StackDepth, StaysConstantOverTenThousandGames) {
    GameState g;
    Settings s;
    StackProbeBoard board;
    XorShift rng;
    Table table(g, s, board, rng);
    VirtualScheduler sched;
    ComputerDriver driver(table, sched);
    TestRun run(table, driver, sched);

    constexpr int kGames = ZARVEL_STACK_GAMES, kWarmUp = 50;
    volatile char base = 0;
    const auto top = reinterpret_cast<std::uintptr_t>(&base);
    std::uintptr_t afterWarmUp = 0;
    std::uint64_t gameStart = 0;
    run.onGameStarting = [&] {
        gameStart = sched.StepsRun();
        if (run.GamesPlayed() == kWarmUp + 1) afterWarmUp = board.deepest;
    };
    run.Start({kGames, 0, 5000, 500});
    while (sched.RunOne()) ASSERT_LE(sched.StepsRun() - gameStart, kStepsPerGame) << "game " << run.GamesPlayed() << " never ends";

    ASSERT_TRUE(run.Reported());
    int wins = 0;
    for (int w : run.Wins()) wins += w;
    EXPECT_EQ(wins, kGames);
    EXPECT_EQ(driver.MaxStepNesting(), 1);
    ASSERT_NE(afterWarmUp, 0u);
    EXPECT_EQ(board.deepest, afterWarmUp) << "the stack grew by " << (afterWarmUp - board.deepest) << " bytes";
    // One turn's worth of frames, not one per turn of a game.
    EXPECT_LT(top - board.deepest, 16u * 1024);
}

}  // namespace
}  // namespace zarvel::test
