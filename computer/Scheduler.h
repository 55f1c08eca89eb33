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
    // A step as a plain function with its object and one word: scheduling
    // one copies the three and allocates nothing.
    struct Task {
        void (*run)(void* target, std::uint64_t word) = nullptr;
        void* target = nullptr;
        std::uint64_t word = 0;
        void operator()() const { run(target, word); }
    };

    virtual ~Scheduler() = default;
    // Runs the step once, ms milliseconds from now (0: as soon as the loop
    // is free), never inside this call. Steps due at the same time run in
    // the order they were scheduled, of either kind.
    virtual void After(int ms, Task task) = 0;
    virtual void After(int ms, std::function<void()> step) = 0;
};

// A loop over virtual time: no real sleeping, steps run one after another
// from the loop itself, so a step that schedules the next adds no depth.
// Steps due at once (nearly all of them at the fastest speed) wait in a
// queue of their own: they run after every step due now that was scheduled
// earlier, and before anything later, as the order above wants.
class VirtualScheduler : public Scheduler {
public:
    void After(int ms, Task task) override;
    void After(int ms, std::function<void()> step) override;

    // Runs steps until none is left; false if maxSteps ran out first (a
    // waiting turn re-checks forever, so an idle table is never "idle").
    bool RunUntilIdle(std::size_t maxSteps = 500'000'000);
    // Runs every step due within the next ms, then moves the clock there;
    // false, with the clock where it stopped, if maxSteps ran out first.
    bool RunFor(std::int64_t ms, std::size_t maxSteps = 500'000'000);
    // Runs the earliest step, if any.
    bool RunOne();

    std::int64_t Now() const { return now_; }
    std::size_t Pending() const { return queue_.size() + now_queue_.size() - next_now_; }
    std::uint64_t StepsRun() const { return stepsRun_; }

private:
    // A step of either kind: the task when it has one, else the function.
    struct Step {
        Task task;
        std::function<void()> function;
        void operator()() const {
            if (task.run)
                task();
            else
                function();
        }
    };
    struct Item {
        std::int64_t at;
        std::uint64_t seq;
        Step step;
    };
    void Add(int ms, Step step);
    struct Later {
        bool operator()(const Item& a, const Item& b) const {
            return a.at != b.at ? a.at > b.at : a.seq > b.seq;
        }
    };

    // Runs and drops the earliest of the steps due later.
    void RunLater();

    std::vector<Item> queue_;  // steps due later: a heap, earliest on top
    // Steps due now, in the order scheduled, from next_now_ on.
    std::vector<Step> now_queue_;
    std::size_t next_now_ = 0;
    std::int64_t now_ = 0;
    std::uint64_t seq_ = 0;
    std::uint64_t stepsRun_ = 0;
};

}  // namespace zarvel
