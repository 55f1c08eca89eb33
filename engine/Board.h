// Everything the table shows, plays or waits for goes through a board; what
// happened that the program must answer (a player went out, the game ended,
// a computer's turn is due) goes to its listeners. The main window is both;
// tests use a recording board, the tournament a board that shows nothing.
#pragma once

#include <string>

#include "GameState.h"

namespace zarvel {

// The status line's messages. The board turns them into words, so the
// table never builds a text.
enum class Status : std::uint8_t {
    Blank,
    Rolling,           // "Rolling..."
    SelectDice,        // "Select Dice."
    SelectOrPass,      // "Select Dice or Pass Dice."
    MustRoll,          // "All dice score - You must roll."
    RollTheDice,       // "Roll the dice."
    RollOrPass,        // "Roll or pass the dice."
    SelectOrRoll,      // "Select dice or roll."
    RollSelectOrPass,  // "Roll, select, or pass the dice."
    PassTheDice,       // "Pass The Dice." (only ever with "(Undo)")
    Zarvel,            // "ZARVEL !!!"
    ZarvelPassing,     // "ZARVEL - Passing the dice.", growing letter by letter
    PressF2,           // "Press "F2" to start a game."
    // A computer's turn shows whose it is, never a human's prompts.
    ComputerPlaying,   // "<seat's name> is playing."
    Banked,            // "<seat's name> banked <points> points."
    // Why the dice cannot be passed yet: the turn has points, but not enough.
    BreakInNeeded,     // "<points> in one turn to get on the board."
};

// The letters of the passing text, shown one more at a time: blanks come
// with the letter after them.
constexpr int kPassingLetters = 15;

struct StatusLine {
    Status status = Status::Blank;
    bool undo = false;  // followed by " (Undo)"
    int letters = 0;    // ZarvelPassing: letters of the passing text shown, 1..kPassingLetters
    int seat = kNone;   // ComputerPlaying, Banked: whose turn
    Score points = 0;   // Banked: the turn's points; BreakInNeeded: the break-in

    constexpr bool operator==(const StatusLine&) const = default;
};

class Board {
public:
    virtual ~Board() = default;

    // False for a board that shows and plays nothing: the table then sends
    // it nothing but its pauses and the Roll and Pass buttons' state.
    virtual bool Shows() const { return true; }

    // Picture1(index): 0..5 roll area, 10..15 tray; face 0 shows nothing.
    virtual void ShowDie(int index, int face) = 0;
    virtual void ShowMarker(int slot, bool visible) = 0;
    // Divider left edge in twips inside the tray, or hidden.
    virtual void ShowDividerAt(int leftTwips) = 0;
    virtual void HideDivider() = 0;

    // Labels. What is shown before a pause must be seen during it.
    virtual void SetStatus(const StatusLine& status) = 0;
    virtual void SetStatusTop(int twips) = 0;
    virtual void ShowLastRoll(bool visible) = 0;
    virtual void SetTurnScore(Score points) = 0;
    // The current player's name; a single blank between games.
    virtual void SetPlayerText(const std::string& text) = 0;

    virtual void SetRollEnabled(bool enabled) = 0;
    virtual void SetPassEnabled(bool enabled) = 0;
    virtual bool RollEnabled() const = 0;
    virtual bool PassEnabled() const = 0;

    virtual void SetBusyPointer(bool busy) = 0;
    virtual void Beep() = 0;
    // A plain pause: nothing the user does is handled until it is over.
    virtual void Sleep(int ms) = 0;
    virtual void PlaySoundFile(const std::string& path) = 0;

    // Score pad rows.
    virtual void ScorePadScore(int seat, Score score) = 0;
    virtual void ScorePadHighlight(int seat, bool current) = 0;
    virtual void ScorePadRepaint() = 0;
};

// What happened at the table that is not the table's to answer. A listener
// is told at once and must return without acting on the table: a modal
// window, a computer's turn or the next game runs later, from the loop.
class TableListener {
public:
    virtual ~TableListener() = default;

    // A game was seated (it may replace one in progress), or a saved one
    // was put back on the table.
    virtual void GameSeated() {}
    // A turn ended: `banked` points went to the seat's score, or nothing
    // did because the turn ended in a Zarvel. Told before the game ends.
    virtual void TurnEnded(int /*seat*/, Score /*banked*/, bool /*zarvel*/) {}
    // A roll, a selection, an undo or a pass has changed the rules' state
    // and is over, with everything it set off (a Zarvel's pass included).
    virtual void StateChanged() {}
    // The dice passed to a computer seat (after the pass's own pauses).
    virtual void ComputerTurnDue() {}
    // A player went out and a human sits at the table: tell them.
    virtual void GoneOut(int /*seat*/) {}
    // The game ended; the table already shows that it has.
    virtual void GameOver(int /*winner*/) {}
    // F2 and Esc.
    virtual void NewGameRequested() {}
    virtual void EndProgramRequested() {}
};

}  // namespace zarvel
