// The new game dialog, the score pad and the winner window, driven through
// their widgets on a real main window.
#include <malloc.h>

#include <QAccessible>
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
#include "NameLabel.h"
#include "Notation.h"
#include "DiceScript.h"
#include "PictureBox.h"
#include "Scoring.h"
#include "SettingKeys.h"
#include "SoundPlayer.h"
#include "Startup.h"
#include "Styles.h"
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

        d.optNumPlayers[0]->click();
        d.cmdPlay->click();
    }));
    // A lone player is joined by the computer seat.
    EXPECT_EQ(w.state().NumPlayers, 2);
    EXPECT_TRUE(w.state().PlayerIsComputer[1]);
    EXPECT_EQ(w.state().PlayerName[1], "Computer");
}

// Choosing another number of players only shows or hides rows: what was
// typed and chosen for every seat stays, and the computer seat of a game of
// one gives seat 2 back as it was.
TEST_F(Setup, ChangingTheNumberOfPlayersKeepsEverySeatsEntries) {
    frmMain& w = Build();
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optNumPlayers[3]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.TxtPlayerName[1]->setText(QStringLiteral("Bob"));
        d.TxtPlayerName[3]->setText(QStringLiteral("Dee"));
        d.chkComputer[3]->setChecked(true);
        d.cboStyle[3]->setCurrentText(QStringLiteral("Genius"));
        for (int k : {2, 7, 0, 1, 3}) {
            d.optNumPlayers[k]->click();
            const QStringList all{"Ann", k == 0 ? "Computer" : "Bob", "Player3", "Dee", "Player5", "Player6", "Player7", "Player8"};
            EXPECT_EQ(ShownNames(d), all.mid(0, std::max(2, k + 1))) << k;
            EXPECT_EQ(d.TxtPlayerName[1]->isEnabled(), k != 0) << k;
            EXPECT_EQ(d.chkComputer[1]->isChecked(), k == 0) << k;
            EXPECT_TRUE(d.chkComputer[3]->isChecked()) << k;
            EXPECT_EQ(d.cboStyle[3]->isVisibleTo(&d), k >= 3) << k;
        }
        EXPECT_EQ(d.cboStyle[3]->currentText(), QStringLiteral("Genius"));
        d.cmdPlay->click();
    }));
    const GameState& g = w.state();
    EXPECT_EQ(g.NumPlayers, 4);
    EXPECT_EQ(g.PlayerName[1], "Bob");
    EXPECT_TRUE(g.PlayerIsComputer[3] && !g.PlayerIsComputer[1]);
    EXPECT_EQ(g.PlayerStyle[3], 6);
}

// A name left empty (or blank) is the seat's own; a long one is shortened
// on the pad, beside the dice and in the winner's line, and read whole.
TEST_F(Setup, AnEmptyNameIsTheSeatsDefaultAndALongOneIsShortenedButReadWhole) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    const QString longName = QStringLiteral("Maximilian Alexander Wolfgang");
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optNumPlayers[3]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.TxtPlayerName[1]->setText(longName);
        d.TxtPlayerName[2]->setText(QString());
        d.TxtPlayerName[3]->setText(QStringLiteral("   "));
        d.cmdPlay->click();
    }));
    const GameState& g = w.state();
    EXPECT_EQ(g.PlayerName[2], "Player3");
    EXPECT_EQ(g.PlayerName[3], "Player4");
    frmScorePad& pad = w.scorePad();
    const auto check = [&](const char* when) {
        for (int seat = 0; seat < 4; ++seat) {
            NameLabel* row = pad.lblPlayer[seat];
            const QString name = QString::fromStdString(g.PlayerName[seat]);
            const bool shortened = seat == 1;
            EXPECT_EQ(row->elided(), shortened) << when << seat;
            // Bold (the current player) or not, it ends before the score column.
            EXPECT_LE(row->x() + row->fontMetrics().horizontalAdvance(row->text()), pad.lblScore[seat]->x())
                << when << seat;
            EXPECT_EQ(row->toolTip(), shortened ? name : QString()) << when << seat;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(row)->text(QAccessible::Name), name) << when << seat;
        }
    };
    check("at the start");
    EXPECT_TRUE(pad.lblPlayer[1]->text().endsWith(QChar(0x2026)));
    // The dice pass to the long name: bold, it is shortened further.
    w.ScorePadHighlight(0, false);
    w.ScorePadHighlight(1, true);
    w.SetPlayerText(longName.toStdString());
    check("in bold");
    NameLabel* current = w.gameTray()->lblPlayer;
    EXPECT_TRUE(current->elided());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(current)->text(QAccessible::Name), longName);
    // The status line names the player whole where it fits, else shortened.
    w.table().SeatGame({{(longName + longName).toStdString(), true, 1}, {"Ann", false, 1}}, 5000, 500);
    w.flags().Quitting = true;  // the computer stays out of this
    QLabel* status = w.gameTray()->lblStatus;
    EXPECT_TRUE(status->text().endsWith(QStringLiteral("\u2026 is playing.")));
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->contentsRect().width());

    // The next showing offers the names played under.
    w.flags().Quitting = false;
    w.state().CurrentPlayer = kNone;
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        EXPECT_EQ(ShownNames(d), (QStringList{"Ann", longName, "Player3", "Player4"}));
        d.TxtPlayerName[0]->setText(longName + longName);
        EXPECT_LE(d.TxtPlayerName[0]->text().size(), 32) << "no room for it anywhere";
    }));
}

