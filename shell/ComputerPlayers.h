// The computer seats in the window: their turns run as steps on the event
// loop's timers, a modal window or an open tray holds them, the Expert waits
// for its solved table, and the hidden test run shows its questions, score
// pad and report through the host.
#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace zarvel {

class ComputerDriver;
class ExpertTables;
class QtScheduler;
class Table;
class TestRun;

// What the computer seats need from the main window.
class ComputerHost {
public:
    virtual ~ComputerHost() = default;
    // Parent of their messages; closing it is how the computers ask to quit.
    virtual QWidget* mainWindow() = 0;
    virtual bool Quitting() const = 0;
    virtual bool TrayOpen() const = 0;
    // The user's clicks on the roll area, taken or not.
    virtual void SetRollAreaEnabled(bool enabled) = 0;
    // A test game has been seated: the game's buttons and the score pad
    // (computer names in italics) beside the window, the focus back.
    virtual void ShowTestGame() = 0;
    virtual void SetScorePadCaption(const QString& caption) = 0;
    // Ends the program at once.
    virtual void EndProgramNow() = 0;
};

class ComputerPlayers {
public:
    ComputerPlayers(Table& table, ComputerHost& host);
    ~ComputerPlayers();
    ComputerPlayers(const ComputerPlayers&) = delete;
    ComputerPlayers& operator=(const ComputerPlayers&) = delete;

    ComputerDriver& driver() { return *driver_; }
    TestRun& testRun() { return *testRun_; }
    // The Expert's solved tables, worked out off the window's thread.
    ExpertTables& expertTables() { return *expertTables_; }

private:
    // Destroyed last: steps still pending die with it, and none runs once
    // the driver has gone.
    std::unique_ptr<QtScheduler> scheduler_;
    // Outlives the driver, which asks it for the Expert's table.
    std::unique_ptr<ExpertTables> expertTables_;
    std::unique_ptr<ComputerDriver> driver_;
    std::unique_ptr<TestRun> testRun_;
};

}  // namespace zarvel
