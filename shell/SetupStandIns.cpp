#include "SetupStandIns.h"

#include <QMessageBox>
#include <QVBoxLayout>

#include "GameHost.h"
#include "Table.h"

namespace zarvel {

frmScorePad::frmScorePad(GameHost& host, QWidget* parent) : QWidget(parent, Qt::Tool), host_(host) {
    setWindowTitle(QStringLiteral("Score Pad"));
    auto* layout = new QVBoxLayout(this);
    for (int seat = 0; seat < kSeats; ++seat) {
        auto* row = new QLabel(this);
        rows_.push_back(row);
        scores_.push_back(QStringLiteral("0"));
        layout->addWidget(row);
    }
    repaintPad();
}

void frmScorePad::setScore(int seat, const QString& text) {
    if (seat < 0 || seat >= rows_.size()) return;
    scores_[seat] = text;
}

void frmScorePad::setHighlight(int seat, bool current) {
    if (seat < 0 || seat >= rows_.size()) return;
    rows_[seat]->setStyleSheet(current ? QStringLiteral("color: red; font-weight: bold") : QStringLiteral("color: #000080"));
}

void frmScorePad::repaintPad() {
    const GameState& g = host_.table().state();
    for (int seat = 0; seat < rows_.size(); ++seat) {
        rows_[seat]->setVisible(seat < g.NumPlayers);
        rows_[seat]->setText(QString::fromStdString(g.PlayerName[seat]) + QStringLiteral(":  ") + scores_[seat]);
    }
    adjustSize();
}

void frmScorePad::Form_Activate() { repaintPad(); }

void frmScorePad::placeBeside(QWidget* mainWindow) {
    const QRect frame = mainWindow->frameGeometry();
    move(frame.right() + 8, frame.top());
}

frmNewGame::frmNewGame(GameHost& host, QWidget* parent) : QDialog(parent), host_(host) {}

int frmNewGame::exec() {
    Table& table = host_.table();
    GameState& g = table.state();
    g.NumPlayers = 2;
    for (int seat = 0; seat < kSeats; ++seat) {
        g.PlayerName[seat] = seat < 2 ? "Player " + std::to_string(seat + 1) : std::string();
        g.PlayerIsComputer[seat] = false;
        g.PlayerStyle[seat] = 1;
    }
    table.StartGame();
    host_.ShowGameButtons(true);
    frmScorePad& pad = host_.scorePad();
    pad.setHighlight(0, true);
    pad.setHighlight(1, false);
    pad.repaintPad();
    pad.placeBeside(host_.mainWindow());
    pad.show();
    g.ScorePadShown = true;
    host_.mainWindow()->activateWindow();
    return QDialog::Accepted;
}

frmCongrats::frmCongrats(GameHost& host, QWidget* parent) : QDialog(parent), host_(host) {}

int frmCongrats::exec() {
    const GameState& g = host_.table().state();
    const QString name = QString::fromStdString(g.PlayerName[g.Winner]);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Game Over"),
                    QStringLiteral("%1 wins with %2 points.").arg(name).arg(g.PlayerScore[g.Winner]),
                    QMessageBox::Ok, parentWidget());
    box.exec();
    host_.ShowGameButtons(false);
    return QDialog::Accepted;
}

}  // namespace zarvel