// What a screen reader calls a control: its name, or for a list (read by
// its entry on Linux) the label that points to it.
QString LabelOf(QWidget* w) {
    const auto labels = QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

TEST_F(Setup, EveryControlOfTheDialogIsNamedAndEachListByItsLabel) {
    frmMain& w = Build();
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        for (int i = 0; i < frmNewGame::kRows; ++i) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(d.TxtPlayerName[i])->text(QAccessible::Name),
                      QStringLiteral("Name of player %1").arg(i + 1));
            EXPECT_EQ(LabelOf(d.cboStyle[i]), QStringLiteral("Style of player %1").arg(i + 1));
        }
        for (QWidget* control : d.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus) continue;
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
        }
    }));
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
    EXPECT_EQ(g.PlayerName[1], "Player2");  // left empty: the seat's own name
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

// Yes to the quit question, then Cancel: the game in play goes on exactly
// as it was, a human's turn with its Roll button, a computer's turn where
// it waited; with no game the window still waits for F2.
TEST_F(Setup, CancelAfterYesToTheQuitQuestionGoesBackToTheGameAsItWas) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    ModalAnswerer answers(QMessageBox::Yes);  // and Cancel for the dialog
    w.mnuNewGame->trigger();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Press \"F2\" to start a game."));
    EXPECT_TRUE(w.gameTray()->ARCmdNewGame->isVisible() && !w.gameTray()->cmdRoll->isVisible());

    StartTwoPlayerGame(w);
    const GameState before = w.state();
    Release(&w, Qt::Key_F2);
    ASSERT_TRUE(WaitFor([&] { return answers.seen().size() == 3 && !QApplication::activeModalWidget(); }));
    EXPECT_EQ(answers.seen()[1].title, QStringLiteral("Quit?"));
    EXPECT_TRUE(w.state() == before);
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Roll the dice."));
    EXPECT_TRUE(w.RollEnabled());
    ScriptRoll(*dice, {1, 5, 2, 3, 4, 4});
    Release(&w, Qt::Key_R);
    EXPECT_EQ(dice->Pending(), 0u) << "R did not roll";

    // A computer's turn, held by the two windows, plays on after them.
    w.settings().ComputerFast = kRidiculous;
    w.table().SeatGame({{"Hal", true, style::Normal}, {"Ann", false, 1}}, 5000, 500);
    w.mnuNewGame->trigger();
    EXPECT_EQ(answers.seen().size(), 5u);
    EXPECT_TRUE(WaitFor([&] { return w.state().CurrentPlayer == 1 && w.RollEnabled(); }));
}

