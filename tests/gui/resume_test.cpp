// The game records in the real window, offscreen: a game killed at any
// moment continues exactly where it was at the next start, No and Yes to
// quitting drop it, a finished game is recorded and leaves nothing behind,
// the statistics window opens from the menu, and the new game dialog opens
// with the last game's seats.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <optional>

#include "ARButton.h"
#include "ComputerDriver.h"
#include "DiceScript.h"
#include "GuiTest.h"
#include "PictureBox.h"
#include "RecordKeeper.h"
#include "Snapshot.h"
#include "TrayColumn.h"
#include "frmNewGame.h"
#include "frmScorePad.h"
#include "frmStatistics.h"

namespace zarvel::test {
namespace {

// What a player sees of a game: the dice, the labels, the buttons and the
// score pad.
struct View {
    QList<int> dice;  // the pictures of the roll area, then of the tray
    QList<bool> markers;
    bool divider = false;
    int dividerX = 0;
    QString status, turnScore, player;
    int statusY = 0;
    bool lastRoll = false, newGame = false, roll = false, rollEnabled = false, passEnabled = false, pad = false;
    QStringList padNames, padScores;
    QList<bool> padItalic, padBold;
    bool operator==(const View&) const = default;
};

void PrintTo(const View& v, std::ostream* os) {
    QStringList dice;
    for (int d : v.dice) dice << QString::number(d);
    *os << "dice " << dice.join(' ').toStdString() << " | status \"" << v.status.toStdString() << "\" at " << v.statusY
        << " | turn " << v.turnScore.toStdString() << " | " << v.player.toStdString() << " | roll " << v.rollEnabled
        << " pass " << v.passEnabled << " | divider " << v.divider << "@" << v.dividerX << " | last round " << v.lastRoll
        << " | pad " << v.pad << " " << v.padNames.join(',').toStdString() << " " << v.padScores.join(',').toStdString();
}

View Look(frmMain& w) {
    GameTray* t = w.gameTray();
    View v;
    for (int i : {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15}) v.dice << t->Picture1(i)->bitmapId();
    for (int i = 0; i < kSlots; ++i) v.markers << t->MarkerVisible(i);
    v.divider = t->pctDivider->isVisibleTo(t);
    v.dividerX = t->pctDivider->x();
    v.status = t->lblStatus->text();
    v.statusY = t->lblStatus->y();
    v.turnScore = t->lblTurnScore->text();
    v.player = t->lblPlayer->text();
    v.lastRoll = t->lblLastRoll->isVisibleTo(t);
    v.newGame = t->ARCmdNewGame->isVisibleTo(t);
    v.roll = t->cmdRoll->isVisibleTo(t);
    v.rollEnabled = w.RollEnabled();
    v.passEnabled = w.PassEnabled();
    frmScorePad& pad = w.scorePad();
    v.pad = pad.isVisible();
    for (int i = 0; i < frmScorePad::kRows; ++i) {
        if (!pad.lblPlayer[i]->isVisibleTo(&pad)) continue;
        v.padNames << pad.lblPlayer[i]->text();
        v.padScores << pad.lblScore[i]->text();
        v.padItalic << pad.lblPlayer[i]->font().italic();
        v.padBold << pad.lblScore[i]->font().bold();
    }
    return v;
}

// The state the table had when a game was put on it.
struct SeatedState : TableListener {
    explicit SeatedState(const Table& t) : table(t) {}
    void GameSeated() override { state = table.state(); }
    const Table& table;
    std::optional<GameState> state;
};

class Resume : public GuiTest {
protected:
    void TearDown() override {
        answers.reset();
        GuiTest::TearDown();
    }

    // The window as the program starts it, once it has offered any saved
    // game; `answer` answers the message boxes from now on.
    frmMain& Start(QMessageBox::StandardButton answer = QMessageBox::Ok, int speed = kRidiculous) {
        answers.emplace(answer, rejectDialogs);
        Settings s;
        s.ComputerFast = speed;
        frmMain& w = Build(s);
        w.pauseFor = [](int) {};
        seated.emplace(w.table());
        w.table().AddListener(*seated);
        EXPECT_TRUE(WaitFor([&] { return w.records().offerMade(); }));
        return w;
    }
    // The program killed: the window goes without closing or asking.
    void Kill() {
        if (window) window->table().RemoveListener(*seated);
        window.reset();
        QApplication::processEvents();
    }

