// The new game dialog, the score pad and the winner window, driven through
// their widgets on a real main window.
#include <malloc.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "ARButton.h"
#include "GuiTest.h"
#include "Notation.h"
#include "PictureBox.h"
#include "Scoring.h"
#include "SettingKeys.h"
#include "SoundPlayer.h"
#include "Startup.h"
#include "Twips.h"
#include "frmCongrats.h"
#include "frmNewGame.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

class Setup : public GuiTest {
protected:
    // A game through the dialog: as many seats as names, all human.
    bool Play(frmMain& w, const QStringList& names) {
        return WithNewGame(w, [&](frmNewGame& d) {
            d.optNumPlayers[names.size() - 1]->click();
            for (int i = 0; i < names.size(); ++i) d.TxtPlayerName[i]->setText(names[i]);
            d.cmdPlay->click();
        });
    }

    static QStringList ShownNames(const frmNewGame& d) {
        QStringList names;
        for (QLineEdit* box : d.TxtPlayerName)
            if (box->isVisibleTo(&d)) names << box->text();
        return names;
    }
};

TEST_F(Setup, AFreshDialogShowsYouAgainstTheComputerAndEachCountItsRows) {
    frmMain& w = Build();
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Computer"}));
        EXPECT_FALSE(d.cboStyle[0]->isVisibleTo(&d));
        // The second seat is the computer's, fixed, with its style to choose.
        EXPECT_FALSE(d.TxtPlayerName[1]->isEnabled() || d.chkComputer[1]->isEnabled());
        EXPECT_TRUE(d.chkComputer[1]->isChecked() && d.cboStyle[1]->isVisibleTo(&d) && d.cboStyle[1]->isEnabled());
        EXPECT_EQ(d.cboStyle[1]->currentText(), QStringLiteral("Normal"));
        // Typing replaces the first name at once; OK answers Return.
        EXPECT_EQ(d.focusWidget(), d.TxtPlayerName[0]);
        EXPECT_TRUE(d.cmdPlay->isDefault());

        for (int k = 0; k < 8; ++k) {
            d.optNumPlayers[k]->click();
            EXPECT_EQ(ShownNames(d).size(), std::max(2, k + 1));
            // Every shown row fits above the option frames.
            EXPECT_LE(d.TxtPlayerName[std::max(1, k)]->geometry().bottom(), d.fraNumPlayers->geometry().top()) << k;
        }
        d.optNumPlayers[4]->click();
        d.optNumPlayers[0]->click();
        EXPECT_EQ(d.HeightTwips(), 3435);
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Computer"}));

        d.optNumPlayers[3]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.chkComputer[2]->setChecked(true);
        EXPECT_TRUE(d.cboStyle[2]->isVisibleTo(&d));
        d.optNumPlayers[2]->click();
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Player2", "Player3"}));
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(d.chkComputer[i]->isChecked() || d.cboStyle[i]->isVisibleTo(&d)) << i;
        d.optNumPlayers[0]->click();
        d.cmdPlay->click();
    }));
    // A lone player is joined by the computer seat.
    EXPECT_EQ(w.state().NumPlayers, 2);
    EXPECT_TRUE(w.state().PlayerIsComputer[1]);
    EXPECT_EQ(w.state().PlayerName[1], "Computer");
}

