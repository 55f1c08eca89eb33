// The seam to the game set-up windows (new game dialog, score pad, winner
// window): the main window reaches them only through this class.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace zarvel {

class GameHost;
class frmScorePad;
class frmNewGame;

class SetupWindows {
public:
    SetupWindows(GameHost& host, QWidget* mainWindow);
    ~SetupWindows();
    SetupWindows(const SetupWindows&) = delete;
    SetupWindows& operator=(const SetupWindows&) = delete;

    // Built on first use; lives until the program ends.
    frmScorePad& scorePad();
    bool scorePadBuilt() const { return pad_ != nullptr; }

    // Told when the pad is shown or hidden, and when the player closes it.
    std::function<void(bool shown)> padShownChanged;
    std::function<void()> padClosed;
    // Shows the pad where it was, or hides it.
    void ShowScorePad(bool shown);

    void ScoreText(int seat, const QString& text);
    void Highlight(int seat, bool current);
    void Repaint();

    // The modal new game dialog; kept between showings, so a hidden dialog
    // keeps its entries.
    void RunNewGame();
    // Hides the new game dialog if it is open (a test run starts from it).
    void HideNewGame();
    // The modal winner window.
    void RunWinner();

private:
    GameHost& host_;
    QWidget* main_;
    frmScorePad* pad_ = nullptr;     // a top-level window; deleted with this
    frmNewGame* newGame_ = nullptr;  // child of the main window
};

}  // namespace zarvel