    // Names starting with '*' are computers.
    void Seat(frmMain& w, const std::vector<std::string>& names) {
        std::vector<zarvel::Seat> seats;
        for (const std::string& n : names) seats.push_back({n.substr(n[0] == '*'), n[0] == '*', 1});
        w.table().SeatGame(seats, 5000, 500);
        // As the new game dialog leaves the window.
        w.ShowGameButtons(true);
        for (int i = 0; i < int(seats.size()); ++i) w.scorePad().setItalic(i, seats[std::size_t(i)].computer);
        w.scorePad().showRebuilt();
    }
    void Roll(frmMain& w, const std::vector<int>& faces) {
        ScriptRoll(*dice, faces);
        w.table().cmdRoll_Click();
    }
    void Bank(frmMain& w, const std::vector<int>& faces, int take) {
        Roll(w, faces);
        w.table().Picture1_Click(take);
        w.table().cmdPassDice_Click();
    }

    // Kills the program now and starts it again, answering Yes: the game
    // comes back as the player last saw it.
    frmMain& KillAndContinue(const std::string& question) { return Continue(window->state(), Look(*window), question); }
    frmMain& Continue(GameState state, const View& seen, const std::string& question) {
        Kill();
        frmMain& w = Start(QMessageBox::Yes);
        EXPECT_EQ(answers->seen().size(), 1);
        EXPECT_EQ(answers->seen().value(0).text.toStdString(), question);
        EXPECT_TRUE(seated->state && *seated->state == state);
        EXPECT_TRUE(w.state() == state) << EncodeState(w.state()) << "---\n" << EncodeState(state);
        EXPECT_EQ(Look(w), seen);
        return w;
    }

    static std::optional<SavedGame> SavedNow() { return Records().LoadSavedGame(); }