TEST_F(Setup, OkStoresSeatsStylesAndStartsTheGame) {
    frmMain& w = Build();
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optNumPlayers[2]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.TxtPlayerName[1]->setText(QString());
        // A style chosen and its box cleared again: the hidden list still counts.
        d.chkComputer[1]->setChecked(true);
        d.cboStyle[1]->setCurrentText(QStringLiteral("Genius"));
        d.chkComputer[1]->setChecked(false);
        EXPECT_FALSE(d.cboStyle[1]->isVisibleTo(&d));
        d.chkComputer[2]->setChecked(true);
        d.cboStyle[2]->setCurrentText(QStringLiteral("Moron"));
        d.cmdPlay->click();
    }));
    const GameState& g = w.state();
    EXPECT_EQ(g.NumPlayers, 3);
    EXPECT_EQ(g.PlayerName[0], "Ann");
    EXPECT_EQ(g.PlayerName[1], "");
    EXPECT_TRUE(!g.PlayerIsComputer[1] && g.PlayerIsComputer[2]);
    EXPECT_EQ((std::array<int, 3>{g.PlayerStyle[0], g.PlayerStyle[1], g.PlayerStyle[2]}), (std::array<int, 3>{1, 6, 7}));
    EXPECT_EQ(g.CurrentPlayer, 0);
    EXPECT_TRUE(w.gameTray()->cmdRoll->isVisible() && w.RollEnabled());
    EXPECT_FALSE(w.gameTray()->ARCmdNewGame->isVisible());
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Roll the dice."));

    frmScorePad& pad = w.scorePad();
    EXPECT_TRUE(w.flags().ScorePadShown && pad.isVisible());
    // The current player bold, computers in italics.
    EXPECT_TRUE(pad.lblPlayer[0]->font().bold() && !pad.lblPlayer[1]->font().bold());
    EXPECT_TRUE(pad.lblPlayer[2]->font().italic() && !pad.lblPlayer[0]->font().italic());
    // The keys work without a click on the window first: the window asked
    // for the focus itself.
    EXPECT_EQ(w.focusWidget(), &w);

    // With a computer in the first seat, Roll is shown but not for the player.
    w.state().CurrentPlayer = kNone;
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.chkComputer[0]->setChecked(true);
        d.cmdPlay->click();
    }));
    EXPECT_TRUE(w.gameTray()->cmdRoll->isVisible());
    EXPECT_FALSE(w.RollEnabled());
}

TEST_F(Setup, CancelForgetsTheEntriesOkKeepsThemAsTheLastSeatsAndStoresTheScoreOptions) {
    frmMain& w = Build();
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optNumPlayers[3]->click();
        d.TxtPlayerName[2]->setText(QStringLiteral("Cy"));
        d.cmdCancel->click();
    }));
    EXPECT_FALSE(w.RollEnabled());
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Computer"}));
        EXPECT_TRUE(d.optPlayTo[0]->isChecked() && d.optBreakIn[0]->isChecked());
        d.optNumPlayers[3]->click();
        d.TxtPlayerName[2]->setText(QStringLiteral("Cy"));
        d.optPlayTo[1]->click();
        d.optBreakIn[1]->click();
        d.cmdPlay->click();
    }));
    EXPECT_EQ(w.settings().PlayToScore, 10000);
    EXPECT_EQ(w.settings().BreakInScore, 1000);
    w.state().CurrentPlayer = kNone;  // no game, so F2 asks nothing
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Player2", "Cy", "Player4"}));
        EXPECT_TRUE(d.optNumPlayers[3]->isChecked());
        // Esc is Cancel.
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&d, &esc);
        EXPECT_FALSE(d.isVisible());
    }));
    // Built afresh, the dialog opens with the seats of the last game started.
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Player2", "Cy", "Player4"}));
    }));

    // The next start preselects the stored score options, and the seats.
    window.reset();
    Settings s;
    ReadSettings(SettingsFile(DefaultSettingsPath()), s, CarriedFilesFolder());
    ModalAnswerer answers(QMessageBox::No, false);  // not the game left in play
    ASSERT_TRUE(WithNewGame(Build(s), [&](frmNewGame& d) {
        EXPECT_TRUE(d.optPlayTo[1]->isChecked() && d.optBreakIn[1]->isChecked());
        EXPECT_EQ(ShownNames(d), (QStringList{"Player1", "Player2", "Cy", "Player4"}));
    }));
}

