#include <QAction>
#include <QLabel>
#include <QMenu>

#include "ARButton.h"
#include "GuiTest.h"
#include "PictureBox.h"
#include "Twips.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

using MainWindow = GuiTest;

TEST_F(MainWindow, OpensNarrowedToTheGameTrayWithTheDesignedPlaces) {
    frmMain& w = Build();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Quarnaby Zarvel 2.0"));
    EXPECT_EQ(w.centralWidget()->size(), QSize(257, 315));
    EXPECT_EQ(w.gameTray()->pos(), QPoint(0, 0));
    EXPECT_TRUE(w.picThemeTray->isHidden());
    EXPECT_TRUE(w.picOptionsTray->isHidden());

    EXPECT_EQ(w.gameTray()->lblStatus->geometry(), QRect(8, 180, 241, 17));
    EXPECT_EQ(w.gameTray()->picTray1->geometry(), QRect(5, 13, 243, 42));
    EXPECT_EQ(w.gameTray()->Picture1(3)->geometry(), QRect(124, 3, 33, 41));
    EXPECT_EQ(w.gameTray()->Picture1(13)->parentWidget(), w.gameTray()->picTray2);
    EXPECT_EQ(w.gameTray()->picMarker[5]->pos(), QPoint(Px(350 + 3000), 5));
    EXPECT_EQ(w.gameTray()->cmdRoll->geometry(), QRect(14, 112, 105, 47));
    EXPECT_EQ(w.gameTray()->cmdPassDice->geometry(), QRect(134, 112, 105, 47));

    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Press \"F2\" to start a game."));
    EXPECT_TRUE(w.gameTray()->ARCmdNewGame->isVisible());
    EXPECT_FALSE(w.gameTray()->cmdRoll->isVisible());
    EXPECT_FALSE(w.RollEnabled());
    EXPECT_FALSE(w.PassEnabled());
    EXPECT_TRUE(w.gameTray()->lblLastRoll->isHidden());
    EXPECT_TRUE(w.gameTray()->pctDivider->isHidden());
    for (PictureBox* m : w.gameTray()->picMarker) EXPECT_TRUE(m->isHidden());

    // Blue skin: green trays and die boxes.
    EXPECT_EQ(w.gameTray()->picTray2->backColor(), QColor(0, 128, 0));
    EXPECT_EQ(w.gameTray()->Picture1(15)->backColor(), QColor(0, 128, 0));
}

TEST_F(MainWindow, MenusCarryTheirCaptions) {
    frmMain& w = Build();
    EXPECT_EQ(w.mnuGame->title(), QStringLiteral("&Game"));
    QStringList game;
    for (QAction* a : w.mnuGame->actions()) game << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(game, (QStringList{"&New Game   (F2)", "&Theme...", "&Options...", "-", "E&xit"}));
    EXPECT_EQ(w.mnuHelp->title(), QStringLiteral("&Help"));
    EXPECT_EQ(w.mnuGoHelp->text(), QStringLiteral("&Help..."));
    EXPECT_EQ(w.mnuAbout->text(), QStringLiteral("&About Quarnaby Zarvel..."));
}

TEST_F(MainWindow, ClosingWithoutAGameQuitsWithoutAsking) {
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::No);
    w.gameTray()->cmdExit->click();
    EXPECT_TRUE(answers.seen().isEmpty());
    EXPECT_TRUE(w.state().Quitting);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindow, ClosingDuringAGameAsksAndNoKeepsEverything) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    w.state().PlayerScore[1] = 750;
    ModalAnswerer answers(QMessageBox::No);
    w.close();
    ASSERT_EQ(answers.seen().size(), 1);
    const auto& q = answers.seen().first();
    EXPECT_EQ(q.title, QStringLiteral("Quit?"));
    EXPECT_EQ(q.text, QStringLiteral("Are you sure you want to quit the current game?"));
    EXPECT_EQ(q.icon, QMessageBox::Question);
    EXPECT_EQ(q.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.state().Quitting);
    EXPECT_EQ(w.state().CurrentPlayer, 0);
    EXPECT_EQ(w.state().PlayerScore[1], 750);
    EXPECT_EQ(programEnds, 0);

    answers.SetAnswer(QMessageBox::Yes);
    w.mnuExit->trigger();
    EXPECT_EQ(answers.seen().size(), 2);
    EXPECT_TRUE(w.state().Quitting);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindow, QuittingClosesEveryOtherWindow) {
    frmMain& w = Build();
    w.ShowHelpTopic(1);
    QWidget other;
    other.show();
    ModalAnswerer answers(QMessageBox::Yes);
    w.close();
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(MainWindow, F2DuringAGameAsksFirstAndNoLeavesTheGame) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    ModalAnswerer answers(QMessageBox::No);
    Release(&w, Qt::Key_F2);
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen().first().text, QStringLiteral("Are you sure you want to quit the current game?"));
    EXPECT_EQ(w.state().CurrentPlayer, 0);
    EXPECT_EQ(w.state().PlayerName[1], "Bob");
}

