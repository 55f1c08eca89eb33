// The one uniform random source of the program. Everything random, dice and
// the per-turn style draws alike, is built on a fraction in [0, 1).
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace zarvel {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform fraction in [0, 1).
    virtual double Next() = 0;
};

// Seedable generator; the program seeds it from the time of day.
class UniformRandom : public RandomSource {
public:
    explicit UniformRandom(std::uint64_t seed = 0) : engine_(seed) {}
    void Seed(std::uint64_t seed) { engine_.seed(seed); }
    double Next() override {
        // 53 random bits give every representable double of [0, 1) its due.
        return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
    }

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
