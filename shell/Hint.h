// Game > Hint (the H key): the best play for the person whose turn it is.
// The dice it would set aside are framed, and the status line (which a
// screen reader follows) says what to do and the chance to win from here
// by that play. With more than two players the advice plays the strongest
// other player alone, and says so. The hint stays until the game moves on.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "Expert.h"
#include "GameState.h"

class QAction;
class QMenu;

namespace zarvel {

class ExpertTables;
class GameTray;
class Table;

class Hint : public QObject {
    Q_OBJECT
public:
    // `gameWaits`: true while the game waits for the player elsewhere (a
    // tray open): no hint then.
    Hint(Table& table, GameTray& tray, ExpertTables& tables, std::function<bool()> gameWaits, QObject* parent = nullptr);

    // Adds the menu item (mnuHint, with its key) to the menu.
    QAction* AddTo(QMenu* menu);
    QAction* action() const { return mnuHint_; }

    // A person's turn, with something to decide, and the game not waiting.
    bool Available() const;
    // The menu item and the key: the hint, or, while the Expert's table is
    // being worked out, a word that it comes once it is ready.
    void mnuHint_Click();
    // The game moved on (every status the table shows): the hint goes, and
    // the menu item follows whose turn it is.
    void StatusChanged();
    // The menu item follows whose turn it is and whether the game waits.
    void Refresh();

    // The slots of the roll area framed now.
    bool Marked(int slot) const;
    // What the last hint said; empty once the game moved on.
    const QString& Shown() const { return shown_; }

    // The sentence for this advice in this game.
    static QString Text(const GameState& g, const solver::Advice& advice);
    // A chance as the hint says it: "61 %", "over 99 %", "under 1 %".
    static QString Percent(double chance);

    // Shows this advice: frames the dice it sets aside and says it in the
    // status line, on two lines.
    void Show(const solver::Advice& advice);

private:
    void SetStatusText(const QString& text);
    void Clear();

    Table& table_;
    GameTray& tray_;
    ExpertTables& tables_;
    std::function<bool()> gameWaits_;
    QAction* mnuHint_ = nullptr;
    TurnAdvisor advisor_;
    // The game as it stood when a hint was asked before the table was ready.
    std::optional<GameState> pending_;
    std::array<bool, kSlots> marked_{};
    QString shown_;
    bool statusTaken_ = false;  // the status line shows the hint (two lines)
    int lastRollTop_ = -1;      // where "(Last Roll)" stood before the hint moved it
    int statusTop_ = 0;         // where the status line stood before the hint moved it
};

}  // namespace zarvel
