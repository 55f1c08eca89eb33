// A table whose computer seats are played by the driver over virtual time.
#pragma once

#include <algorithm>

#include "ComputerDriver.h"
#include "Fixture.h"
#include "Scheduler.h"

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
};

}  // namespace zarvel::test
