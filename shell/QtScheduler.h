// The computer players' steps on the window's event loop: each step is a
// single-shot timer, so the window stays responsive between steps and a
// step never runs inside another handler.
#pragma once

#include <QObject>
#include <QTimer>

#include "Scheduler.h"

namespace zarvel {

class QtScheduler : public Scheduler {
public:
    // Steps still pending when the scheduler goes are dropped.
    void After(int ms, Task task) override {
        QTimer::singleShot(ms < 0 ? 0 : ms, Qt::PreciseTimer, &context_, [task] { task(); });
    }
    void After(int ms, std::function<void()> step) override {
        QTimer::singleShot(ms < 0 ? 0 : ms, Qt::PreciseTimer, &context_, std::move(step));
    }

private:
    QObject context_;
};

}  // namespace zarvel