    std::optional<ModalAnswerer> answers;
    bool rejectDialogs = true;  // the winner window, the new game dialog
    std::optional<SeatedState> seated;
};

// ---- every kind of moment ------------------------------------------------------------

TEST_F(Resume, AHumanMidTurnWithDiceInTheTrayAndHeld) {
    frmMain& w = Start();
    Seat(w, {"Ann", "Carl", "Fay"});
    Bank(w, {1, 1, 1, 2, 3, 4}, 0);  // Ann 1000
    Roll(w, {5, 2, 3, 4, 6, 6});     // Carl takes a 5 and must roll on
    w.table().Picture1_Click(0);
    Roll(w, {1, 1, 1, 2, 3});        // three 1s
    w.table().Picture1_Click(0);
    Roll(w, {5, 3});                 // Carl holds four, takes the 5
    w.table().Picture1_Click(0);
    ASSERT_EQ(w.state().HeldCount, 4);
    ASSERT_EQ(w.state().TurnScore, 1100);
    frmMain& again = KillAndContinue("Continue the game of Ann, Carl and Fay?");
    // And it plays on: Carl banks.
    ASSERT_TRUE(again.PassEnabled());
    again.gameTray()->cmdPassDice->click();
    EXPECT_EQ(again.state().PlayerScore[1], 1100);
    EXPECT_EQ(again.scorePad().lblScore[1]->text(), QStringLiteral("1100"));
}

TEST_F(Resume, RightAfterARoll) {
    frmMain& w = Start();
    Seat(w, {"Ann", "Bob"});
    Roll(w, {1, 5, 2, 2, 3, 6});
    frmMain& again = KillAndContinue("Continue the game of Ann and Bob?");
    EXPECT_EQ(again.gameTray()->lblStatus->text(), QStringLiteral("Select Dice."));
    again.table().Picture1_Click(0);
    EXPECT_EQ(again.state().TurnScore, 100);
}

TEST_F(Resume, TheLastRoundThenTheEndRecordedAndShownInTheStatistics) {
    frmMain& w = Start();
    Seat(w, {"Ann", "Bob"});
    Bank(w, {1, 1, 1, 1, 1, 2}, 0);  // Ann 4000
    Bank(w, {1, 1, 1, 2, 3, 4}, 0);  // Bob 1000
    Bank(w, {1, 1, 1, 2, 3, 4}, 0);  // Ann goes out with 5000
    ASSERT_EQ(w.state().WentOut, 0);
    ASSERT_TRUE(WaitFor([&] { return answers->seen().size() == 1; }));  // "Ann has gone out."
    Roll(w, {1, 2, 3, 4, 6, 6});
    w.table().Picture1_Click(0);
    frmMain& again = KillAndContinue("Continue the game of Ann and Bob?");
    EXPECT_TRUE(again.gameTray()->lblLastRoll->isVisible());

    // Bob's last roll scores nothing: the game ends, Ann wins, the game is
    // recorded once and leaves nothing to continue.
    Roll(again, {2, 2, 3, 4, 6});
    ASSERT_FALSE(again.state().GameRunning());
    EXPECT_EQ(again.state().Winner, 0);
    EXPECT_FALSE(SavedNow());
    EXPECT_TRUE(again.records().lastSaved().empty());
    const auto stats = again.records().records().Statistics();
    ASSERT_EQ(stats.size(), 2u);
    EXPECT_EQ(stats[0].name, "Ann");
    EXPECT_EQ(stats[0].wins, 1);
    EXPECT_EQ(stats[0].bestScore, 5000);
    EXPECT_EQ(stats[0].bestTurn, 4000);
    EXPECT_EQ(stats[0].turns, 2);
    EXPECT_EQ(stats[1].name, "Bob");
    EXPECT_EQ(stats[1].turns, 2);
    EXPECT_EQ(stats[1].zarvels, 1);

    // Game > Statistics... shows both players.
    ASSERT_TRUE(WaitFor([&] { return answers->seen().size() == 2 && !QApplication::activeModalWidget(); }));  // the winner
    answers.reset();  // the statistics window is this test's to answer
    int players = -1;
    QString title;
    Poll poll([&] {
        auto* s = qobject_cast<frmStatistics*>(QApplication::activeModalWidget());
        if (!s) return;
        players = s->grdPlayers->model()->rowCount();
        title = s->windowTitle();
        s->cmdClose->click();
    });
    EXPECT_EQ(again.mnuStatistics->text(), QStringLiteral("&Statistics..."));
    again.mnuStatistics->trigger();
    EXPECT_EQ(title, QStringLiteral("Statistics"));
    EXPECT_EQ(players, 2);

    Kill();
    Start();
    EXPECT_TRUE(answers->seen().isEmpty());
}

TEST_F(Resume, AComputersTurnStartsAgainAtItsBeginning) {
    frmMain& w = Start(QMessageBox::Ok, 0);  // Normal speed: the computer takes its time
    Seat(w, {"Ann", "*Hal"});
    // Holds Hal once he has rolled, as a modal window would.
    QPointer<QDialog> hold;
    struct Hold : TableListener {
        std::function<void()> fn;
        void StateChanged() override { fn(); }
    } holder;
    holder.fn = [&] {
        if (!hold && w.state().IsComputerTurn() && w.state().TurnUnderway()) {
            hold = new QDialog(&w);
            hold->setModal(true);
            hold->show();
        }
    };
    w.table().AddListener(holder);
    Bank(w, {1, 1, 1, 2, 3, 4}, 0);
    const GameState atStart = w.state();
    ASSERT_TRUE(WaitFor([&] { return !hold.isNull(); }));
    EXPECT_NE(w.state(), atStart);
    w.table().RemoveListener(holder);
    delete hold.data();

    Kill();
    frmMain& again = Start(QMessageBox::Yes);
    ASSERT_TRUE(seated->state);
    EXPECT_TRUE(*seated->state == atStart);
    // Hal plays his turn from its beginning and passes the dice back.
    ASSERT_TRUE(WaitFor([&] { return again.state().CurrentPlayer == 0; }));
    EXPECT_GE(again.driver().TurnsStarted(), 1u);
    EXPECT_EQ(again.state().PlayerScore[0], 1000);
}

TEST_F(Resume, ATrayOpenWhenTheProgramWasKilled) {
    frmMain& w = Start();
    Seat(w, {"Ann", "Bob"});
    Roll(w, {1, 1, 5, 2, 3, 4});
    w.table().Picture1_Click(2);
    w.cmdOptions_Click();
    ASSERT_TRUE(w.flags().TrayOpen);
    frmMain& again = KillAndContinue("Continue the game of Ann and Bob?");
    EXPECT_FALSE(again.flags().TrayOpen);
    EXPECT_TRUE(again.trays()->column()->isHidden());
    ASSERT_TRUE(again.RollEnabled());
    Roll(again, {1, 2, 3, 4, 6});
    EXPECT_EQ(again.gameTray()->lblStatus->text(), QStringLiteral("Select Dice."));
}

TEST_F(Resume, EscEndsAtOnceAndLosesNothing) {
    frmMain& w = Start();
    Seat(w, {"Ann", "Bob"});
    Roll(w, {1, 1, 1, 2, 3, 4});
    w.table().Picture1_Click(0);
    const GameState state = w.state();
    const View seen = Look(w);
    Release(&w, Qt::Key_Escape);
    EXPECT_EQ(programEndsNow, 1);
    EXPECT_FALSE(w.isVisible());
    Continue(state, seen, "Continue the game of Ann and Bob?");
}

// ---- what leaves nothing to continue --------------------------------------------------

TEST_F(Resume, NoDropsTheGameAndYesToQuittingDropsIt) {
    frmMain& w = Start();
    Seat(w, {"Ann", "Bob"});
    Roll(w, {1, 1, 1, 2, 3, 4});
    Kill();
    frmMain& again = Start(QMessageBox::No);
    EXPECT_EQ(answers->seen().size(), 1);
    EXPECT_FALSE(again.state().GameRunning());
    EXPECT_FALSE(SavedNow());
    Kill();
    Start();
    EXPECT_TRUE(answers->seen().isEmpty());

    // Yes to quitting, from the menu's New Game or by closing the window.
    for (const bool close : {false, true}) {
        Kill();
        frmMain& w2 = Start(QMessageBox::Yes);
        Seat(w2, {"Ann", "Bob"});
        Roll(w2, {1, 1, 1, 2, 3, 4});
        ASSERT_TRUE(SavedNow());
        if (close)
            w2.close();
        else
            w2.mnuNewGame->trigger();  // then the dialog's Cancel
        EXPECT_FALSE(SavedNow()) << close;
    }
}

TEST_F(Resume, ADamagedSavedGameIsRefusedWithAMessageAndDropped) {
    // A game saved mid-turn, then changed by hand two ways: its state, and
    // the counts kept with it.
    frmMain& w = Start();
    Seat(w, {"Ann", "Bob"});
    Bank(w, {1, 1, 1, 2, 3, 4}, 0);
    Kill();
    for (const bool state : {true, false}) {
        SCOPED_TRACE(state ? "state" : "counts");
        {
            Records r;
            std::optional<SavedGame> saved = r.LoadSavedGame();
            ASSERT_TRUE(saved);
            if (state) {
                saved->state.replace(saved->state.find("seat 0 human 1 1000"), 19, "seat 0 human 1 1001");
            } else {
                GameTally other;
                other.Start({{"Ann"}, {"Bob"}}, 5000, 500);
                saved->tally = other;
            }
            ASSERT_TRUE(r.SaveGame(*saved));
        }
        frmMain& again = Start();
        ASSERT_EQ(answers->seen().size(), 1);
        EXPECT_TRUE(answers->seen()[0].text.contains(QStringLiteral("damaged")));
        EXPECT_TRUE(answers->seen()[0].text.contains(state ? QStringLiteral("multiple of 50") : QStringLiteral("counts")));
        EXPECT_FALSE(again.state().GameRunning());
        EXPECT_FALSE(SavedNow());
        // Put back for the second way.
        Seat(again, {"Ann", "Bob"});
        Bank(again, {1, 1, 1, 2, 3, 4}, 0);
        Kill();
    }
}

TEST_F(Resume, AnUnreadableRecordsFileIsToldOnceAfterTheWindowIsUp) {
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("data/zarvel"))));
    Put(Path(QStringLiteral("data/zarvel/zarvel.db")), QByteArray(8192, 'x'));
    frmMain& w = Start();
    EXPECT_TRUE(w.isVisible());
    Idle(50);
    ASSERT_EQ(answers->seen().size(), 1);
    EXPECT_TRUE(answers->seen()[0].text.contains(QStringLiteral("could not be read")));
    // A new file, and play goes on recorded.
    Seat(w, {"Ann", "Bob"});
    EXPECT_TRUE(SavedNow());
}

