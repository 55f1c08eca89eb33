// Computer players in the real window: their turns run on the event loop,
// wait for modal windows and open trays, never touch a game started since,
// and a test run plays itself, reports and ends the program.
#include <QInputDialog>
#include <QLabel>
#include <numeric>

#include "ComputerDriver.h"
#include "GuiTest.h"
#include "RecordKeeper.h"
#include "TestMode.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

class Computers : public GuiTest {
protected:
    // Seat 0 a Normal computer, seat 1 a human (0) or a computer of that
    // style, at Ridiculous speed.
    frmMain& Seat(int second) {
        Settings s;
        s.ComputerFast = 2;
        frmMain& w = Build(s);
        w.pauseFor = [](int) {};
        // The seating schedules seat 0's turn.
        w.table().SeatGame({{"Hal", true, style::Normal}, {"Ann", second != 0, second != 0 ? second : 1}}, 5000, 500);
        w.ShowGameButtons(true);
        seated = w.state();
        return w;
    }
    // The seat has done something since the start of its turn.
    bool Acted(frmMain& w) const { return w.state() != seated; }

    GameState seated;
};

TEST_F(Computers, AModalWindowHoldsTheTurnUntilItCloses) {
    frmMain& w = Seat(0);
    QDialog about(&w);
    about.setModal(true);
    about.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &about);
    // The turn has looked, and decided to wait, again and again.
    const auto looks = w.driver().Looks();
    ASSERT_TRUE(WaitFor([&] { return w.driver().Looks() >= looks + 3; }));
    EXPECT_FALSE(Acted(w));
    EXPECT_TRUE(w.driver().TurnRunning());
    about.close();
    EXPECT_TRUE(WaitFor([&] { return Acted(w); }));
}

TEST_F(Computers, AnAllComputerGamePlaysToItsWinner) {
    frmMain& w = Seat(style::Genius);
    ModalAnswerer answers;  // the winner window
    ASSERT_TRUE(WaitFor([&] { return w.state().GameOver; }, 60000));
    const GameState& g = w.state();
    EXPECT_GE(g.PlayerScore[g.Winner], g.PlayToScore);
    EXPECT_LE(w.driver().MaxStepNesting(), 1);
}

TEST_F(Computers, ATestRunPlaysItsGamesReportsAndEnds) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    QStringList prompts, report;
    QString firstCaption;
    Poll poll([&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QInputDialog*>(modal)) {
            prompts << box->labelText();
            // Seven games; Moron opens; every other answer as offered.
            if (prompts.size() == 1) box->setTextValue(QStringLiteral("7"));
            if (prompts.size() == 2) box->setTextValue(QStringLiteral("1"));
            box->accept();
        } else if (auto* message = qobject_cast<QMessageBox*>(modal)) {
            report << message->text();
            message->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        if (firstCaption.isEmpty() && w.scorePadBuilt() && w.scorePad().isVisible())
            firstCaption = w.scorePad().windowTitle();
    });
    w.RunTestGame();
    ASSERT_TRUE(WaitFor([&] { return programEndsNow > 0; }, 60000));
    EXPECT_EQ(prompts, (QStringList{"How Many Games (7 or 14) ???", "Normal's Position (0-6) ???",
                                    "Play to 5000 or 10000 ???", "Amount needed to break in ???"}));
    const GameState& g = w.state();
    EXPECT_EQ(w.testRun().NumGames(), 7);
    EXPECT_EQ(g.PlayerName[0], "Moron");
    EXPECT_EQ(g.PlayerName[1], "Normal");
    EXPECT_EQ(firstCaption, QStringLiteral(" Game 1 of 7"));
    // Nobody's games: neither recorded nor kept to continue.
    EXPECT_TRUE(w.records().records().Statistics().empty());
    EXPECT_FALSE(w.records().records().LoadSavedGame());
    EXPECT_EQ(w.scorePad().windowTitle(), QStringLiteral(" Score Pad"));
    EXPECT_EQ(report, QStringList{QString::fromStdString(TestReport(g, w.testRun().Wins()))});
    EXPECT_EQ(std::accumulate(w.testRun().Wins().begin(), w.testRun().Wins().end(), 0), 7);
    EXPECT_EQ(programEndsNow, 1);
}

}  // namespace
}  // namespace zarvel::test
