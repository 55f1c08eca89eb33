#include "ComputerDriver.h"

#include <utility>

namespace zarvel {

namespace {

// Counts how deeply driver steps nest. Every step opens one, so a step run
// inline by another, or a turn begun inside the pass that handed it the
// dice, shows as 2; steps that only ever come from the scheduler stay at 1.
struct NestingGuard {
    int& depth;
    NestingGuard(int& d, int& deepest) : depth(d) {
        if (++depth > deepest) deepest = depth;
    }
    ~NestingGuard() { --depth; }
};

}  // namespace

ComputerDriver::ComputerDriver(Table& table, Scheduler& scheduler)
    : table_(table), scheduler_(scheduler), g_(table.state()) {
    table_.onComputerTurnDue = [this] { StartComputerTurn(); };
}

ComputerDriver::~ComputerDriver() { table_.onComputerTurnDue = nullptr; }

int ComputerDriver::Speed() const { return table_.settings().ComputerFast; }

void ComputerDriver::Schedule(int ms, std::uint64_t gen, std::function<void(ComputerDriver&)> step) {
    std::weak_ptr<char> life = life_;
    scheduler_.After(ms, [this, life, gen, step = std::move(step)] {
        if (life.expired() || gen != gen_) return;  // driver gone, or the turn superseded
        step(*this);
    });
}

void ComputerDriver::StartComputerTurn() {
    Cancel();
    Schedule(0, gen_, [gen = gen_](ComputerDriver& d) { d.Begin(gen); });
}

void ComputerDriver::Cancel() {
    if (active_) EndTurn();
    ++gen_;
}

void ComputerDriver::EndTurn() {
    active_ = false;
    if (!g_.Quitting && setRollAreaEnabled) setRollAreaEnabled(true);
}

bool ComputerDriver::Resume(std::uint64_t gen) {
    if (gen != gen_ || !active_) return false;
    if (g_.Quitting) {
        active_ = false;  // the window is closing: leave the dice as they are
        return false;
    }
    // Something else ended the turn: a new game, or the table passed on.
    if (g_.BotTurnOver || g_.GameOver || g_.CurrentPlayer != seat_ || g_.PassCount != passCount_) {
        EndTurn();
        return false;
    }
    return true;
}

bool ComputerDriver::Waiting() const {
    if (held && held()) return true;
    return WaitsForTray(routine_) && g_.TrayOpen;
}

void ComputerDriver::Begin(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (g_.Quitting) return;
    if (!g_.GameRunning() || g_.GameOver || !g_.IsComputerTurn()) return;
    routine_ = ChooseRoutine(g_, table_.random());
    if (routine_ == style::None) return;  // no routine for this code: the game waits
    ++turnsStarted_;
    active_ = true;
    seat_ = g_.CurrentPlayer;
    passCount_ = g_.PassCount;
    if (setRollAreaEnabled) setRollAreaEnabled(false);
    g_.BotTurnOver = false;
    Next(gen);
}

void ComputerDriver::Head(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    Next(gen);
}

void ComputerDriver::Next(std::uint64_t gen) {
    if (Waiting()) {
        Schedule(kRecheckMs, gen, [gen](ComputerDriver& d) { d.Head(gen); });
        return;
    }
    Schedule(StepPauseMs(Speed()), gen, [gen](ComputerDriver& d) { d.Act(gen); });
}

void ComputerDriver::Act(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    if (Waiting()) {  // a tray or dialog opened during the pause
        Schedule(kRecheckMs, gen, [gen](ComputerDriver& d) { d.Head(gen); });
        return;
    }
    BotStep step = RoutineStep(routine_, g_, bot_.BotPicked);
    if (step.numDiceUp) bot_.NumDiceUp = *step.numDiceUp;
    if (step.highScore) bot_.HighScore = *step.highScore;

    switch (step.kind) {
        case BotStep::Kind::Click:
            ClickAt(gen, std::move(step.picks), step.mark, 0);
            return;
        case BotStep::Kind::Roll:
            if (IsThinking(routine_))
                BotRoll();
            else
                table_.cmdRoll_Click();
            Schedule(RollPauseMs(Speed()), gen, [gen](ComputerDriver& d) { d.Head(gen); });
            return;
        case BotStep::Kind::Pass:
            // BotPass and the plain styles' pass do the same: flag, then pass.
            BotPass();
            if (gen == gen_ && active_) EndTurn();
            return;
        case BotStep::Kind::DiceCountError:
            table_.board().ShowMessage(DiceCountErrorText(bot_.NumDiceUp));
            if (requestClose)
                requestClose();
            else
                g_.Quitting = true;
            // Declining the close leaves the state as it was: the same step
            // comes round again.
            Schedule(0, gen, [gen](ComputerDriver& d) { d.Head(gen); });
            return;
        case BotStep::Kind::NothingToTake:
            table_.board().ShowMessage(kNothingToTakeText);
            active_ = false;
            table_.board().EndProgramNow();
            return;
        case BotStep::Kind::Nothing:
            // Nothing to do in this state: look again later, never spin.
            Schedule(kRecheckMs, gen, [gen](ComputerDriver& d) { d.Head(gen); });
            return;
    }
}

void ComputerDriver::Click(std::uint64_t gen, std::vector<int> slots, bool mark, std::size_t next) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    ClickAt(gen, std::move(slots), mark, next);
}

void ComputerDriver::ClickAt(std::uint64_t gen, std::vector<int> slots, bool mark, std::size_t next) {
    const int slot = slots[next];
    if (mark) bot_.BotPicked[slot] = true;
    table_.Picture1_Click(slot);
    const int pause = ClickPauseMs(Speed());
    if (next + 1 < slots.size()) {
        Schedule(pause, gen, [gen, slots = std::move(slots), mark, next](ComputerDriver& d) mutable {
            d.Click(gen, std::move(slots), mark, next + 1);
        });
    } else {
        Schedule(pause, gen, [gen](ComputerDriver& d) { d.Head(gen); });
    }
}

void ComputerDriver::BotRoll() {
    bot_.BotPicked.fill(false);
    table_.cmdRoll_Click();
}

void ComputerDriver::BotPass() {
    g_.BotTurnOver = true;
    table_.cmdPassDice_Click();
}

}  // namespace zarvel
