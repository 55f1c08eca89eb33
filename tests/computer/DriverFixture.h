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

    void SetUp() override {
        TableTest::SetUp();
        driver.setRollAreaEnabled = [this](bool on) { rollArea = on; };
    }

    // Seat 0 a computer of this style, seat 1 a human.
    void ComputerThenHuman(int styleCode, int speed) {
        Seat({"*Bot", "Ann"});
        g.PlayerStyle[0] = styleCode;
        s.ComputerFast = speed;
    }
    // The faces of the computer's next roll.
    void Script(const std::vector<int>& faces) { ScriptRoll(rng, faces, s.ComputerFast != 2); }

    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(board.log.begin(), board.log.end(), entry));
    }
};

}  // namespace zarvel::test
