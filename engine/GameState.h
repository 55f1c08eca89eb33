// The shared game state: plain values that every layer reads, and that the
// engine's handlers write during play. Slots are 0..5, seats 0..8.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Catalogue.h"

namespace zarvel {

// Sentinel for "none": no die in a slot, no game running, nobody out yet.
constexpr int kNone = 99;
constexpr int kSlots = 6;
constexpr int kSeats = 9;

// Scores are 32-bit so a long turn or a high total is never wrapped.
using Score = std::int32_t;

struct GameState {
    // Dice of the roll area, and the set-aside tray.
    std::array<int, kSlots> Dice{99, 99, 99, 99, 99, 99};
    std::array<std::string, kSlots> DieCode{"0", "0", "0", "0", "0", "0"};
    std::array<bool, kSlots> DieFree{};
    std::array<int, kSlots> RolledDice{};
    std::array<int, kSlots> TrayDice{};
    std::array<bool, kSlots> TraySlotUsed{};
    int HeldCount = 0;

    // Players.
    int NumPlayers = 0;
    std::array<std::string, kSeats> PlayerName{};
    std::array<bool, kSeats> PlayerIsComputer{};
    std::array<int, kSeats> PlayerStyle{};
    std::array<Score, kSeats> PlayerScore{};

    // Turn.
    int CurrentPlayer = kNone;
    Score TurnScore = 0;
    Score TurnScoreAtRoll = 0;
    std::string AllowedActions;
    std::string SavedActions;
    bool Zarveled = false;
    bool CanPass = false;

    // Game.
    int WentOut = kNone;
    bool GameOver = false;
    int Winner = 0;

    // Shared flags of the program.
    bool Quitting = false;
    bool BotTurnOver = false;
    bool TrayOpen = false;
    bool TrayMoving = false;
    bool ScorePadShown = false;

    // Tournament (test mode) tallies.
    bool TestMode = false;
    int TestGamesPlayed = 0;
    int TestNumGames = 0;
    int NormalPosition = 0;
    std::array<int, kSeats> TestWins{};

    // Counts passes; lets a handler see that the turn moved on while it
    // waited on a nested call (a human's bust passes from inside the roll).
    std::uint64_t PassCount = 0;

    bool IsComputerTurn() const {
        return CurrentPlayer >= 0 && CurrentPlayer < kSeats && PlayerIsComputer[CurrentPlayer];
    }
    bool GameRunning() const { return CurrentPlayer != kNone; }
};

// Settings the engine reads; filled at start-up from the settings file.
struct Settings {
    int PlayToScore = 5000;
    int BreakInScore = 500;
    int ComputerFast = 0;  // 0 Normal, 1 Fast, 2 Ridiculous
    bool SoundFXOFF = false;
    bool SortDice = false;
    bool MarkScorers = true;
    int DieColor = 100;
    std::string TextColor = kDefaultTextColourText;
    std::string TempPath;

    std::string ZarvelSound;
    std::string OneDieSound;
    std::string MultiDieSound;
    std::string MoveDieSound;
    std::string Passem1Sound;
    std::string Passem2Sound;
    std::string UndoSound;
    std::string GameOverSound;

    std::string OverTopSound() const { return TempPath + kOverTopSound.name; }
};

}  // namespace zarvel