TEST_F(MainWindow, NewGameWithoutAGameAsksNothing) {
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::No);
    w.mnuNewGame->trigger();
    for (const auto& s : answers.seen()) EXPECT_NE(s.title, QStringLiteral("Quit?"));
    StartTwoPlayerGame(w);
    // The button never asks, even during a game.
    const auto before = answers.seen().size();
    w.gameTray()->ARCmdNewGame->click();
    for (auto i = before; i < answers.seen().size(); ++i) EXPECT_NE(answers.seen()[i].title, QStringLiteral("Quit?"));
}

TEST_F(MainWindow, ReleasedRRollsOnlyWhenRollIsEnabled) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    ASSERT_TRUE(w.RollEnabled());

    w.SetRollEnabled(false);
    Release(&w, Qt::Key_R);
    EXPECT_EQ(w.state().Dice[0], kNone);

    w.SetRollEnabled(true);
    Release(&w, Qt::Key_R, Qt::NoModifier, /*autoRepeat=*/true);
    EXPECT_EQ(w.state().Dice[0], kNone);

    Release(&w, Qt::Key_R);
    EXPECT_NE(w.state().Dice[0], kNone);
    // A bust passes the dice on by itself; otherwise the roll is on show.
    if (w.state().PassCount == 0) {
        for (int i = 0; i < kSlots; ++i) EXPECT_EQ(w.gameTray()->Picture1(i)->bitmapId(), 100 + w.state().RolledDice[i]);
        EXPECT_FALSE(w.RollEnabled());
    }
}

TEST_F(MainWindow, PressingAloneDoesNothing) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    EXPECT_EQ(w.state().Dice[0], kNone);
}

// Esc closing a menu or a message box is released over the main window;
// that release alone neither ends the program nor rolls.
TEST_F(MainWindow, AReleaseWithoutItsPressHereDoesNothing) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    ReleaseOnly(&w, Qt::Key_Escape);
    ReleaseOnly(&w, Qt::Key_R);
    EXPECT_EQ(programEndsNow, 0);
    EXPECT_FALSE(w.state().Quitting);
    EXPECT_EQ(w.state().Dice[0], kNone);
}

TEST_F(MainWindow, EscEndsAtOnceWithoutTheQuestion) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    ModalAnswerer answers(QMessageBox::No);
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
    w.ShowDie(2, 4);
    EXPECT_EQ(w.gameTray()->Picture1(2)->bitmapId(), 152);
    w.ShowDie(14, 6);
    EXPECT_EQ(w.gameTray()->Picture1(14)->bitmapId(), 154);
    EXPECT_FALSE(w.gameTray()->Picture1(14)->picture().isNull());
    w.ShowDie(14, 0);
    EXPECT_EQ(w.gameTray()->Picture1(14)->bitmapId(), 0);
    EXPECT_TRUE(w.gameTray()->Picture1(14)->picture().isNull());
    // Clouds trays are blue.
    EXPECT_EQ(w.gameTray()->picTray1->backColor(), QColor(0, 0, 255));
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

TEST_F(MainWindow, BoardShowsMarkersDividerAndLabels) {
    frmMain& w = Build();
    w.ShowMarker(4, true);
    EXPECT_TRUE(w.MarkerVisible(4));
    EXPECT_FALSE(w.MarkerVisible(3));
    EXPECT_EQ(w.gameTray()->picMarker[4]->bitmapId(), 199);
    w.ShowDividerAt(1145);
    EXPECT_TRUE(w.gameTray()->pctDivider->isVisible());
    EXPECT_EQ(w.gameTray()->pctDivider->x(), 76);
    EXPECT_EQ(w.gameTray()->pctDivider->bitmapId(), 198);
    w.HideDivider();
    EXPECT_FALSE(w.gameTray()->pctDivider->isVisible());

    w.SetStatusTop(kStatusTopLastRound);
    EXPECT_EQ(w.gameTray()->lblStatus->y(), 170);
    w.SetStatusTop(kStatusTop);
    EXPECT_EQ(w.gameTray()->lblStatus->y(), 180);
    w.ShowLastRoll(true);
    EXPECT_TRUE(w.gameTray()->lblLastRoll->isVisible());
    EXPECT_EQ(w.gameTray()->lblLastRoll->text(), QStringLiteral("(Last Roll)"));
}

TEST_F(MainWindow, APauseHandlesNoInput) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    QApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier));
    QApplication::postEvent(&w, new QKeyEvent(QEvent::KeyRelease, Qt::Key_R, Qt::NoModifier));
    w.Sleep(5);
    EXPECT_EQ(w.state().Dice[0], kNone);
    QApplication::processEvents();
    EXPECT_NE(w.state().Dice[0], kNone);
}

TEST_F(MainWindow, TheRollButtonStaysReadableWhileThePaneIsDisabled) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    w.gameTray()->setEnabled(false);
    EXPECT_TRUE(w.RollEnabled());
    w.gameTray()->setEnabled(true);
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
    EXPECT_EQ(w.ScorePadLeft, 300 * 15);
    EXPECT_EQ(w.ScorePadTop, 120 * 15);
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