// ---- the seats of the last game ------------------------------------------------------------

class NewGameSeats : public Resume {
protected:
    NewGameSeats() { rejectDialogs = false; }
    static QStringList Shown(const frmNewGame& d) {
        QStringList rows;
        for (int i = 0; i < frmNewGame::kRows; ++i)
            if (d.TxtPlayerName[i]->isVisibleTo(&d))
                rows << d.TxtPlayerName[i]->text() + (d.chkComputer[i]->isChecked() ? "*" + d.cboStyle[i]->currentText() : "");
        return rows;
    }
};

TEST_F(NewGameSeats, TheDialogOpensWithTheLastGamesSeatsAfterARestartAndCancelKeepsThem) {
    frmMain& w = Start();
    ASSERT_TRUE(WithNewGame(w, [](frmNewGame& d) {
        d.optNumPlayers[2]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.TxtPlayerName[1]->setText(QStringLiteral("Hal"));
        d.chkComputer[1]->setChecked(true);
        d.cboStyle[1]->setCurrentIndex(5);  // Genius
        d.TxtPlayerName[2]->setText(QStringLiteral("Fay"));
        d.cmdPlay->click();
    }));
    ASSERT_TRUE(w.state().GameRunning());
    Kill();
    frmMain& again = Start(QMessageBox::No);
    const QStringList last{"Ann", "Hal*Genius", "Fay"};
    for (int showing = 0; showing < 2; ++showing) {  // the second after Cancel
        EXPECT_TRUE(WithNewGame(again, [&](frmNewGame& d) {
            EXPECT_EQ(Shown(d), last);
            EXPECT_TRUE(d.optNumPlayers[2]->isChecked());
            d.optNumPlayers[0]->click();
            d.cmdCancel->click();
        }));
    }

    // One player against the computer: its style is kept, its seat fixed.
    ASSERT_TRUE(WithNewGame(again, [](frmNewGame& d) {
        d.optNumPlayers[0]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.cboStyle[1]->setCurrentIndex(2);  // Fearless
        d.cmdPlay->click();
    }));
    again.state().CurrentPlayer = kNone;
    // Cancel destroys the dialog, which the next showing builds afresh.
    ASSERT_TRUE(WithNewGame(again, [](frmNewGame& d) { d.cmdCancel->click(); }));
    EXPECT_TRUE(WithNewGame(again, [&](frmNewGame& d) {
        EXPECT_EQ(Shown(d), (QStringList{"Ann", "Computer*Fearless"}));
        EXPECT_FALSE(d.TxtPlayerName[1]->isEnabled() || d.chkComputer[1]->isEnabled());
    }));
}

TEST_F(NewGameSeats, SeatsTheProgramCannotShowLeaveTheDialogsOwnChoices) {
    const std::vector<std::pair<zarvel::LastSeats, QStringList>> cases{
        {{12, {{"Ann", false, 1}}}, {"Player1", "Computer*Normal"}},
        {{3, {{"Ann", true, 42}, {"Bob", false, -1}}}, {"Ann*Normal", "Bob", "Player3"}},
        // One person's opponent is the "Computer" seat, whatever the file says.
        {{1, {{"Ann", false, 1}, {"Eve", false, 3}}}, {"Ann", "Computer*Fearless"}},
    };
    for (const auto& [stored, shown] : cases) {
        ASSERT_TRUE(Records().SaveLastSeats(stored));
        frmMain& w = Start();
        EXPECT_TRUE(WithNewGame(w, [&](frmNewGame& d) { EXPECT_EQ(Shown(d), shown); }));
        Kill();
    }
}

}  // namespace
}  // namespace zarvel::test