TEST_F(Setup, ASettingThatCannotBeSavedIsToldOnceAndTheGameGoesOn) {
    // A file stands where the settings folder would have to be made.
    Put(configDir + QStringLiteral("/blocker"), "");
    qputenv("XDG_CONFIG_HOME", (configDir + QStringLiteral("/blocker/config")).toUtf8());
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::Ok, false);
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optPlayTo[1]->click();
        d.optBreakIn[1]->click();
        d.cmdPlay->click();
    }));
    ASSERT_TRUE(WaitFor([&] { return !answers.seen().isEmpty(); }));
    Idle(100);  // no second message follows
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(answers.seen().first().text.contains(DefaultSettingsPath())) << answers.seen().first().text.toStdString();
    EXPECT_EQ(w.settings().PlayToScore, 10000);
    EXPECT_EQ(w.settings().BreakInScore, 1000);
    EXPECT_TRUE(w.state().GameRunning());
    EXPECT_TRUE(w.RollEnabled());
}

TEST_F(Setup, TheTestModeQuestionNeedsF12Held) {
    frmMain& w = Build();
    QList<ModalAnswerer::Seen> seen;
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        ModalAnswerer answers(QMessageBox::No);  // answers only what opens over the dialog
        d.lblComputer_DblClick();
        EXPECT_TRUE(answers.seen().isEmpty());
        QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
        QApplication::sendEvent(&d, &f12);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(d.lblComputer, &dbl);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_F12, Qt::NoModifier);
        QApplication::sendEvent(&d, &up);
        // No leaves the dialog as it was.
        EXPECT_TRUE(d.isVisible());
        seen = answers.seen();
    }));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen.first().text, QStringLiteral("Enter Test Mode ?"));
    EXPECT_EQ(seen.first().buttons, QMessageBox::Yes | QMessageBox::No);
}

// ---- score pad ------------------------------------------------------------

TEST_F(Setup, EveryNewGameRebuildsThePad) {
    frmMain& w = Build();
    ASSERT_TRUE(Play(w, {"Ann", "Bob", "Cy"}));
    frmScorePad& pad = w.scorePad();
    // Bob's turn when the game is given up.
    w.ScorePadHighlight(0, false);
    w.ScorePadHighlight(1, true);
    w.state().CurrentPlayer = kNone;
    QStringList seats;
    for (int i = 1; i <= 8; ++i) seats << QStringLiteral("Seat %1").arg(i);
    ASSERT_TRUE(Play(w, seats));
    ASSERT_TRUE(pad.isVisible());
    EXPECT_EQ(pad.height(), Px(4635 - kCaptionTwips));
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(pad.lblPlayer[i]->isVisible()) << i;
        EXPECT_EQ(pad.lblPlayer[i]->text(), QStringLiteral("Seat %1").arg(i + 1));
        EXPECT_EQ(pad.lblPlayer[i]->font().bold(), i == 0) << i;
    }
}

TEST_F(Setup, ThePadStandsBesideTheMainWindow) {
    frmMain& w = Build();
    frmScorePad& pad = w.scorePad();
    pad.show();
    const QRect screen = w.screen()->availableGeometry();
    const auto placeWith = [&](int x, int y) {
        w.move(x, y);
        pad.placeBeside(&w);
    };
    // Room on the right.
    placeWith(screen.left() + 100, screen.top() + 100);
    EXPECT_EQ(pad.x(), w.frameGeometry().right() + 1 + Px(175));
    EXPECT_EQ(pad.y(), w.frameGeometry().top() - Px(350));
    // Partly past the right edge: still on the right.
    placeWith(screen.right() - w.frameGeometry().width() - Px(175) - 20, screen.top() + 100);
    EXPECT_GT(pad.x(), w.x());
    // Starting at the edge: on the left.
    placeWith(screen.right() + 1 - w.frameGeometry().width() - Px(175), screen.top() + 100);
    EXPECT_EQ(pad.frameGeometry().right() + 1, w.frameGeometry().left() - Px(175));
    // A computed top below the screen is moved back into sight.
    placeWith(screen.left() + 100, screen.bottom() + 400);
    EXPECT_TRUE(screen.contains(pad.frameGeometry().topLeft())) << pad.y();
}

