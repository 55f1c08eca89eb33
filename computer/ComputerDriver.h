// Plays computer turns through the table's handlers, one scheduled step at a
// time. A step does one action and schedules the next after its pause, so a
// turn never runs inside the pass that handed it the dice and the event loop
// stays free between steps: menus, trays, a new game or quitting are seen at
// the next step.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "Expert.h"
#include "Scheduler.h"
#include "Styles.h"
#include "Table.h"

namespace zarvel {

// The computer's shared working values.
struct BotState {
    PickMarks BotPicked{};     // slots clicked since the computer's last roll
    int NumDiceUp = 0;         // dice it would roll next, as last counted
    Score HighScore = 0;       // highest banked score, for the last round
    bool BotTurnOver = false;  // the running turn has passed, or was ended
};

// The two reports of the computer code.
enum class BotReport {
    DiceCount,      // a roll-or-pass decision with an impossible dice count
    NothingToTake,  // the dice choice found nothing to take
};
// The report in English, as the tournament tool prints it.
std::string ReportText(BotReport report, int numDiceUp);

// Pauses by ComputerFast (0 Normal, 1 Fast, 2 Ridiculous).
constexpr int StepPauseMs(int speed) { return speed < 2 ? 100 : 0; }
constexpr int ClickPauseMs(int speed) { return speed == 0 ? 200 : speed == 1 ? 100 : 0; }
constexpr int RollPauseMs(int speed) { return speed == 0 ? 1000 : 0; }
// How often a waiting turn looks again (tray or dialog open, nothing to do).
constexpr int kRecheckMs = 50;

// Listens to the table: a game seated with a computer first, and every
// pass to a computer seat, schedule that seat's turn; a new game ends the
// turn still running. The scheduler must outlive the driver or be destroyed
// with it, running no step in between: a step holds only the driver's
// address, so scheduling one allocates nothing.
class ComputerDriver : public TableListener {
public:
    ComputerDriver(Table& table, Scheduler& scheduler);
    ~ComputerDriver() override;
    ComputerDriver(const ComputerDriver&) = delete;
    ComputerDriver& operator=(const ComputerDriver&) = delete;

    // Host hooks, all optional.
    // True once the program is closing: no turn acts again.
    std::function<bool()> quitting;
    // True while the options or the theme tray is open: all but Cautious wait.
    std::function<bool()> trayOpen;
    // True while a modal dialog is open: the turn waits.
    std::function<bool()> held;
    // Enables or disables the user's clicks on the roll area.
    std::function<void(bool)> setRollAreaEnabled;
    // Shows a report (it returns once the player has read it).
    std::function<void(BotReport, int numDiceUp)> report;
    // Closes the main window the ordinary way (it asks before quitting).
    // Without it, an impossible dice count stops the computers at once.
    std::function<void()> requestClose;
    // Ends the program at once; without it the computers stop.
    std::function<void()> endProgram;
    // Where the Expert finds the solved table of the game's rules. While it
    // gives none (being solved, or no source at all) the Expert's turn
    // waits, as it waits for a tray.
    ExpertTableSource expertTable;

    // Schedules the current player's turn by its style; ends any turn still
    // running.
    void StartComputerTurn();
    // Ends the running turn, if any, without acting further.
    void Cancel();

    bool TurnRunning() const { return active_; }
    // The last report made, if any.
    std::optional<BotReport> LastReport() const { return lastReport_; }
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
    // The Expert's advice, and how often it did not fit the state (then
    // the Expert played that step as Simple would; it never should).
    const TurnAdvisor& expert() const { return expert_; }
    std::uint64_t ExpertMisses() const { return expertMisses_; }
    // Times a turn held by a tray or a dialog has looked again.
    std::uint64_t Looks() const { return looks_; }

    // TableListener.
    void GameSeated() override;
    void ComputerTurnDue() override;

private:
    // What a scheduled step does; a step carries only this and its turn.
    enum class Step : std::uint8_t { Begin, Head, Act, Click };
    void Schedule(int ms, std::uint64_t gen, Step step);
    static void RunTask(void* self, std::uint64_t word);
    void Run(Step step, std::uint64_t gen);
    void Begin(std::uint64_t gen);
    void Head(std::uint64_t gen);
    // Schedules the next action after the step pause, or a look again
    // while the turn must wait.
    void Next(std::uint64_t gen);
    void LookAgain(std::uint64_t gen);
    // Schedules the next action after an action's pause and the step pause.
    void NextAfter(int pauseMs, std::uint64_t gen);
    void Act(std::uint64_t gen);
    void Click(std::uint64_t gen);
    // Clicks the turn's next pick and schedules the click after it, or the
    // next step.
    void ClickNext(std::uint64_t gen);
    // True when the turn may act; otherwise it has been ended or dropped.
    bool Resume(std::uint64_t gen);
    bool Waiting() const;
    bool Quitting() const { return stopped_ || (quitting && quitting()); }
    void Report(BotReport report);
    // The step the running routine takes now; nothing while the Expert
    // waits for its table.
    std::optional<BotStep> Decide();
    void EndTurn();
    int Speed() const;

    Table& table_;
    Scheduler& scheduler_;
    const GameState& g_;
    BotState bot_;

    std::uint64_t gen_ = 0;  // bumped by every new turn and by Cancel
    bool active_ = false;
    bool stopped_ = false;   // stopped for good, with no host to end the program
    int routine_ = style::None;
    int seat_ = kNone;
    std::uint64_t turnsStarted_ = 0;
    std::uint64_t looks_ = 0;
    std::optional<BotReport> lastReport_;
    TurnAdvisor expert_;
    std::uint64_t expertMisses_ = 0;

    // The clicks of the running turn's current pick, in order: only one
    // chain of steps is alive per turn, and a superseded one never reads them.
    SlotList picks_;
    bool markPicks_ = false;
    int nextPick_ = 0;

    int nesting_ = 0, maxNesting_ = 0;
};

}  // namespace zarvel
