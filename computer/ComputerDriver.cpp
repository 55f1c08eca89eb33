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

std::string ReportText(BotReport report, int numDiceUp) {
    return report == BotReport::DiceCount ? DiceCountErrorText(numDiceUp) : std::string(kNothingToTakeText);
}

ComputerDriver::ComputerDriver(Table& table, Scheduler& scheduler)
    : table_(table), scheduler_(scheduler), g_(table.state()) {
    table_.AddListener(*this);
}

ComputerDriver::~ComputerDriver() { table_.RemoveListener(*this); }

int ComputerDriver::Speed() const { return table_.settings().ComputerFast; }

void ComputerDriver::Schedule(int ms, std::uint64_t gen, Step step) {
    // The turn and the step in one word beside the driver's address.
    const std::uint64_t word = gen << 2 | static_cast<std::uint64_t>(step);
    scheduler_.After(ms, Scheduler::Task{&ComputerDriver::RunTask, this, word});
}

void ComputerDriver::RunTask(void* self, std::uint64_t word) {
    auto& driver = *static_cast<ComputerDriver*>(self);
    const std::uint64_t gen = word >> 2;
    if (gen != driver.gen_) return;  // the turn was superseded
    driver.Run(static_cast<Step>(word & 3), gen);
}

void ComputerDriver::GameSeated() {
    Cancel();
    if (g_.GameRunning() && g_.IsComputerTurn()) StartComputerTurn();
}

void ComputerDriver::ComputerTurnDue() { StartComputerTurn(); }

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
    bot_.BotTurnOver = true;
    if (!Quitting() && setRollAreaEnabled) setRollAreaEnabled(true);
}

bool ComputerDriver::Resume(std::uint64_t gen) {
    if (gen != gen_ || !active_) return false;
    if (Quitting()) {
        active_ = false;  // the window is closing: leave the dice as they are
        return false;
    }
    // Something else ended the turn: the game, or the table passed on.
    if (bot_.BotTurnOver || g_.GameOver || g_.CurrentPlayer != seat_) {
        EndTurn();
        return false;
    }
    return true;
}

bool ComputerDriver::Waiting() const {
    if (held && held()) return true;
    return WaitsForTray(routine_) && trayOpen && trayOpen();
}

void ComputerDriver::Report(BotReport report) {
    lastReport_ = report;
    if (this->report) this->report(report, bot_.NumDiceUp);
}

void ComputerDriver::Begin(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (Quitting()) return;
    if (!g_.GameRunning() || g_.GameOver || !g_.IsComputerTurn()) return;
    routine_ = ChooseRoutine(g_, table_.random());
    if (routine_ == style::None) return;  // no routine for this code: the game waits
    ++turnsStarted_;
    active_ = true;
    seat_ = g_.CurrentPlayer;
    if (setRollAreaEnabled) setRollAreaEnabled(false);
    bot_.BotTurnOver = false;
    Next(gen);
}

void ComputerDriver::Head(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    Next(gen);
}

void ComputerDriver::Next(std::uint64_t gen) {
    if (Waiting()) return LookAgain(gen);
    Schedule(StepPauseMs(Speed()), gen, Step::Act);
}

void ComputerDriver::LookAgain(std::uint64_t gen) {
    ++looks_;
    Schedule(kRecheckMs, gen, Step::Head);
}

void ComputerDriver::NextAfter(int pauseMs, std::uint64_t gen) {
    // The action's own pause, then the head of the next step's: one wait.
    // A tray or dialog opened meanwhile is seen by the step itself.
    Schedule(pauseMs + StepPauseMs(Speed()), gen, Step::Act);
}

void ComputerDriver::Act(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    if (Waiting()) return LookAgain(gen);  // a tray or dialog opened during the pause
    const std::optional<BotStep> decided = Decide();
    if (!decided) {
        Schedule(kRecheckMs, gen, Step::Head);  // the Expert's table is not ready yet
        return;
    }
    const BotStep& step = *decided;
    if (step.numDiceUp) bot_.NumDiceUp = *step.numDiceUp;
    if (step.highScore) bot_.HighScore = *step.highScore;

    switch (step.kind) {
        case BotStep::Kind::Click:
            picks_ = step.picks;
            markPicks_ = step.mark;
            nextPick_ = 0;
            ClickNext(gen);
            return;
        case BotStep::Kind::Roll:
            if (IsThinking(routine_))
                BotRoll();
            else
                table_.cmdRoll_Click();
            NextAfter(RollPauseMs(Speed()), gen);
            return;
        case BotStep::Kind::Pass:
            // BotPass and the plain styles' pass do the same: flag, then pass.
            BotPass();
            if (gen == gen_ && active_) EndTurn();
            return;
        case BotStep::Kind::DiceCountError:
            Report(BotReport::DiceCount);
            if (requestClose)
                requestClose();
            else
                stopped_ = true;
            // Declining the close leaves the state as it was: the same step
            // comes round again.
            Schedule(0, gen, Step::Head);
            return;
        case BotStep::Kind::NothingToTake:
            Report(BotReport::NothingToTake);
            active_ = false;
            if (endProgram)
                endProgram();
            else
                stopped_ = true;
            return;
        case BotStep::Kind::Nothing:
            // Nothing to do in this state: look again later, never spin.
            Schedule(kRecheckMs, gen, Step::Head);
            return;
    }
}

std::optional<BotStep> ComputerDriver::Decide() {
    if (routine_ != style::Expert) return RoutineStep(routine_, g_, bot_.BotPicked);
    std::shared_ptr<const solver::Table> table = expertTable ? expertTable(RulesOf(g_)) : nullptr;
    if (!table) return std::nullopt;
    std::optional<BotStep> step = Bot_Expert(g_, [&] { return expert_.Advise(g_, std::move(table)); });
    if (step) return step;
    ++expertMisses_;
    return Bot_Simple(g_);
}

void ComputerDriver::Click(std::uint64_t gen) {
    NestingGuard guard(nesting_, maxNesting_);
    if (!Resume(gen)) return;
    ClickNext(gen);
}

void ComputerDriver::ClickNext(std::uint64_t gen) {
    if (nextPick_ >= picks_.size) return NextAfter(ClickPauseMs(Speed()), gen);
    const int slot = picks_[nextPick_++];
    if (markPicks_) bot_.BotPicked[slot] = true;
    table_.Picture1_Click(slot);
    if (nextPick_ < picks_.size)
        Schedule(ClickPauseMs(Speed()), gen, Step::Click);
    else
        NextAfter(ClickPauseMs(Speed()), gen);
}

void ComputerDriver::BotRoll() {
    bot_.BotPicked.fill(false);
    table_.cmdRoll_Click();
}

void ComputerDriver::BotPass() {
    bot_.BotTurnOver = true;
    table_.cmdPassDice_Click();
}

}  // namespace zarvel
