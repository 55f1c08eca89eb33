// Keeps the game records while the game is played: opens them at start,
// offers to continue the game a restart interrupted, saves the game in play
// after every action, counts each game's turns and records it when it
// ends, remembers the last seats, and opens the statistics window. Test
// mode's games are neither saved nor recorded.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "GameRecord.h"
#include "Records.h"
#include "SeatMemory.h"
#include "Table.h"

class QWidget;

namespace zarvel {

class GameHost;

class RecordKeeper : public QObject, public TableListener, public SeatMemory {
    Q_OBJECT
public:
    // Opens the records at `path`; a trouble and the offer to continue a
    // saved game wait until the main window is showing.
    RecordKeeper(GameHost& host, std::string path = DefaultRecordsPath());
    ~RecordKeeper() override;

    Records& records() { return *records_; }
    // What was saved last by this run ("" after the game ended or was given up).
    const std::string& lastSaved() const { return lastSaved_; }
    const GameTally& tally() const { return tally_; }

    // Asks whether to continue the saved game, if there is one: Yes puts
    // it back on the table, No drops it. Done once, when the window shows.
    void OfferSavedGame();
    bool offerMade() const { return offerMade_; }
    // The player gave up the game in play: it is neither kept nor recorded.
    void GameAbandoned();
    // Game > Statistics...
    void ShowStatistics();

    // TableListener.
    void GameSeated() override;
    void TurnEnded(int seat, Score banked, bool zarvel) override;
    void StateChanged() override;
    void GameOver(int winner) override;

    // SeatMemory.
    std::optional<LastSeats> Recall() override;
    void Remember(const LastSeats& seats) override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Save();
    void Resume(const GameState& state, const GameTally& tally);
    // Says it from the event loop, never inside a table's handler; one
    // message at a time.
    void Tell(const QString& text);
    void ShowTold();

    GameHost& host_;
    std::unique_ptr<Records> records_;
    GameTally tally_;
    bool keeping_ = false;   // the game on the table is saved and will be recorded
    bool resuming_ = false;  // putting a saved game back: not a new game
    bool windowUp_ = false;   // shown: messages may be said
    bool offerMade_ = false;
    std::string lastSaved_;
    QString told_;           // waiting to be shown
    bool telling_ = false;   // a message is showing
};

}  // namespace zarvel
