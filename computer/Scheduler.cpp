#include "Scheduler.h"

#include <algorithm>
#include <utility>

namespace zarvel {

void VirtualScheduler::After(int ms, std::function<void()> step) {
    queue_.push_back(Item{now_ + std::max(ms, 0), seq_++, std::move(step)});
    std::push_heap(queue_.begin(), queue_.end(), Later{});
}

bool VirtualScheduler::RunOne() {
    if (queue_.empty()) return false;
    std::pop_heap(queue_.begin(), queue_.end(), Later{});
    Item item = std::move(queue_.back());
    queue_.pop_back();
    now_ = std::max(now_, item.at);
    ++stepsRun_;
    item.step();
    return true;
}

bool VirtualScheduler::RunUntilIdle(std::size_t maxSteps) {
    for (std::size_t n = 0; n < maxSteps; ++n)
        if (!RunOne()) return true;
    return queue_.empty();
}

void VirtualScheduler::RunFor(std::int64_t ms) {
    const std::int64_t until = now_ + std::max<std::int64_t>(ms, 0);
    while (!queue_.empty() && queue_.front().at <= until) RunOne();
    now_ = until;
}

}  // namespace zarvel
