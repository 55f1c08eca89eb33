// Headless tournaments: computer seats only, a board that draws nothing and
// virtual time at the fastest speed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Board.h"
#include "Random.h"

namespace zarvel {

// Shows nothing, plays nothing, pauses for no time; keeps the messages.
class NullBoard : public Board {
public:
    std::vector<std::string> messages;
    bool endRequested = false;

    void ShowDie(int, int) override {}
    void ShowMarker(int, bool) override {}
    bool MarkerVisible(int) const override { return false; }
    void ShowDividerAt(int) override {}
    void HideDivider() override {}
    void SetStatusText(const std::string&) override {}
    void SetStatusTop(int) override {}
    void ShowLastRoll(bool) override {}
    void SetTurnScoreText(const std::string&) override {}
    void SetPlayerText(const std::string&) override {}
    void SetRollEnabled(bool e) override { roll_ = e; }
    void SetPassEnabled(bool e) override { pass_ = e; }
    bool RollEnabled() const override { return roll_; }
    bool PassEnabled() const override { return pass_; }
    void SetBusyPointer(bool) override {}
    void Beep() override {}
    void Sleep(int) override {}
    void PlaySoundFile(const std::string&) override {}
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowWinner() override {}
    void ScorePadScore(int, const std::string&) override {}
    void ScorePadHighlight(int, bool) override {}
    void ScorePadRepaint() override {}
    void RequestNewGame() override {}
    void EndProgramNow() override { endRequested = true; }

private:
    bool roll_ = false, pass_ = false;
};

struct TournamentOptions {
    int games = 14;
    std::uint64_t seed = 1;
    int playTo = 5000;
    int breakIn = 500;
    int normalPosition = 0;
    std::vector<int> seats;  // style codes by seat; empty: one seat per style
};

struct TournamentResult {
    std::vector<int> styles;  // by seat
    std::vector<int> wins;    // by seat
    int gamesPlayed = 0;
    bool completed = false;
    std::string error;  // a computer player's error report, if one stopped the run
};

// Plays the games with a generator seeded from options.seed, or with the
// given source of randomness.
TournamentResult RunTournament(const TournamentOptions& options);
TournamentResult RunTournament(const TournamentOptions& options, RandomSource& rng, Board& board);

}  // namespace zarvel
