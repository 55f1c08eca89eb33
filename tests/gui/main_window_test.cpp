// The main window as a shell: how it opens, the quit rule, the keys, and the
// board's drawing in the game tray.
#include <QAction>
#include <QLabel>

#include "ARButton.h"
#include "DiceScript.h"
#include "GuiTest.h"
#include "PictureBox.h"
#include "TrayColumn.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

using MainWindow = GuiTest;

TEST_F(MainWindow, OpensNarrowedToTheGameTrayWaitingForANewGame) {
    frmMain& w = Build();
    EXPECT_EQ(w.centralWidget()->size(), w.gameTray()->size());
    EXPECT_EQ(w.gameTray()->pos(), QPoint(0, 0));
    EXPECT_TRUE(w.trays()->column()->isHidden());
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Press \"F2\" to start a game."));
    EXPECT_TRUE(w.gameTray()->ARCmdNewGame->isVisible());
    EXPECT_FALSE(w.gameTray()->cmdRoll->isVisible());
    EXPECT_FALSE(w.RollEnabled());
    EXPECT_FALSE(w.PassEnabled());
}

TEST_F(MainWindow, ClosingAsksOnlyDuringAGameAndNoKeepsEverything) {
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::No);
    StartTwoPlayerGame(w);
    w.state().PlayerScore[1] = 750;
    w.close();
    ASSERT_EQ(answers.seen().size(), 1);
    const auto& q = answers.seen().first();
    EXPECT_EQ(q.title, QStringLiteral("Quit?"));
    EXPECT_EQ(q.text, QStringLiteral("Are you sure you want to quit the current game?"));
    EXPECT_EQ(q.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.state().Quitting);
    EXPECT_EQ(w.state().PlayerScore[1], 750);
    // F2 asks the same; No leaves the game as it is.
    Release(&w, Qt::Key_F2);
    EXPECT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(w.state().CurrentPlayer, 0);
    EXPECT_EQ(programEnds, 0);

    // Yes ends the program and closes every other window.
    w.ShowHelpTopic(1);
    QWidget other;
    other.show();
    answers.SetAnswer(QMessageBox::Yes);
    w.mnuExit->trigger();
    EXPECT_TRUE(w.state().Quitting);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindow, WithoutAGameNothingIsAskedAndTheNewGameButtonNeverAsks) {
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::No);  // rejects the new game dialog too
    w.mnuNewGame->trigger();
    StartTwoPlayerGame(w);
    w.gameTray()->ARCmdNewGame->click();
    for (const auto& s : answers.seen()) EXPECT_NE(s.title, QStringLiteral("Quit?"));
    EXPECT_EQ(answers.seen().size(), 2);  // the dialog, twice
    w.state().CurrentPlayer = kNone;
    w.gameTray()->cmdExit->click();
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(answers.seen().size(), 2);
}

TEST_F(MainWindow, TheRollKeyActsOnItsReleaseAndOnlyWhenRollIsEnabled) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    w.SetRollEnabled(false);
    Release(&w, Qt::Key_R);
    EXPECT_EQ(w.state().Dice[0], kNone);
    w.SetRollEnabled(true);
    Release(&w, Qt::Key_R, Qt::NoModifier, /*autoRepeat=*/true);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    EXPECT_EQ(w.state().Dice[0], kNone);

    ScriptRoll(*dice, {1, 5, 2, 3, 4, 4});
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_R, Qt::NoModifier);
    QApplication::sendEvent(&w, &release);
    EXPECT_EQ(dice->Pending(), 0u);
    const int shown[] = {1, 5, 2, 3, 4, 4};
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(w.gameTray()->Picture1(i)->bitmapId(), 100 + shown[i]) << i;
    EXPECT_TRUE(w.MarkerVisible(0) && w.MarkerVisible(1) && !w.MarkerVisible(2));
    EXPECT_FALSE(w.RollEnabled());
}

// Esc or Return that closed a menu or a message box is released over the
// main window; that release alone neither ends the program nor rolls.
TEST_F(MainWindow, EscEndsAtOnceButOnlyWhenPressedHere) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    ModalAnswerer answers(QMessageBox::No);
    ReleaseOnly(&w, Qt::Key_Escape);
    ReleaseOnly(&w, Qt::Key_R);
    EXPECT_EQ(programEndsNow, 0);
    EXPECT_EQ(w.state().Dice[0], kNone);
    Release(&w, Qt::Key_Escape);
    EXPECT_TRUE(answers.seen().isEmpty());
    EXPECT_EQ(programEndsNow, 1);
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(w.state().Quitting);
}

TEST_F(MainWindow, DieBoxesShowTheSkinsBitmaps) {
    Settings s;
    s.DieColor = 148;
    frmMain& w = Build(s);
    w.ShowDie(14, 6);
    EXPECT_EQ(w.gameTray()->Picture1(14)->bitmapId(), 154);
    EXPECT_FALSE(w.gameTray()->Picture1(14)->picture().isNull());
    w.ShowDie(14, 0);
    EXPECT_TRUE(w.gameTray()->Picture1(14)->picture().isNull());
    EXPECT_EQ(w.gameTray()->picTray1->backColor(), QColor(0, 0, 255));  // Clouds trays are blue
    window.reset();

    // A stored code that is no skin draws the Blue dice on green trays
    // (not invisible dice on black) and stays stored as it was.
    s.DieColor = 7;
    frmMain& odd = Build(s);
    odd.ShowDie(3, 5);
    EXPECT_EQ(odd.gameTray()->Picture1(3)->bitmapId(), 105);
    EXPECT_FALSE(odd.gameTray()->Picture1(3)->picture().isNull());
    EXPECT_EQ(odd.gameTray()->picTray1->backColor(), QColor(0, 0x80, 0));
    EXPECT_EQ(odd.settings().DieColor, 7);
}

TEST_F(MainWindow, APauseHandlesNoInputButKeepsTheButtonsReadable) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    int paused = 0;
    w.pauseFor = [&](int) { ++paused; };
    QApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier));
    QApplication::postEvent(&w, new QKeyEvent(QEvent::KeyRelease, Qt::Key_R, Qt::NoModifier));
    w.Sleep(5);
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(w.state().Dice[0], kNone);
    QApplication::processEvents();
    EXPECT_NE(w.state().Dice[0], kNone);
    // A disabled pane (a tray open) leaves the buttons' own state readable.
    w.SetRollEnabled(true);
    w.gameTray()->setEnabled(false);
    EXPECT_TRUE(w.RollEnabled());
}

TEST_F(MainWindow, MinimisingHidesTheScorePadAndRestoringPutsItBack) {
    frmMain& w = Build();
    // Before any game the pad is left alone, and not even built.
    w.setWindowState(Qt::WindowMinimized);
    w.setWindowState(Qt::WindowNoState);
    w.show();
    EXPECT_FALSE(w.scorePadBuilt());

    StartTwoPlayerGame(w);
    frmScorePad& pad = w.scorePad();
    pad.show();
    pad.move(300, 120);
    w.state().ScorePadShown = true;
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(pad.isVisible());
    pad.move(0, 0);
    w.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(pad.isVisible());
    EXPECT_EQ(pad.pos(), QPoint(300, 120));

    // Tray moves are not minimising.
    w.state().TrayMoving = true;
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(pad.isVisible());
    w.state().TrayMoving = false;
}

}  // namespace
}  // namespace zarvel::test