TEST_F(Setup, ASettingThatCannotBeSavedIsToldOnceAndTheGameGoesOn) {
    // A file stands where the settings folder would have to be made.
    Put(configDir + QStringLiteral("/blocker"), "");
    qputenv("XDG_CONFIG_HOME", (configDir + QStringLiteral("/blocker/config")).toUtf8());
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::Ok, false);
    // Both writes fail; the file decides to tell the first only.
    int told = 0;
    w.settingsFile().onWriteFailed = [&, tell = w.settingsFile().onWriteFailed](const QString& why) {
        ++told;
        tell(why);
    };
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optPlayTo[1]->click();
        d.optBreakIn[1]->click();
        d.cmdPlay->click();
    }));
    EXPECT_EQ(told, 1);
    ASSERT_TRUE(WaitFor([&] { return !answers.seen().isEmpty(); }));
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
}

// The pad's close box hides it, through minimising and restoring too; the
// Game menu's entry, checked while the pad shows, brings it back where it
// was, and so does the next game.
TEST_F(Setup, ThePadClosesAndTheMenuOrTheNextGameShowsItAgain) {
    frmMain& w = Build();
    EXPECT_FALSE(w.mnuScorePad->isEnabled()) << "no pad before the first game";
    ASSERT_TRUE(Play(w, {"Ann", "Bob"}));
    frmScorePad& pad = w.scorePad();
    ASSERT_TRUE(pad.isVisible());
    EXPECT_TRUE(w.mnuScorePad->isEnabled() && w.mnuScorePad->isCheckable() && w.mnuScorePad->isChecked());
    pad.move(pad.pos() + QPoint(30, 20));
    const QPoint place = pad.pos();

    EXPECT_TRUE(pad.close());
    EXPECT_FALSE(pad.isVisible() || w.mnuScorePad->isChecked());
    w.setWindowState(Qt::WindowMinimized);
    w.setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(pad.isVisible()) << "restoring the window brought back a pad the player closed";

    w.mnuScorePad->trigger();
    EXPECT_TRUE(pad.isVisible() && w.mnuScorePad->isChecked());
    EXPECT_EQ(pad.pos(), place);
    EXPECT_EQ(pad.lblPlayer[1]->text(), QStringLiteral("Bob"));
    w.mnuScorePad->trigger();
    EXPECT_FALSE(pad.isVisible() || w.mnuScorePad->isChecked());

    w.state().CurrentPlayer = kNone;
    ASSERT_TRUE(Play(w, {"Cy", "Di", "Ed"}));
    EXPECT_TRUE(pad.isVisible() && w.mnuScorePad->isChecked());
    EXPECT_EQ(pad.lblPlayer[2]->text(), QStringLiteral("Ed"));
}

// ---- winner window and a whole game ----------------------------------------

TEST_F(Setup, TheWinnerWindowNamesTheWinnerAndBringsBackNewGame) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    std::vector<int> pauses;
    w.pauseFor = [&](int ms) { pauses.push_back(ms); };
    QStringList played;
    w.onPlaySound = [&](const QString& path) { played << path; };
    const std::string longName = "Maximilian Alexander Wolfgang";
    for (const std::string name : {"Ann", "", longName.c_str()}) {
        w.state().PlayerName[1] = name;
        w.state().Winner = 1;
        w.settings().SoundFXOFF = name.empty();
        w.settings().GameOverSound = "/x/gameover.wav";
        pauses.clear();
        played.clear();
        QString shown;
        QString read;  // by a screen reader
        Poll poll([&] {
            auto* c = qobject_cast<frmCongrats*>(QApplication::activeModalWidget());
            if (!c || pauses.empty()) return;
            shown = c->lblWinner->text();
            read = c->lblWinner->accessibleName();
            EXPECT_EQ(c->size(), QSize(Px(4245), Px(6540)));  // inside its frame
            EXPECT_TRUE(c->cmdOK->isDefault());
            c->cmdOK->click();
        });
        w.ShowWinner();
        if (name == longName) {
            // Shortened to the window, read whole.
            EXPECT_TRUE(shown.startsWith(QStringLiteral("* Maxi")) && shown.endsWith(QStringLiteral("\u2026 *"))) << shown.toStdString();
            EXPECT_EQ(read, QStringLiteral("* %1 *").arg(QString::fromStdString(name)));
        } else {
            EXPECT_EQ(shown, name.empty() ? QStringLiteral("*  *") : QStringLiteral("* Ann *"));
        }
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
