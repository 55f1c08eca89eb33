// A table whose computer seats are played by the driver over virtual time.
#pragma once

#include <algorithm>

#include "ComputerDriver.h"
#include "Fixture.h"
#include "Scheduler.h"
#include "StepCap.h"

namespace zarvel::test {

class DriverTest : public TableTest {
protected:
    VirtualScheduler sched;
    ComputerDriver driver{table, sched};
    bool rollArea = true;
    // The shell's flags, as the driver sees them.
    bool quitting = false, trayOpen = false;

    void SetUp() override {
        TableTest::SetUp();
        driver.setRollAreaEnabled = [this](bool on) { rollArea = on; };
        driver.quitting = [this] { return quitting; };
        driver.trayOpen = [this] { return trayOpen; };
    }

    // Runs the scheduler until nothing is left, or for ms of virtual time:
    // false when the steps of that many games ran out first.
    bool RunToEnd(int games = 1) { return sched.RunUntilIdle(kStepsPerGame * std::size_t(games)); }
    bool RunFor(std::int64_t ms) { return sched.RunFor(ms, kStepsPerGame); }

    // Seats these players (as TableTest::Seat) with these styles.
    void SeatStyles(const std::vector<std::string>& names, const std::vector<int>& styles) {
        std::vector<zarvel::Seat> seats;
        for (std::size_t p = 0; p < names.size(); ++p) {
            const bool computer = names[p].starts_with('*');
            seats.push_back({names[p].substr(computer ? 1 : 0), computer, styles[p]});
        }
        table.SeatGame(seats, s.PlayToScore, s.BreakInScore);
    }

    // Seat 0 a computer of this style, whose turn the seating schedules,
    // seat 1 a human.
    void ComputerThenHuman(int styleCode, int speed) {
        s.ComputerFast = speed;
        SeatStyles({"*Bot", "Ann"}, {styleCode, 1});
    }
    // The faces of the computer's next roll.
    void Script(const std::vector<int>& faces) { ScriptRoll(rng, faces, s.ComputerFast != 2); }

    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(board.log.begin(), board.log.end(), entry));
    }
    // Rolls made since the log was cleared, by their sound (not at Ridiculous).
    int Rolls() const { return Count("sound multi.wav") + Count("sound one.wav"); }
};

}  // namespace zarvel::test
