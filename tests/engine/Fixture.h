// A table with two human seats, a recording board and scripted dice.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DiceScript.h"
#include "RecordingBoard.h"
#include "Table.h"

namespace zarvel::test {

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
            const bool computer = !names[p].empty() && names[p][0] == '*';
            g.PlayerName[p] = computer ? names[p].substr(1) : names[p];
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
