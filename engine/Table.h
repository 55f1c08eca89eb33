// The game table: seating a game, and the handlers of rolling, selecting,
// undoing, passing and ending it. Buttons, keys and computer players all
// act through them; what the table shows goes to its board, and what the
// program must answer goes to its listeners once the table has done its part.
#pragma once

#include <string>
#include <vector>

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

// A seat of a new game.
struct Seat {
    std::string name;
    bool computer = false;
    int style = 0;  // the computer's style code
};

class Table {
public:
    Table(GameState& state, Settings& settings, Board& board, RandomSource& random);

    // Listeners are told in the order they were added; each must outlive
    // its place here or remove itself.
    void AddListener(TableListener& listener);
    void RemoveListener(TableListener& listener);

    // Starts a game: these seats (a lone seat is joined by a computer
    // seat, as the new game dialog offers it), every score 0, the first seat
    // to roll, playing to playTo with a first banking of at least breakIn.
    // Any game in progress is over; listeners hear GameSeated.
    void SeatGame(const std::vector<Seat>& seats, Score playTo, Score breakIn);
    // Puts a game in progress back on the table as `state` holds it (a
    // state a game in play had: see DecodeState) and shows it: the dice,
    // the tray, the labels, the buttons and the score pad. Listeners hear
    // GameSeated, so a computer whose turn it is starts it.
    void ResumeGame(const GameState& state);

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
    void SetStatus(Status status, bool undo = false);

    int GetDie2();
    int RandomNumber(int n);
    void Bubble(int sortHowMany);

    // Current player is a computer and speed is Ridiculous / Fast or more.
    bool FastComputer() const;
    bool QuickComputer() const;

    const GameState& state() const { return g_; }
    Settings& settings() { return s_; }
    const Settings& settings() const { return s_; }
    Board& board() { return b_; }
    RandomSource& random() { return rng_; }

private:
    void PlaySound(const std::string& path);
    // The status line, as the player at the table should see it.
    void ShowStatus(StatusLine line);
    void Undo(int traySlot);
    void GoOut();
    void ComputeCanPass();
    void EmptyDice();
    // The board as the state stands, between actions.
    void ShowState();

    // Drawing, skipped for a board that shows nothing.
    void Show(int index, int face) {
        if (shows_) b_.ShowDie(index, face);
    }
    void Mark(int slot, bool visible) {
        if (shows_) b_.ShowMarker(slot, visible);
    }
    void HideMarkers();
    void HideDivider() {
        if (shows_) b_.HideDivider();
    }
    void ShowTurnScore() {
        if (shows_) b_.SetTurnScore(g_.TurnScore);
    }

    template <class Event>
    void Tell(Event event) {
        for (TableListener* l : listeners_) (l->*event)();
    }

    GameState& g_;
    Settings& s_;
    Board& b_;
    RandomSource& rng_;
    UniformRandom* uniform_;  // rng_ when it is the program's generator: its draws inline
    bool shows_;
    std::vector<TableListener*> listeners_;
};

}  // namespace zarvel
