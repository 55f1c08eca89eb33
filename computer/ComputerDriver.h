// Plays computer turns through the table's handlers, one scheduled step at a
// time. A step does one action and schedules the next after its pause, so a
// turn never runs inside the pass that handed it the dice and the event loop
// stays free between steps: menus, trays, a new game or quitting are seen at
// the next step.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Scheduler.h"
#include "Styles.h"
#include "Table.h"

namespace zarvel {

// The computer's shared working values.
struct BotState {
    PickMarks BotPicked{};  // slots clicked since the computer's last roll
    int NumDiceUp = 0;      // dice it would roll next, as last counted
    Score HighScore = 0;    // highest banked score, for the last round
};

// Pauses by ComputerFast (0 Normal, 1 Fast, 2 Ridiculous).
constexpr int StepPauseMs(int speed) { return speed < 2 ? 100 : 0; }
constexpr int ClickPauseMs(int speed) { return speed == 0 ? 200 : speed == 1 ? 100 : 0; }
constexpr int RollPauseMs(int speed) { return speed == 0 ? 1000 : 0; }
// How often a waiting turn looks again (tray or dialog open, nothing to do).
constexpr int kRecheckMs = 50;

class ComputerDriver {
public:
    // Installs itself on table.onComputerTurnDue.
    ComputerDriver(Table& table, Scheduler& scheduler);
    ~ComputerDriver();
    ComputerDriver(const ComputerDriver&) = delete;
    ComputerDriver& operator=(const ComputerDriver&) = delete;

    // Host hooks, all optional.
    // True while a modal dialog is open: the turn waits.
    std::function<bool()> held;
    // Enables or disables the user's clicks on the roll area.
    std::function<void(bool)> setRollAreaEnabled;
    // Closes the main window the ordinary way (it asks before quitting).
    // Without it, an impossible dice count quits at once.
    std::function<void()> requestClose;

    // Schedules the current player's turn by its style; ends any turn still
    // running. The pass calls it; so does the start of a game whose first
    // seat is a computer.
    void StartComputerTurn();
    // Ends the running turn, if any, without acting further.
    void Cancel();

    bool TurnRunning() const { return active_; }
    // The routine the running (or last) turn plays: a style code.
    int Routine() const { return routine_; }
    const BotState& bot() const { return bot_; }
    BotState& bot() { return bot_; }

    // The computer's roll and pass.
    void BotRoll();
    void BotPass();

    // Deepest nesting of driver steps seen; 1 means no step ran inside another.
    int MaxStepNesting() const { return maxNesting_; }
    std::uint64_t TurnsStarted() const { return turnsStarted_; }

private:
    // What a scheduled step does; a step carries only this and its turn, so
    // scheduling one costs no more than the scheduler's own entry.
    enum class Step : std::uint8_t { Begin, Head, Act, Click };
    void Schedule(int ms, std::uint64_t gen, Step step);
    void Run(Step step, std::uint64_t gen);
    void Begin(std::uint64_t gen);
    void Head(std::uint64_t gen);
    // Schedules the next action after the step pause, or a look again
    // while the turn must wait.
    void Next(std::uint64_t gen);
    void Act(std::uint64_t gen);
    void Click(std::uint64_t gen);
    // Clicks the turn's next pick and schedules the click after it, or the
    // next step.
    void ClickNext(std::uint64_t gen);
    // True when the turn may act; otherwise it has been ended or dropped.
    bool Resume(std::uint64_t gen);
    bool Waiting() const;
    void EndTurn();
    int Speed() const;

    Table& table_;
    Scheduler& scheduler_;
    GameState& g_;
    BotState bot_;

    std::uint64_t gen_ = 0;  // bumped by every new turn and by Cancel
    bool active_ = false;
    int routine_ = style::None;
    int seat_ = kNone;
    std::uint64_t passCount_ = 0;  // the turn is over once the table has passed
    std::uint64_t turnsStarted_ = 0;

    // The clicks of the running turn's current pick, in order: only one
    // chain of steps is alive per turn, and a superseded one never reads them.
    std::vector<int> picks_;
    bool markPicks_ = false;
    std::size_t nextPick_ = 0;

    int nesting_ = 0, maxNesting_ = 0;
    std::shared_ptr<char> life_ = std::make_shared<char>();  // steps outliving the driver do nothing
};

}  // namespace zarvel