TEST_F(Setup, ThePadAlternatesItsGoalLineRedrawsOnAClickAndStaysForTheWholeGame) {
    Settings s;
    s.PlayToScore = 10000;
    s.BreakInScore = 1000;
    frmMain& w = Build(s);
    StartTwoPlayerGame(w);
    frmScorePad& pad = w.scorePad();
    pad.showRebuilt();
    pad.Form_Activate();
    EXPECT_TRUE(pad.Timer1->isActive());
    EXPECT_EQ(pad.Timer1->interval(), 1800);
    QStringList shown{pad.lblGoal->text()};
    for (int tick = 0; tick < 6; ++tick) {
        if (tick == 1) w.state().PlayerScore[0] = 1000;
        if (tick == 3) w.state().PlayerScore[1] = 1200;
        pad.Timer1_Timer();
        shown << pad.lblGoal->text();
    }
    const QString goal = QStringLiteral("(Playing to 10000)"), breakIn = QStringLiteral("(1000 to break in)");
    EXPECT_EQ(shown, (QStringList{goal, breakIn, goal, breakIn, goal, goal, goal}));

    w.state().PlayerScore[1] = 750;
    w.state().CurrentPlayer = 1;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&pad, &press);
    EXPECT_EQ(pad.lblScore[1]->text(), QStringLiteral("750"));
    EXPECT_TRUE(pad.lblPlayer[1]->font().bold() && !pad.lblPlayer[0]->font().bold());
    // The game's keys still reach the game while the pad has the focus.
    w.state().CurrentPlayer = 0;
    int pauses = 0;
    w.pauseFor = [&](int) { ++pauses; };
    Release(&pad, Qt::Key_R);
    EXPECT_GT(pauses, 0) << "no roll";

    EXPECT_FALSE(pad.close());  // its close box
    EXPECT_TRUE(pad.isVisible());
    w.flags().Quitting = true;  // the program's end
    EXPECT_TRUE(pad.close());
}

// ---- winner window and a whole game ----------------------------------------

TEST_F(Setup, TheWinnerWindowNamesTheWinnerAndBringsBackNewGame) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    std::vector<int> pauses;
    w.pauseFor = [&](int ms) { pauses.push_back(ms); };
    QStringList played;
    w.onPlaySound = [&](const QString& path) { played << path; };
    for (const std::string name : {"Ann", ""}) {
        w.state().PlayerName[1] = name;
        w.state().Winner = 1;
        w.settings().SoundFXOFF = name.empty();
        w.settings().GameOverSound = "/x/gameover.wav";
        pauses.clear();
        played.clear();
        QString shown;
        Poll poll([&] {
            auto* c = qobject_cast<frmCongrats*>(QApplication::activeModalWidget());
            if (!c || pauses.empty()) return;
            shown = c->lblWinner->text();
            EXPECT_EQ(c->size(), QSize(Px(4245), Px(6540)));  // inside its frame
            EXPECT_TRUE(c->cmdOK->isDefault());
            c->cmdOK->click();
        });
        w.ShowWinner();
        EXPECT_EQ(shown, name.empty() ? QStringLiteral("*  *") : QStringLiteral("* Ann *"));
        EXPECT_EQ(pauses, std::vector<int>{500});
        EXPECT_EQ(played, name.empty() ? QStringList{} : QStringList{"/x/gameover.wav"});
        EXPECT_TRUE(w.gameTray()->ARCmdNewGame->isVisible());
        EXPECT_FALSE(w.gameTray()->cmdRoll->isVisible());
        StartTwoPlayerGame(w);
    }
}

