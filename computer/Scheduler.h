// Runs a step after a pause. The program's scheduler is its event loop's
// timer; tests and the tournament run steps over virtual time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace zarvel {

class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Runs step once, ms milliseconds from now (0: as soon as the loop is
    // free), never inside this call. Steps due at the same time run in the
    // order they were scheduled.
    virtual void After(int ms, std::function<void()> step) = 0;
};

// A loop over virtual time: no real sleeping, steps run one after another
// from the loop itself, so a step that schedules the next adds no depth.
class VirtualScheduler : public Scheduler {
public:
    void After(int ms, std::function<void()> step) override;

    // Runs steps until none is left; false if maxSteps ran out first (a
    // waiting turn re-checks forever, so an idle table is never "idle").
    bool RunUntilIdle(std::size_t maxSteps = 500'000'000);
    // Runs every step due within the next ms, then moves the clock there.
    void RunFor(std::int64_t ms);
    // Runs the earliest step, if any.
    bool RunOne();

    std::int64_t Now() const { return now_; }
    std::size_t Pending() const { return queue_.size(); }
    std::uint64_t StepsRun() const { return stepsRun_; }

private:
    struct Item {
        std::int64_t at;
        std::uint64_t seq;
        std::function<void()> step;
    };
    struct Later {
        bool operator()(const Item& a, const Item& b) const {
            return a.at != b.at ? a.at > b.at : a.seq > b.seq;
        }
    };

    std::vector<Item> queue_;  // a heap, earliest on top
    std::int64_t now_ = 0;
    std::uint64_t seq_ = 0;
    std::uint64_t stepsRun_ = 0;
};

}  // namespace zarvel
