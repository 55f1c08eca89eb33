// The game table: the handlers of rolling, selecting, undoing, passing and
// ending a game. Buttons, keys and computer players all act through them.
#pragma once

#include <functional>
#include <string>

#include "Board.h"
#include "GameState.h"
#include "Random.h"

namespace zarvel {

// Virtual-key codes the keyboard handler understands.
namespace vk {
constexpr int Back = 8, Escape = 27, Key0 = 48, Key1 = 49, Key6 = 54;
constexpr int P = 80, R = 82, Numpad0 = 96, Numpad1 = 97, Numpad6 = 102;
constexpr int Decimal = 110, F2 = 113, F12 = 123;
}  // namespace vk

// Status line tops in twips: normal, and raised for the "(Last Roll)" line.
constexpr int kStatusTop = 2700;
constexpr int kStatusTopLastRound = 2545;

class Table {
public:
    Table(GameState& state, Settings& settings, Board& board, RandomSource& random);

    // Called when the dice pass to a computer seat (after the pass has made
    // its own pauses). The computer layer schedules the turn; it must not
    // play it inside this call.
    std::function<void()> onComputerTurnDue;
    // Called at the end of a tournament game, after the end-of-game steps.
    std::function<void()> onTestGameOver;

    // Handlers.
    void cmdRoll_Click();
    void Picture1_Click(int index);
    void cmdPassDice_Click();
    void Form_KeyUp(int keyCode);

    void AfterRoll();
    void AfterSelect();
    void ShowZarvel();
    void EndGame();

    void RollDice(int n);
    void MoveDie(int i);
    void ShowDivider(int k);
    void ShowMarkers(int n);
    void SetStatus(const std::string& text);

    int GetDie2();
    int RandomNumber(int n);
    void Bubble(int sortHowMany);

    // Resets the table for a game whose seats (NumPlayers, PlayerName,
    // PlayerIsComputer, PlayerStyle) are filled; the first seat is to roll.
    void StartGame();

    // Current player is a computer and speed is Ridiculous / Fast or more.
    bool FastComputer() const;
    bool QuickComputer() const;

    GameState& state() { return g_; }
    Settings& settings() { return s_; }
    Board& board() { return b_; }
    RandomSource& random() { return rng_; }

private:
    void PlaySound(const std::string& path);
    void Undo(int traySlot);
    void GoOut();
    void ComputeCanPass();

    GameState& g_;
    Settings& s_;
    Board& b_;
    RandomSource& rng_;
    UniformRandom* uniform_;  // rng_ when it is the program's generator: its draws inline
};

std::string StatusForUndo(const std::string& actions);

}  // namespace zarvel
