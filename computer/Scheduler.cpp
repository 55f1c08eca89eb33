#include "Scheduler.h"

#include <algorithm>
#include <utility>

namespace zarvel {

void VirtualScheduler::After(int ms, Task task) { Add(ms, Step{task, {}}); }

void VirtualScheduler::After(int ms, std::function<void()> step) { Add(ms, Step{{}, std::move(step)}); }

void VirtualScheduler::Add(int ms, Step step) {
    if (ms <= 0) {
        now_queue_.push_back(std::move(step));
        return;
    }
    queue_.push_back(Item{now_ + ms, seq_++, std::move(step)});
    std::push_heap(queue_.begin(), queue_.end(), Later{});
}

void VirtualScheduler::RunLater() {
    std::pop_heap(queue_.begin(), queue_.end(), Later{});
    Item item = std::move(queue_.back());
    queue_.pop_back();
    now_ = std::max(now_, item.at);
    ++stepsRun_;
    item.step();
}

bool VirtualScheduler::RunOne() {
    // A step due later that has come due now was scheduled before any in
    // the queue of steps due now (those were scheduled at this very time).
    if (!queue_.empty() && queue_.front().at <= now_) {
        RunLater();
        return true;
    }
    if (next_now_ < now_queue_.size()) {
        Step step = std::move(now_queue_[next_now_++]);
        if (next_now_ == now_queue_.size()) {
            // Emptied: start again from the front, keeping the storage.
            now_queue_.clear();
            next_now_ = 0;
        }
        ++stepsRun_;
        step();
        return true;
    }
    if (queue_.empty()) return false;
    RunLater();
    return true;
}

bool VirtualScheduler::RunUntilIdle(std::size_t maxSteps) {
    for (std::size_t n = 0; n < maxSteps; ++n)
        if (!RunOne()) return true;
    return Pending() == 0;
}

bool VirtualScheduler::RunFor(std::int64_t ms, std::size_t maxSteps) {
    const std::int64_t until = now_ + std::max<std::int64_t>(ms, 0);
    for (std::size_t n = 0; next_now_ < now_queue_.size() || (!queue_.empty() && queue_.front().at <= until); ++n) {
        if (n == maxSteps) return false;
        RunOne();
    }
    now_ = until;
    return true;
}

}  // namespace zarvel
