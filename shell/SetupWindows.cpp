#include "SetupWindows.h"

#include <QWidget>

#ifdef ZARVEL_HAVE_SETUP
#include "frmCongrats.h"
#include "frmNewGame.h"
#include "frmScorePad.h"
#else
#include "SetupStandIns.h"
#endif

namespace zarvel {

SetupWindows::SetupWindows(GameHost& host, QWidget* mainWindow) : host_(host), main_(mainWindow) {}

SetupWindows::~SetupWindows() { delete pad_; }

frmScorePad& SetupWindows::scorePad() {
    if (!pad_) pad_ = new frmScorePad(host_, nullptr);
    return *pad_;
}

QWidget* SetupWindows::scorePadWidget() { return &scorePad(); }

void SetupWindows::ScoreText(int seat, const QString& text) { scorePad().setScore(seat, text); }
void SetupWindows::Highlight(int seat, bool current) { scorePad().setHighlight(seat, current); }
void SetupWindows::Repaint() { scorePad().repaintPad(); }

void SetupWindows::RunNewGame() {
    if (!newGame_) newGame_ = new frmNewGame(host_, main_);
    newGame_->exec();
}

void SetupWindows::RunWinner() {
    frmCongrats dialog(host_, main_);
    dialog.exec();
}

}  // namespace zarvel
