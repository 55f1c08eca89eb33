#include "SetupWindows.h"

#include <QWidget>

#include "frmCongrats.h"
#include "frmNewGame.h"
#include "frmScorePad.h"

namespace zarvel {

SetupWindows::SetupWindows(GameHost& host, QWidget* mainWindow) : host_(host), main_(mainWindow) {}

SetupWindows::~SetupWindows() { delete pad_; }

frmScorePad& SetupWindows::scorePad() {
    if (!pad_) {
        pad_ = new frmScorePad(host_, nullptr);
        QObject::connect(pad_, &frmScorePad::shownChanged, [this](bool shown) {
            if (padShownChanged) padShownChanged(shown);
        });
        QObject::connect(pad_, &frmScorePad::closedByPlayer, [this] {
            if (padClosed) padClosed();
        });
    }
    return *pad_;
}

void SetupWindows::ShowScorePad(bool shown) { scorePad().setVisible(shown); }


void SetupWindows::ScoreText(int seat, const QString& text) { scorePad().setScore(seat, text); }
void SetupWindows::Highlight(int seat, bool current) { scorePad().setHighlight(seat, current); }
void SetupWindows::Repaint() { scorePad().repaintPad(); }

void SetupWindows::RunNewGame() {
    if (!newGame_) newGame_ = new frmNewGame(host_, main_);
    newGame_->exec();
    // Cancel destroys the dialog, so the next showing starts afresh; OK
    // only hid it, with its entries.
    if (newGame_->cancelled()) {
        delete newGame_;
        newGame_ = nullptr;
    }
}

void SetupWindows::HideNewGame() {
    if (newGame_ && newGame_->isVisible()) newGame_->hide();
}

void SetupWindows::RunWinner() {
    frmCongrats dialog(host_, main_);
    dialog.exec();
}

}  // namespace zarvel
