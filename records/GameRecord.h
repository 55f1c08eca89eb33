// What the history keeps of a game, and the tally that builds it while the
// game is played. Plain values, no database and no Qt: the shell feeds the
// tally as play happens and hands the finished record to Records.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zarvel {

// The style of a seat played by a person; computer seats carry their
// style's code (1 and up, no upper bound assumed).
inline constexpr int kHumanStyle = 0;

// Seconds since 1970-01-01 UTC, now.
std::int64_t NowSeconds();

// Who sat at a seat of a game and how it was played, as the history keeps it.
struct Player {
    std::string name;
    int style = kHumanStyle;

    bool computer() const { return style != kHumanStyle; }
    bool operator==(const Player&) const = default;
};

// One player's part in a game.
struct SeatRecord {
    Player seat;
    std::int32_t finalScore = 0;  // points banked
    std::int32_t bestTurn = 0;    // most points banked in one turn
    int turns = 0;                // turns played, banked or lost
    int zarvels = 0;              // turns lost to a roll without a scoring die

    double PointsPerTurn() const { return turns > 0 ? double(finalScore) / turns : 0.0; }
    bool operator==(const SeatRecord&) const = default;
};

// A game: finished (winner set) in the history, in progress in a saved game.
struct GameRecord {
    std::int64_t finishedAt = 0;  // NowSeconds() when it ended
    int target = 0;
    int breakIn = 0;
    std::vector<SeatRecord> seats;  // in turn order
    int winner = -1;                // seat; -1 while it runs
    int wentOut = -1;               // seat that reached the target first; -1 nobody yet
    int turns = 0;                  // turns of all players together

    bool operator==(const GameRecord&) const = default;
};

// Counts a game as it is played. Feed it each turn's end and the going
// out; Finish gives the record to keep. A tally started as not recorded
// (test mode, the tournament) counts nothing and finishes with nothing.
class GameTally {
public:
    GameTally() = default;
    // A game in progress as a saved game kept it.
    GameTally(GameRecord progress, bool recorded) : game_(std::move(progress)), recorded_(recorded) {}

    void Start(std::vector<Player> seats, int target, int breakIn, bool recorded = true);

    // A turn banked `points` (a pass).
    void Banked(int seat, std::int32_t points);
    // A turn ended in a Zarvel: nothing banked.
    void Zarvel(int seat);
    // The seat reached the target first.
    void WentOut(int seat);

    // The game ended. The scores are the game's own (the tally's sums are
    // only a check of them); missing seats keep the banked sums. Nothing
    // when not recorded, not started, or the winner is not a seat; the
    // tally is cleared either way, so a game is recorded once.
    std::optional<GameRecord> Finish(int winner, std::span<const std::int32_t> finalScores,
                                     std::int64_t finishedAt = NowSeconds());

    bool recorded() const { return recorded_; }
    bool started() const { return !game_.seats.empty(); }
    const GameRecord& progress() const { return game_; }

    bool operator==(const GameTally&) const = default;

private:
    SeatRecord* At(int seat);

    GameRecord game_;
    bool recorded_ = false;
};

}  // namespace zarvel
