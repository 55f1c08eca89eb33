// Headless tournaments: computer seats only, a board that draws nothing and
// virtual time at the fastest speed. Every game is played on its own table
// with its own generator, so the games can be shared out between threads and
// a seed gives the same result whatever the number of threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Board.h"
#include "Expert.h"
#include "Random.h"

namespace zarvel {

// Shows nothing, plays nothing, pauses for no time: the table sends it only
// its pauses and the Roll and Pass buttons' state, which the keys read.
class NullBoard : public Board {
public:
    bool Shows() const override { return false; }
    void ShowDie(int, int) override {}
    void ShowMarker(int, bool) override {}
    void ShowDividerAt(int) override {}
    void HideDivider() override {}
    void SetStatus(const StatusLine&) override {}
    void SetStatusTop(int) override {}
    void ShowLastRoll(bool) override {}
    void SetTurnScore(Score) override {}
    void SetPlayerText(const std::string&) override {}
    void SetRollEnabled(bool e) override { roll_ = e; }
    void SetPassEnabled(bool e) override { pass_ = e; }
    bool RollEnabled() const override { return roll_; }
    bool PassEnabled() const override { return pass_; }
    void SetBusyPointer(bool) override {}
    void Beep() override {}
    void Sleep(int) override {}
    void PlaySoundFile(const std::string&) override {}
    void ScorePadScore(int, Score) override {}
    void ScorePadHighlight(int, bool) override {}
    void ScorePadRepaint() override {}

private:
    bool roll_ = false, pass_ = false;
};

// Scheduler steps one game may take before it counts as a game that never
// ends (a turn that keeps looking again and never acts). Games average about
// 500 steps at 5000/500 and 1,100 at 10000/1000; the longest stay far below
// this.
constexpr std::uint64_t kMaxStepsPerGame = 1'000'000;

struct TournamentOptions {
    int games = 14;
    std::uint64_t seed = 1;
    int playTo = kPlayToChoice.byDefault;
    int breakIn = kBreakInChoice.byDefault;
    int normalPosition = kNormalPositionChoice.byDefault;
    std::vector<int> seats;  // style codes by seat; empty: one seat per style
    // The players move one seat on between games (game k seats player
    // (p + k) mod n at seat p), so each plays from every seat alike.
    bool alternate = false;
    int jobs = 1;            // threads playing the games; the result does not depend on it
    std::uint64_t maxStepsPerGame = kMaxStepsPerGame;
    // The solved table of the run's target and break-in, for Expert seats.
    std::shared_ptr<const solver::Table> expertTable;
};

// Whether the run seats the Expert, which needs options.expertTable.
bool SeatsExpert(const TournamentOptions& options);

struct TournamentResult {
    // The players: styles as listed, and the games each won from whichever
    // seat. Without alternating, player p sits at seat p throughout.
    std::vector<int> styles;
    std::vector<int> wins;
    std::vector<int> seatWins;  // by seat at the table, over the games played
    int gamesPlayed = 0;      // games before the first that did not finish
    std::uint64_t steps = 0;  // scheduler steps of those games
    // Steps where the Expert's advice did not fit the game (never seen).
    std::uint64_t expertMisses = 0;
    bool completed = false;
    std::string error;  // why game gamesPlayed + 1 did not finish, if one did not
};

struct GameOutcome {
    int winner = -1;  // the winning seat; -1 when the game did not finish
    std::uint64_t steps = 0;
    std::uint64_t expertMisses = 0;
    std::string error;
};

struct TournamentHooks {
    // The generator of one game, from that game's seed; empty: UniformRandom.
    std::function<std::unique_ptr<RandomSource>(std::uint64_t seed)> makeRandom;
    // Called on the calling thread about every progressInterval while the
    // games run, with the number of games finished so far.
    std::function<void(int gamesDone)> progress;
    std::chrono::milliseconds progressInterval{250};
};

// The seed of game number `game` (0-based) of a run.
std::uint64_t GameSeed(std::uint64_t runSeed, int game);

// The styles by seat of game number `game` (0-based).
std::vector<int> GameSeating(const TournamentOptions& options, int game);

// Plays game number `game` of the options' seating and scores on rng, on a
// table of its own; stops it after options.maxStepsPerGame scheduler steps.
GameOutcome PlayTournamentGame(const TournamentOptions& options, RandomSource& rng, int game = 0);

// Plays options.games games, game k on a generator seeded with
// GameSeed(options.seed, k), on options.jobs threads, and adds up the wins
// in game order. A game that does not finish ends the run: the result counts
// the games before it.
TournamentResult RunTournament(const TournamentOptions& options, const TournamentHooks& hooks = {});

// The cores this process may run on (at least 1).
int UsableCores();

// The progress line of a run: games done, games per second and time left,
// from the seconds since the run began.
std::string ProgressLine(int done, int total, double seconds);

}  // namespace zarvel
