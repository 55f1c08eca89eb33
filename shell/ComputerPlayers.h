// The computer seats in the window: their turns run as steps on the event
// loop's timers, a modal window holds them, and the hidden test run shows
// its questions, score pad and report through the main window.
#pragma once

#include <memory>

namespace zarvel {

class ComputerDriver;
class QtScheduler;
class TestRun;
class frmMain;

class ComputerPlayers {
public:
    explicit ComputerPlayers(frmMain& window);
    ~ComputerPlayers();
    ComputerPlayers(const ComputerPlayers&) = delete;
    ComputerPlayers& operator=(const ComputerPlayers&) = delete;

    ComputerDriver& driver() { return *driver_; }
    TestRun& testRun() { return *testRun_; }

private:
    std::unique_ptr<QtScheduler> scheduler_;
    std::unique_ptr<ComputerDriver> driver_;
    std::unique_ptr<TestRun> testRun_;
};

}  // namespace zarvel
