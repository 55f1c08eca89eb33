// A table with two human seats, a recording board and scripted dice.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Board.h"
#include "DiceScript.h"
#include "Table.h"

namespace zarvel::test {

// Records, in order, what the engine showed, played, beeped and paused,
// and sleeps no real time.
class RecordingBoard : public Board {
public:
    std::vector<std::string> log;  // dice shown, statuses, pauses and sounds, in order
    std::vector<std::string> messages, sounds, statuses;
    std::vector<int> sleeps;
    std::array<int, 16> pictures{};
    std::array<bool, 6> markers{};
    int dividerLeft = -1;  // -1 hidden
    std::string status, turnScore, player;
    int statusTop = 2700;
    bool lastRoll = false, rollEnabled = false, passEnabled = false, busy = false;
    std::array<std::string, 9> padScore{};
    int padCurrent = -1, winnerShown = 0, newGameRequests = 0, endRequests = 0, beeps = 0;

    void ShowDie(int index, int face) override {
        pictures[index] = face;
        log.push_back("die " + std::to_string(index) + "=" + std::to_string(face));
    }
    void ShowMarker(int slot, bool visible) override { markers[slot] = visible; }
    bool MarkerVisible(int slot) const override { return markers[slot]; }
    void ShowDividerAt(int left) override { dividerLeft = left; }
    void HideDivider() override { dividerLeft = -1; }
    void SetStatusText(const std::string& t) override {
        status = t;
        statuses.push_back(t);
        log.push_back("status " + t);
    }
    void SetStatusTop(int twips) override { statusTop = twips; }
    void ShowLastRoll(bool v) override { lastRoll = v; }
    void SetTurnScoreText(const std::string& t) override { turnScore = t; }
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
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowWinner() override { ++winnerShown; }
    void ScorePadScore(int seat, const std::string& text) override { padScore[seat] = text; }
    void ScorePadHighlight(int seat, bool current) override { padCurrent = current ? seat : padCurrent; }
    void ScorePadRepaint() override {}
    void RequestNewGame() override { ++newGameRequests; }
    void EndProgramNow() override { ++endRequests; }

    void Clear() { log.clear(), sleeps.clear(), sounds.clear(), statuses.clear(), messages.clear(); }
};

class TableTest : public ::testing::Test {
protected:
    GameState g;
    Settings s;
    RecordingBoard board;
    ScriptedRandom rng{7};
    Table table{g, s, board, rng};

    void SetUp() override {
        s.TempPath = "/tmp/z/";
        s.OneDieSound = "one.wav", s.MultiDieSound = "multi.wav", s.MoveDieSound = "move.wav";
        s.ZarvelSound = "bust.wav", s.UndoSound = "undo.wav";
        s.Passem1Sound = "pass1.wav", s.Passem2Sound = "pass2.wav";
        Seat({"Ann", "Bob"});
    }

    // Seats players; names starting with '*' are computer seats.
    void Seat(const std::vector<std::string>& names) {
        g.NumPlayers = static_cast<int>(names.size());
        for (int p = 0; p < g.NumPlayers; ++p) {
            const bool computer = names[p].starts_with('*');
            g.PlayerName[p] = names[p].substr(computer ? 1 : 0);
            g.PlayerIsComputer[p] = computer;
            g.PlayerStyle[p] = 1;
        }
        table.StartGame();
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
