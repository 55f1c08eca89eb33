// More than two seats: whom a seat plays against.
#include <gtest/gtest.h>

#include "Policy.h"

namespace zarvel::solver {
namespace {

TEST(OpponentFor, BeforeAnyoneGoesOutTheStrongestOtherSeat) {
    const std::vector<int> scores{1200, 3400, 2500, 0};
    EXPECT_EQ(OpponentFor(scores, 0, -1).score, 3400);
    EXPECT_EQ(OpponentFor(scores, 1, -1).score, 2500);
    EXPECT_FALSE(OpponentFor(scores, 1, -1).wentOut);
    EXPECT_EQ(OpponentFor({700, 900}, 1, -1).score, 700);
}

// Seat 1 went out with 5100; seats 2 and 3 have had their last turn, seat 0
// takes the last one: it must end above the best of all of them.
TEST(OpponentFor, InTheLastRoundTheBestOfThoseWhoHaveFinished) {
    const std::vector<int> scores{4000, 5100, 5300, 4900};
    const Opponent last = OpponentFor(scores, 0, 1);
    EXPECT_TRUE(last.wentOut);
    EXPECT_EQ(last.score, 5300);
    // Seat 2 plays right after the one who went out: 5100 is what counts,
    // not seat 3 (to play after it) nor seat 0.
    EXPECT_EQ(OpponentFor({5900, 5100, 4000, 4900}, 2, 1).score, 5100);
    EXPECT_EQ(OpponentFor({4000, 5100}, 0, 1).score, 5100);
}

}  // namespace
}  // namespace zarvel::solver
