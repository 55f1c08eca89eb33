// A computer game's steps allocate nothing: each is the driver's address and
// one word in the scheduler's queue, and the rules' values are plain arrays.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "ComputerDriver.h"
#include "Scheduler.h"
#include "StepCap.h"
#include "Table.h"
#include "Tournament.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace zarvel::test {
namespace {

TEST(Allocations, AComputerGameAllocatesNothingStepByStep) {
    GameState g;
    Settings s;
    s.ComputerFast = kRidiculous;
    NullBoard board;
    UniformRandom rng(99);
    Table table(g, s, board, rng);
    VirtualScheduler sched;
    ComputerDriver driver(table, sched);
    table.SeatGame({{"Normal", true, 1}, {"Cautious", true, 2}, {"Random", true, 5}, {"Moron", true, 7}}, 5000, 500);
    const long before = allocations.load();
    ASSERT_TRUE(sched.RunUntilIdle(kStepsPerGame));
    ASSERT_TRUE(g.GameOver);
    EXPECT_GT(sched.StepsRun(), 300u);
    // The scheduler's queue grows once; nothing else allocates.
    EXPECT_LE(allocations.load() - before, 2) << sched.StepsRun() << " steps";
}

}  // namespace
}  // namespace zarvel::test
