// The program's generator: the published algorithm, fractions in [0, 1), fair
// faces, and the table's inlined face routines drawing exactly as the
// interface would.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "Random.h"
#include "Table.h"
#include "Tournament.h"

namespace zarvel::test {
namespace {

// Pearson's statistic of face counts against a uniform spread; with five
// degrees of freedom it exceeds 20.52 by chance once in a thousand.
double ChiSquare(const std::array<int, 7>& counts) {
    double total = 0;
    for (int f = 1; f <= 6; ++f) total += counts[f];
    const double expected = total / 6;
    double chi = 0;
    for (int f = 1; f <= 6; ++f) chi += (counts[f] - expected) * (counts[f] - expected) / expected;
    return chi;
}
constexpr double kChiSquare5At999 = 20.52;

// The same generator, seen only through the interface.
class Forwarding : public RandomSource {
public:
    explicit Forwarding(std::uint64_t seed) : inner_(seed) {}
    double Next() override { return inner_.Next(); }

private:
    UniformRandom inner_;
};

TEST(UniformRandom, PublishedSequenceFractionsBelowOneAndFairFaces) {
    // The reference outputs of xoshiro256++ from the state 1, 2, 3, 4.
    auto x = Xoshiro256pp::FromState(1, 2, 3, 4);
    for (std::uint64_t want : {41943041ull, 58720359ull, 3588806011781223ull, 3591011842654386ull,
                               9228616714210784205ull})
        EXPECT_EQ(x(), want);

    EXPECT_EQ(FractionFromBits(0), 0.0);
    EXPECT_LT(FractionFromBits(UINT64_MAX), 1.0);

    UniformRandom rng(20240601);
    std::array<int, 7> faces{};
    double lo = 1, hi = 0;
    for (int d = 0; d < 600'000; ++d) {
        const double u = rng.Next();
        lo = std::min(lo, u), hi = std::max(hi, u);
        ASSERT_TRUE(u >= 0.0 && u < 1.0) << u;
        ++faces[static_cast<int>(u * 6) + 1];
    }
    EXPECT_LT(lo, 1e-4);
    EXPECT_GT(hi, 1 - 1e-4);
    EXPECT_LT(ChiSquare(faces), kChiSquare5At999);

    // Nearby seeds start unrelated streams.
    EXPECT_NE(UniformRandom(1).Next(), UniformRandom(2).Next());
}

TEST(UniformRandom, AJumpLeavesTheStateTheStepsWould) {
    // From states with few bits, with every bit, and from seeded ones.
    std::vector<Xoshiro256pp> starts{Xoshiro256pp::FromState(1, 0, 0, 0), Xoshiro256pp::FromState(0, 0, 0, 1ull << 63),
                                     Xoshiro256pp::FromState(UINT64_MAX, UINT64_MAX, UINT64_MAX, UINT64_MAX)};
    for (std::uint64_t seed = 1; seed <= 50; ++seed) starts.emplace_back(seed);
    for (int steps : {1, 2, 749}) {
        const XoshiroJump jump(steps);
        for (const Xoshiro256pp& start : starts) {
            Xoshiro256pp stepped = start, jumped = start;
            for (int k = 0; k < steps; ++k) stepped();
            jumped.Discard(jump);
            ASSERT_EQ(jumped.state(), stepped.state()) << steps << " steps";
            ASSERT_EQ(jumped(), stepped());
        }
    }
}

TEST(UniformRandom, TableFacesInlinedMatchTheInterfaceAndAreFair) {
    GameState g;
    Settings s;
    NullBoard board;
    UniformRandom direct(77);
    Forwarding forwarded(77);
    Table fast(g, s, board, direct);
    Table slow(g, s, board, forwarded);
    std::array<int, 7> shuffled{}, last{};
    for (int i = 0; i < 30'000; ++i) {
        const int a = fast.GetDie2(), b = fast.RandomNumber(6);
        if (i < 2'000) {
            ASSERT_EQ(a, slow.GetDie2()) << i;
            ASSERT_EQ(b, slow.RandomNumber(6)) << i;
        }
        ++shuffled[a];
        ++last[b];
    }
    EXPECT_LT(ChiSquare(shuffled), kChiSquare5At999);
    EXPECT_LT(ChiSquare(last), kChiSquare5At999);
}

}  // namespace
}  // namespace zarvel::test
