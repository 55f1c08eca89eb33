// The one uniform random source of the program. Everything random, dice and
// the per-turn style draws alike, is built on a fraction in [0, 1).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <random>

namespace zarvel {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform fraction in [0, 1).
    virtual double Next() = 0;
};

// The top 53 bits, scaled by 2^-53: evenly spaced fractions in [0, 1), never 1.
inline double FractionFromBits(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

// One step of the SplitMix64 sequence: spreads a seed over all 64 bits, so
// that nearby seeds (1, 2, 3, ...) start unrelated streams.
inline std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// xoshiro256++: 256 bits of state, period 2^256 - 1, passes the usual
// statistical batteries, and costs a handful of adds, shifts and xors a draw,
// several times less than a Mersenne twister, whose refills of its 312-word
// table dominated the dice.
class XoshiroJump;

class Xoshiro256pp {
public:
    explicit Xoshiro256pp(std::uint64_t seed = 0) { Seed(seed); }
    // Starts from these words as they are (they must not all be zero).
    static Xoshiro256pp FromState(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d) {
        Xoshiro256pp x;
        x.s_[0] = a, x.s_[1] = b, x.s_[2] = c, x.s_[3] = d;
        return x;
    }
    void Seed(std::uint64_t seed) {
        // SplitMix64 never yields four zero words in a row, so the state is
        // never the all-zero one the generator cannot leave.
        for (auto& word : s_) word = SplitMix64(seed);
    }
    std::uint64_t operator()() {
        const std::uint64_t result = Rotl(s_[0] + s_[3], 23) + s_[0];
        Step(s_);
        return result;
    }
    // Moves on as jump.Steps() draws would, without making them.
    inline void Discard(const XoshiroJump& jump);

    using State = std::array<std::uint64_t, 4>;
    const State& state() const { return s_; }
    // The state's move from one draw to the next. It only shifts, rotates
    // and xors, so it is linear over GF(2): any number of steps is one
    // 256 x 256 bit matrix, which XoshiroJump applies.
    static void Step(State& s) {
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 45);
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    State s_;
};

// A fixed number of xoshiro256++ steps taken at once. The steps' matrix is
// worked out once, then held as one table per byte of the state: the
// state after the steps is the xor of the 32 rows its bytes pick. That is
// 32 lookups in place of hundreds of steps, with exactly their result.
class XoshiroJump {
public:
    explicit XoshiroJump(int steps);
    int Steps() const { return steps_; }

    void Apply(Xoshiro256pp::State& s) const {
        // Two 128-bit halves, so the xors go two words at a time.
        typedef std::uint64_t Half __attribute__((vector_size(16)));
        Half lo{0, 0}, hi{0, 0};
        const Row* row = rows_.get();
        for (const std::uint64_t word : s) {
            for (int byte = 0; byte < 8; ++byte, row += 256) {
                const Row& r = row[(word >> (8 * byte)) & 0xFF];
                lo ^= Half{r[0], r[1]};
                hi ^= Half{r[2], r[3]};
            }
        }
        s = {lo[0], lo[1], hi[0], hi[1]};
    }

private:
    using Row = std::array<std::uint64_t, 4>;
    int steps_;
    std::unique_ptr<Row[]> rows_;  // 32 bytes of state x 256 values
};

inline void Xoshiro256pp::Discard(const XoshiroJump& jump) { jump.Apply(s_); }

// The generator of the program and of the tournament; seedable, the program
// seeds it from the time of day.
class UniformRandom final : public RandomSource {
public:
    explicit UniformRandom(std::uint64_t seed = 0) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.Seed(seed); }
    double Next() override { return FractionFromBits(engine_()); }
    // Moves on as jump.Steps() calls of Next() would.
    void Discard(const XoshiroJump& jump) { engine_.Discard(jump); }

private:
    Xoshiro256pp engine_;
};

// The 64-bit Mersenne twister the program used before; kept so that the
// benchmarks can set the two side by side.
class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(std::uint64_t seed = 0) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.seed(seed); }
    double Next() override { return FractionFromBits(engine_()); }

private:
    std::mt19937_64 engine_;
};

// Serves queued fractions first, then falls back to a seeded generator, so
// a test can choose exactly the draws that matter and let the rest run.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : fallback_(seed) {}
    void Push(double u) { queue_.push_back(u); }
    std::size_t Pending() const { return queue_.size(); }
    std::uint64_t Draws() const { return draws_; }
    double Next() override {
        ++draws_;
        if (queue_.empty()) return fallback_.Next();
        const double u = queue_.front();
        queue_.pop_front();
        return u;
    }

private:
    std::deque<double> queue_;
    UniformRandom fallback_;
    std::uint64_t draws_ = 0;
};

}  // namespace zarvel