TEST_F(Setup, WinnerWindowsLeaveNoMemoryBehind) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    w.sound().Preload();  // loaded now rather than during the count
    StartTwoPlayerGame(w);
    Poll poll([&] {
        auto* c = qobject_cast<frmCongrats*>(QApplication::activeModalWidget());
        if (!c || !c->lblWinner->text().startsWith(QLatin1Char('*'))) return;
        c->grab();  // painted, as on screen
        c->cmdOK->click();
    });
    const auto showWinners = [&](int n) {
        for (int k = 0; k < n; ++k) w.ShowWinner();
        return mallinfo2().uordblks;
    };
    const std::size_t warm = showWinners(5);
    const std::size_t after = showWinners(20);
    // Each window built something (a style's cached button picture, 9 kB
    // and more) that outlived it.
    EXPECT_LT(after, warm + 20 * 1000) << (after - warm) / 20 << " bytes a window";
}

TEST_F(Setup, AWholeGameInTheWindowEndsWithTheWinnerWindow) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    ASSERT_TRUE(Play(w, {"Ann", "Bob"}));
    GameState& g = w.state();
    ASSERT_EQ(g.NumPlayers, 2);
    QString winnerShown;
    QStringList messages;
    // Both windows open once the pass that led to them is over, over a board
    // that shows where the game stands.
    bool passedFirst = true;
    Poll poll([&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* c = qobject_cast<frmCongrats*>(modal)) {
            if (c->lblWinner->text().startsWith(QLatin1Char('*'))) {
                winnerShown = c->lblWinner->text();
                passedFirst &= w.gameTray()->lblStatus->text() == QStringLiteral("Press \"F2\" to start a game.");
                c->cmdOK->click();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            passedFirst &= g.CurrentPlayer != g.WentOut &&
                           w.gameTray()->lblPlayer->text() == QString::fromStdString(g.PlayerName[g.CurrentPlayer]);
            box->buttons().first()->click();
        }
    });
    // Both play the same plain way, with the keys and the mouse: take the
    // first scoring die, bank once 300 are on the table, else roll.
    int actions = 0;
    while (!g.GameOver && actions < 20000) {
        ++actions;
        QApplication::processEvents();  // a message waiting to be read
        int scoring = -1;
        for (int i = 0; i < kSlots && scoring < 0; ++i)
            if (g.DieFree[i] && g.DieCode[i].Scores()) scoring = i;
        const bool mustTake = g.AllowedActions.Has(Action::Select) && !g.AllowedActions.Has(Action::Roll);
        if (scoring >= 0 && (mustTake || g.TurnScore < 300 || !w.PassEnabled()))
            emit w.gameTray()->Picture1(scoring)->clicked();
        else if (w.PassEnabled() && g.TurnScore >= 300)
            Release(&w, Qt::Key_P);
        else if (w.RollEnabled())
            Release(&w, Qt::Key_R);
        else
            FAIL() << "stuck: actions " << Letters(g.AllowedActions);
    }
    ASSERT_TRUE(g.GameOver);
    // The winner window opens once the last pass is done.
    ASSERT_TRUE(WaitFor([&] { return !winnerShown.isEmpty(); }));
    EXPECT_GE(g.PlayerScore[g.Winner], 5000);
    // The going-out message, and nothing else.
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QString::fromStdString(g.PlayerName[g.WentOut]))) << messages.first().toStdString();
    EXPECT_EQ(winnerShown, QStringLiteral("* %1 *").arg(QString::fromStdString(g.PlayerName[g.Winner])));
    EXPECT_TRUE(passedFirst);
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Press \"F2\" to start a game."));
    EXPECT_TRUE(w.gameTray()->ARCmdNewGame->isVisible());
    EXPECT_EQ(w.scorePad().lblScore[g.Winner]->text(), QString::number(g.PlayerScore[g.Winner]));
}

}  // namespace
}  // namespace zarvel::test
