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

void ComputerDriver::Schedule(int ms, std::uint64_t gen, Step step) {
    scheduler_.After(ms, [this, life = std::weak_ptr<char>(life_), gen, step] {
        if (life.expired() || gen != gen_) return;  // driver gone, or the turn superseded
        Run(step, gen);
    });
}

void ComputerDriver::Run(Step step, std::uint64_t gen) {
    switch (step) {
        case Step::Begin: return Begin(gen);
        case Step::Head: return Head(gen);
        case Step::Act: return Act(gen);
        case Step::Click: return Click(gen);
    }
}

void ComputerDriver::StartComputerTurn() {
    Cancel();
    Schedule(0, gen_, Step::Begin);
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
        Schedule(kRecheckMs, gen, Step::Head);
        return;
    }
    Schedule(StepPauseMs(Speed()), gen, Step::Act);
}

void ComputerDriver::Act(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    if (Waiting()) {  // a tray or dialog opened during the pause
        Schedule(kRecheckMs, gen, Step::Head);
        return;
    }
    BotStep step = RoutineStep(routine_, g_, bot_.BotPicked);
    if (step.numDiceUp) bot_.NumDiceUp = *step.numDiceUp;
    if (step.highScore) bot_.HighScore = *step.highScore;

    switch (step.kind) {
        case BotStep::Kind::Click:
            picks_.swap(step.picks);
            markPicks_ = step.mark;
            nextPick_ = 0;
            ClickNext(gen);
            return;
        case BotStep::Kind::Roll:
            if (IsThinking(routine_))
                BotRoll();
            else
                table_.cmdRoll_Click();
            Schedule(RollPauseMs(Speed()), gen, Step::Head);
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
            Schedule(0, gen, Step::Head);
            return;
        case BotStep::Kind::NothingToTake:
            table_.board().ShowMessage(kNothingToTakeText);
            active_ = false;
            table_.board().EndProgramNow();
            return;
        case BotStep::Kind::Nothing:
            // Nothing to do in this state: look again later, never spin.
            Schedule(kRecheckMs, gen, Step::Head);
            return;
    }
}

void ComputerDriver::Click(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    ClickNext(gen);
}

void ComputerDriver::ClickNext(std::uint64_t gen) {
    if (nextPick_ >= picks_.size()) return Schedule(ClickPauseMs(Speed()), gen, Step::Head);
    const int slot = picks_[nextPick_++];
    if (markPicks_) bot_.BotPicked[slot] = true;
    table_.Picture1_Click(slot);
    Schedule(ClickPauseMs(Speed()), gen, nextPick_ < picks_.size() ? Step::Click : Step::Head);
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
