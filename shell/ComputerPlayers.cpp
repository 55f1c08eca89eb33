#include "ComputerPlayers.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "Catalogue.h"
#include "ComputerDriver.h"
#include "ExpertTables.h"
#include "QtScheduler.h"
#include "TestMode.h"

namespace zarvel {

namespace {

QString ReportMessage(BotReport report, int numDiceUp) {
    if (report == BotReport::DiceCount)
        return QCoreApplication::translate("ComputerPlayers",
                                           "NumDiceUp = %1\r\nError 529 - Bot Click - Please contact %2.")
            .arg(numDiceUp)
            .arg(QLatin1String(kMakerName));
    return QCoreApplication::translate("ComputerPlayers", "Msg 519 -- Please contact %1 Tech Support.")
        .arg(QLatin1String(kMakerName));
}

}  // namespace

ComputerPlayers::ComputerPlayers(Table& table, ComputerHost& host)
    : scheduler_(std::make_unique<QtScheduler>()),
      expertTables_(std::make_unique<ExpertTables>(table, host.mainWindow())),
      driver_(std::make_unique<ComputerDriver>(table, *scheduler_)),
      testRun_(std::make_unique<TestRun>(table, *driver_, *scheduler_)) {
    // A message box, the about box or any other modal window holds the
    // computer until it closes.
    driver_->held = [] { return QApplication::activeModalWidget() != nullptr; };
    driver_->quitting = [&host] { return host.Quitting(); };
    driver_->trayOpen = [&host] { return host.TrayOpen(); };
    driver_->setRollAreaEnabled = [&host](bool enabled) { host.SetRollAreaEnabled(enabled); };
    driver_->report = [&host](BotReport report, int numDiceUp) {
        QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle), ReportMessage(report, numDiceUp), QMessageBox::Ok,
                        host.mainWindow());
        box.exec();
    };
    driver_->requestClose = [&host] { host.mainWindow()->close(); };
    driver_->endProgram = [&host] { host.EndProgramNow(); };
    driver_->expertTable = [tables = expertTables_.get()](const solver::Rules& rules) { return tables->Get(rules); };

    testRun_->translate = [](const char* text) { return QCoreApplication::translate("TestMode", text).toStdString(); };
    testRun_->ask = [&host](const std::string& prompt, const std::string& answer) -> std::optional<std::string> {
        bool ok = false;
        const QString text = QInputDialog::getText(host.mainWindow(), QLatin1String(kTitle), QString::fromStdString(prompt),
                                                   QLineEdit::Normal, QString::fromStdString(answer), &ok);
        if (!ok) return std::nullopt;
        return text.toStdString();
    };
    testRun_->setScorePadCaption = [&host](const std::string& caption) {
        host.SetScorePadCaption(QString::fromStdString(caption));
    };
    testRun_->onGameStarting = [&host] { host.ShowTestGame(); };
    testRun_->showReport = [&host](const std::string& report) {
        QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle), QString::fromStdString(report), QMessageBox::Ok,
                        host.mainWindow());
        box.exec();
    };
    testRun_->endProgram = [&host] { host.EndProgramNow(); };
}

ComputerPlayers::~ComputerPlayers() = default;

}  // namespace zarvel
