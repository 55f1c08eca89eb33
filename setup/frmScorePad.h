// The score pad: every player's banked score, the current player in red,
// and the goal line, which alternates with the break-in amount until every
// player has banked.
#pragma once

#include <QWidget>
#include <array>

#include "NameLabel.h"

class QLabel;
class QTimer;

namespace zarvel {

class GameHost;

class frmScorePad : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 8;
    static constexpr int kWidthTwips = 2475;
    // Its place beside the main window: this far above the main window's
    // top, and this far right of its right edge (or left of its left edge).
    static constexpr int kAboveMainTwips = 350, kBesideMainTwips = 175;

    frmScorePad(GameHost& host, QWidget* parent = nullptr);

    // Earlier names: Label2 is lblPlayerHeading, Label3 lblScoreHeading.
    QLabel* lblGoal = nullptr;
    QLabel* lblPlayerHeading = nullptr;  // "Player"
    QLabel* lblScoreHeading = nullptr;   // "Score"
    std::array<NameLabel*, kRows> lblPlayer{};  // shortened where long; the whole name in the tooltip
    std::array<QLabel*, kRows> lblScore{};
    QTimer* Timer1 = nullptr;

    // Updates from the turn flow and the new game dialog.
    void setScore(int seat, const QString& text);
    void setHighlight(int seat, bool current);
    void setItalic(int seat, bool italic);
    void repaintPad();

    // Beside the main window: right of it, or left when the right side
    // starts off the screen; always at a height that can be seen.
    void placeBeside(QWidget* mainWindow);
    // Shows the pad with its rows rebuilt from the game state, whether or
    // not it is showing already.
    void showRebuilt();

    void Form_Activate();
    void Timer1_Timer();

    // The client height (twips) for a number of players; 0 for none.
    static int HeightTwips(int numPlayers);
    QString TargetText() const;
    QString BreakInText() const;

signals:
    // The pad was shown or hidden, by anyone.
    void shownChanged(bool shown);
    // The player closed the pad; it stays hidden until shown again.
    void closedByPlayer();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void Form_Load();

    GameHost& host_;
};

}  // namespace zarvel
