#include "ComputerPlayers.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "ComputerDriver.h"
#include "GameTray.h"
#include "PictureBox.h"
#include "QtScheduler.h"
#include "TestMode.h"
#include "frmMain.h"
#include "frmScorePad.h"

namespace zarvel {

ComputerPlayers::ComputerPlayers(frmMain& w)
    : scheduler_(std::make_unique<QtScheduler>(&w)),
      driver_(std::make_unique<ComputerDriver>(w.table(), *scheduler_)),
      testRun_(std::make_unique<TestRun>(w.table(), *driver_, *scheduler_)) {
    // A message box, the about box or any other modal window holds the
    // computer until it closes.
    driver_->held = [] { return QApplication::activeModalWidget() != nullptr; };
    driver_->setRollAreaEnabled = [&w](bool enabled) { w.gameTray()->picTray1->setEnabled(enabled); };
    driver_->requestClose = [&w] { w.close(); };

    testRun_->ask = [&w](const std::string& prompt, const std::string& answer) -> std::optional<std::string> {
        bool ok = false;
        const QString text = QInputDialog::getText(&w, w.AppTitle(), QString::fromStdString(prompt), QLineEdit::Normal,
                                                   QString::fromStdString(answer), &ok);
        if (!ok) return std::nullopt;
        return text.toStdString();
    };
    testRun_->setScorePadCaption = [&w](const std::string& caption) {
        w.scorePad().setWindowTitle(QString::fromStdString(caption));
    };
    testRun_->onGameStarting = [&w] {
        w.HideNewGameDialog();
        // The game's own buttons, as in any game: New Game would only
        // interrupt the run.
        w.ShowGameButtons(true);
        frmScorePad& pad = w.scorePad();
        for (int seat = 0; seat < kSeats; ++seat) pad.setItalic(seat, w.state().PlayerIsComputer[std::size_t(seat)]);
        pad.showRebuilt();
        pad.placeBeside(&w);
        pad.repaintPad();
        QCoreApplication::processEvents();
        w.TakeFocusBack();
    };
    testRun_->showReport = [&w](const std::string& report) {
        QMessageBox box(QMessageBox::NoIcon, w.AppTitle(), QString::fromStdString(report), QMessageBox::Ok, &w);
        box.exec();
    };
    testRun_->endProgram = [&w] { w.EndProgramNow(); };
}

ComputerPlayers::~ComputerPlayers() = default;

}  // namespace zarvel
