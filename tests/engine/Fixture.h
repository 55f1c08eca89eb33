// A table with two human seats, a recording board and scripted dice.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Board.h"
#include "DiceScript.h"
#include "Notation.h"
#include "Table.h"

namespace zarvel::test {

// Records, in order, what the engine showed, played, beeped and paused,
// and sleeps no real time.
class RecordingBoard : public Board {
public:
    std::vector<std::string> log;  // dice shown, statuses, pauses and sounds, in order
    std::vector<std::string> sounds;
    std::vector<StatusLine> statuses;
    std::vector<int> sleeps;
    std::array<int, 16> pictures{};
    std::array<bool, 6> markers{};
    int dividerLeft = -1;  // -1 hidden
    StatusLine status;
    Score turnScore = -1;
    std::string player;
    int statusTop = 2700;
    bool lastRoll = false, rollEnabled = false, passEnabled = false, busy = false;
    std::array<Score, 9> padScore{};
    int padCurrent = -1, beeps = 0;

    void ShowDie(int index, int face) override {
        pictures[index] = face;
        log.push_back("die " + std::to_string(index) + "=" + std::to_string(face));
    }
    void ShowMarker(int slot, bool visible) override { markers[slot] = visible; }
    void ShowDividerAt(int left) override { dividerLeft = left; }
    void HideDivider() override { dividerLeft = -1; }
    void SetStatus(const StatusLine& l) override {
        status = l;
        statuses.push_back(l);
        log.push_back("status " + Text(l));
    }
    void SetStatusTop(int twips) override { statusTop = twips; }
    void ShowLastRoll(bool v) override { lastRoll = v; }
    void SetTurnScore(Score points) override { turnScore = points; }
    void SetPlayerText(const std::string& t) override { player = t; }
    void SetRollEnabled(bool e) override { rollEnabled = e; }
    void SetPassEnabled(bool e) override { passEnabled = e; }
    bool RollEnabled() const override { return rollEnabled; }
    bool PassEnabled() const override { return passEnabled; }
    void SetBusyPointer(bool b) override { busy = b; }
    void Beep() override { ++beeps; }
    void Sleep(int ms) override {
        sleeps.push_back(ms);
        log.push_back("sleep " + std::to_string(ms));
    }
    void PlaySoundFile(const std::string& path) override {
        sounds.push_back(path);
        log.push_back("sound " + path);
    }
    void ScorePadScore(int seat, Score score) override { padScore[seat] = score; }
    void ScorePadHighlight(int seat, bool current) override { padCurrent = current ? seat : padCurrent; }
    void ScorePadRepaint() override {}

    void Clear() { log.clear(), sleeps.clear(), sounds.clear(), statuses.clear(); }
};

// Counts what the table told its listeners.
struct RecordingListener : TableListener {
    std::vector<int> goneOut, gameOver;
    int seated = 0, computerTurns = 0, newGameRequests = 0, endRequests = 0;
    void GameSeated() override { ++seated; }
    void ComputerTurnDue() override { ++computerTurns; }
    void GoneOut(int seat) override { goneOut.push_back(seat); }
    void GameOver(int winner) override { gameOver.push_back(winner); }
    void NewGameRequested() override { ++newGameRequests; }
    void EndProgramRequested() override { ++endRequests; }
};

class TableTest : public ::testing::Test {
protected:
    GameState g;
    Settings s;
    RecordingBoard board;
    ScriptedRandom rng{7};
    Table table{g, s, board, rng};
    RecordingListener heard;

    void SetUp() override {
        s.TempPath = "/tmp/z/";
        s.OneDieSound = "one.wav", s.MultiDieSound = "multi.wav", s.MoveDieSound = "move.wav";
        s.ZarvelSound = "bust.wav", s.UndoSound = "undo.wav";
        s.Passem1Sound = "pass1.wav", s.Passem2Sound = "pass2.wav";
        table.AddListener(heard);
        Seat({"Ann", "Bob"});
    }

    // Seats players of the Normal style at the settings' target and
    // break-in; names starting with '*' are computer seats.
    void Seat(const std::vector<std::string>& names) {
        std::vector<zarvel::Seat> seats;
        for (const std::string& name : names) {
            const bool computer = name.starts_with('*');
            seats.push_back({name.substr(computer ? 1 : 0), computer, 1});
        }
        table.SeatGame(seats, s.PlayToScore, s.BreakInScore);
    }

    // Rolls with the given faces for the dice not in the tray.
    void Roll(const std::vector<int>& faces) {
        ScriptRoll(rng, faces, !table.FastComputer());
        table.cmdRoll_Click();
        EXPECT_EQ(rng.Pending(), 0u) << "the roll did not use the draws scripted for it";
    }

    std::vector<int> Faces(int n) const { return {g.Dice.begin(), g.Dice.begin() + n}; }
};

}  // namespace zarvel::test
