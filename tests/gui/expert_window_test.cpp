// The Expert and the hint in the window: the solved table worked out off the
// window's thread, the Expert's turn waiting for it, and the hint's words
// and marks for situations whose best play is known.
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>

#include "ARButton.h"
#include "ComputerDriver.h"
#include "DiceScript.h"
#include "ExpertTables.h"
#include "GuiTest.h"
#include "Hint.h"
#include "OptionsTray.h"
#include "PictureBox.h"
#include "TableCache.h"
#include "TrayColumn.h"
#include "frmHelp.h"
#include "frmNewGame.h"
#include "Twips.h"

namespace zarvel::test {
namespace {

// A solve takes seconds, more on a busy machine: the waits below end as soon
// as the table is there.
constexpr int kSolveWaitMs = 300'000;

QString Status(frmMain& w) { return w.gameTray()->lblStatus->text(); }

// "61 %" as the hint writes it.
QString Percent(double chance) { return QStringLiteral("%1\u00a0%").arg(int(chance * 100 + 0.5)); }

class ExpertWindow : public GuiTest {
protected:
    // Solved tables from the build folder, solved there by the first test
    // that needed one.
    ScopedEnv cache_{"XDG_CACHE_HOME", QStringLiteral(ZARVEL_TEST_CACHE_HOME)};

    frmMain& BuildQuick(int breakIn = 500) {
        Settings s;
        s.ComputerFast = kRidiculous;
        s.BreakInScore = breakIn;
        frmMain& w = Build(s);
        w.pauseFor = [](int) {};
        return w;
    }
    static bool WaitForTable(frmMain& w, const solver::Rules& rules) {
        w.expertTables().Prepare(rules);
        return WaitFor([&] { return w.expertTables().Ready(rules); }, kSolveWaitMs);
    }
    void Roll(frmMain& w, const std::vector<int>& faces) {
        ScriptRoll(*dice, faces);
        w.table().cmdRoll_Click();
    }
    static bool Framed(frmMain& w, int slot) { return w.gameTray()->Picture1(slot)->frameColor().isValid(); }
};

// Ann's first roll: the three 4s are all it offers, and 400 may not be
// banked yet; then, at 4500 against 4950 with 450 set aside, a roll of 5
// and 3, where banking at once beats going out with the 5.
TEST_F(ExpertWindow, TheHintSaysAndMarksTheBestPlay) {
    frmMain& w = BuildQuick();
    StartTwoPlayerGame(w);
    ASSERT_TRUE(WaitForTable(w, {5000, 500}));
    const auto& solved = *w.expertTables().Get({5000, 500});

    Roll(w, {4, 4, 4, 2, 3, 6});
    ASSERT_TRUE(w.mnuHint->isEnabled());
    w.mnuHint->trigger();
    const double chance = solver::BestPlay(solved, SituationOf(w.state())).winChance;
    EXPECT_EQ(Status(w), QStringLiteral("Set aside the three 4s and roll on — %1 to win.").arg(Percent(chance)));
    EXPECT_EQ(w.hint().Shown(), Status(w));
    for (int slot = 0; slot < kSlots; ++slot) {
        EXPECT_EQ(w.hint().Marked(slot), slot < 3) << slot;
        EXPECT_EQ(Framed(w, slot), slot < 3) << slot;
    }
    EXPECT_TRUE(w.gameTray()->Picture1(1)->accessibleDescription().contains(QStringLiteral("hint")));
    // For a look at it: ZARVEL_HINT_PNG=file.png
    if (const QByteArray png = qgetenv("ZARVEL_HINT_PNG"); !png.isEmpty()) {
        QApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(png));
    }

    // Taking the 4s moves the game on: the hint goes with its marks.
    w.table().Picture1_Click(0);
    EXPECT_EQ(Status(w), QStringLiteral("500 in one turn to get on the board."));
    EXPECT_TRUE(w.hint().Shown().isEmpty());
    for (int slot = 0; slot < kSlots; ++slot) EXPECT_FALSE(Framed(w, slot)) << slot;
    EXPECT_EQ(w.gameTray()->lblStatus->height(), Px(255));

    StartTwoPlayerGame(w);
    w.state().PlayerScore = {4500, 4950};
    Roll(w, {4, 4, 4, 5, 2, 3});
    w.table().Picture1_Click(0);
    w.table().Picture1_Click(3);
    Roll(w, {5, 3});
    ASSERT_EQ(w.state().AllowedActions, (Actions{Action::Select, Action::Pass}));
    w.mnuHint->trigger();
    EXPECT_EQ(Status(w), QStringLiteral("Pass the dice — %1 to win.").arg(Percent(1 - solved.Win(4950, 4950))));
    for (int slot = 0; slot < kSlots; ++slot) EXPECT_FALSE(w.hint().Marked(slot)) << slot;
}

// The new game dialog offers the Expert as its eighth style, stored as code
// 8; a game with an Expert seat has its table prepared as it starts.
TEST_F(ExpertWindow, TheNewGameDialogSeatsTheExpert) {
    frmMain& w = BuildQuick();
    bool shown = false;
    Poll answer([&] {
        auto* d = qobject_cast<frmNewGame*>(QApplication::activeModalWidget());
        if (!d || shown) return;
        shown = true;
        QComboBox* styles = d->cboStyle[1];
        ASSERT_EQ(styles->count(), 8);
        EXPECT_EQ(styles->itemText(7), QStringLiteral("Expert"));
        styles->setCurrentIndex(7);
        d->cmdPlay->click();
    });
    w.mnuNewGame->trigger();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(w.state().PlayerIsComputer[1]);
    EXPECT_EQ(w.state().PlayerStyle[1], style::Expert);
    EXPECT_EQ(frmNewGame::StyleCode(QStringLiteral("Expert")), 8);
    EXPECT_TRUE(WaitFor([&] { return w.expertTables().Ready({5000, 500}); }, kSolveWaitMs));
}

// The help tells of the style and of the hint, its key among the keys.
TEST_F(ExpertWindow, TheHelpExplainsTheExpertAndTheHint) {
    frmHelp help;
    help.ShowTopic(1);
    const QString text = help.browser()->document()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Expert: plays the best play there is.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Game > Hint or the H key")));
    EXPECT_TRUE(text.contains(QStringLiteral("H\tA hint: the best play on your turn")) ||
                text.contains(QStringLiteral("H\nA hint: the best play on your turn")))
        << text.toStdString();
    // Where the work is kept, as the game keeps it.
    EXPECT_TRUE(text.contains(QStringLiteral("~/.cache/zarvel")));
}

// The hint is a person's: none before a game, none on a computer's turn,
// none while a tray is open and the game waits.
TEST_F(ExpertWindow, TheHintIsThereOnAPersonsTurnOnly) {
    frmMain& w = BuildQuick();
    EXPECT_EQ(w.mnuHint->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_EQ(w.mnuHint->parent(), w.mnuGame);
    EXPECT_FALSE(w.mnuHint->isEnabled());

    StartTwoPlayerGame(w);
    EXPECT_TRUE(w.mnuHint->isEnabled());
    w.cmdOptions_Click();
    ASSERT_TRUE(w.flags().TrayOpen);
    EXPECT_FALSE(w.mnuHint->isEnabled());
    w.mnuHint->trigger();  // the key, as a disabled item ignores it
    w.hint().mnuHint_Click();
    EXPECT_TRUE(w.hint().Shown().isEmpty());
    EXPECT_EQ(Status(w), QStringLiteral("Roll the dice."));
    w.trays()->optionsTray()->ARCmdCancelOptions->click();
    ASSERT_TRUE(WaitFor([&] { return !w.flags().TrayOpen; }));
    EXPECT_TRUE(w.mnuHint->isEnabled());

    // The Expert's turn, then Ann's.
    w.table().SeatGame({{"Exp", true, style::Expert}, {"Ann", false, 1}}, 5000, 500);
    EXPECT_FALSE(w.mnuHint->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return w.state().CurrentPlayer == 1 || w.state().GameOver; }, kSolveWaitMs));
    EXPECT_TRUE(w.mnuHint->isEnabled() || w.state().GameOver);
    EXPECT_EQ(w.driver().ExpertMisses(), 0u);
}

// A first hint of a setting never solved here: the table is solved on
// another thread (the window handles its events meanwhile, and shows how
// far the work has got), kept in the cache folder, and the hint comes once
// it is ready.
TEST_F(ExpertWindow, AskedBeforeItsTableIsReadyTheHintComesOnceItIs) {
    ScopedEnv fresh("XDG_CACHE_HOME", Path("cache"));
    const solver::Rules rules{5000, 1000};
    frmMain& w = BuildQuick(rules.breakIn);
    StartTwoPlayerGame(w);
    ASSERT_FALSE(w.expertTables().Ready(rules));

    bool loopRanMeanwhile = false;
    QTimer::singleShot(0, [&] { loopRanMeanwhile = !w.expertTables().Ready(rules); });
    QString progressName;
    bool progressModal = true;
    Poll watch([&] {
        if (QDialog* p = w.expertTables().progressWindow(); p && p->isVisible()) {
            // For a look at it: ZARVEL_PROGRESS_PNG=file.png
            if (const QByteArray png = qgetenv("ZARVEL_PROGRESS_PNG"); !png.isEmpty() && progressName.isEmpty())
                p->grab().save(QString::fromLocal8Bit(png));
            progressName = p->accessibleName();
            progressModal = p->isModal();
        }
    });
    w.mnuHint->trigger();
    EXPECT_EQ(Status(w), QStringLiteral("Working out the best play..."));
    ASSERT_TRUE(WaitFor([&] { return !w.hint().Shown().isEmpty(); }, kSolveWaitMs));
    EXPECT_TRUE(loopRanMeanwhile);
    EXPECT_TRUE(Status(w).startsWith(QStringLiteral("Roll the dice — "))) << Status(w).toStdString();
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(solver::TablePath(Path("cache/zarvel").toStdString(), rules))));
    // A solve lasts long enough to be shown on any machine this runs on; if
    // it was shown, it was named for screen readers and held nothing.
    if (!progressName.isEmpty()) {
        EXPECT_EQ(progressName, QStringLiteral("Preparing the Expert"));
        EXPECT_FALSE(progressModal);
    }
    EXPECT_TRUE(WaitFor([&] { return w.expertTables().progressWindow() == nullptr; }));
}

// Closing the window stops a solve under way rather than waiting for it to
// end, and leaves no table, whole or half-written, behind.
TEST_F(ExpertWindow, ClosingTheWindowStopsASolveUnderWay) {
    ScopedEnv fresh("XDG_CACHE_HOME", Path("cache"));
    const solver::Rules rules{10000, 500};
    {
        frmMain& w = BuildQuick();
        w.expertTables().Prepare(rules);
        EXPECT_FALSE(w.expertTables().Ready(rules));
        window.reset();
    }
    const QDir folder(Path("cache/zarvel"));
    EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty()) << folder.entryList(QDir::Files).join(u' ').toStdString();
}

// With more players the hint plays the strongest other alone, and says so.
TEST_F(ExpertWindow, WithMorePlayersTheHintSaysWhomItPlays) {
    GameState g;
    g.NumPlayers = 3;
    g.CurrentPlayer = 0;
    g.PlayerScore = {1000, 3000, 2000};
    g.AllowedActions = {Action::Roll};
    solver::Advice roll;
    roll.move = solver::Move::Roll;
    roll.winChance = 0.613;
    EXPECT_EQ(Hint::Text(g, roll), QStringLiteral("Roll the dice — about 61\u00a0% against the leader alone."));
    g.PlayerScore[0] = 3500;
    EXPECT_EQ(Hint::Text(g, roll), QStringLiteral("Roll the dice — about 61\u00a0% against the runner-up alone."));
    g.WentOut = 1;
    g.PlayerScore[1] = 5100;
    EXPECT_EQ(Hint::Text(g, roll), QStringLiteral("Roll the dice — 61\u00a0% to beat the best score so far."));
    g.NumPlayers = 2;
    EXPECT_EQ(Hint::Text(g, roll), QStringLiteral("Roll the dice — 61\u00a0% to win."));

    EXPECT_EQ(Hint::Percent(1.0), QStringLiteral("100\u00a0%"));
    EXPECT_EQ(Hint::Percent(0.996), QStringLiteral("over 99\u00a0%"));
    EXPECT_EQ(Hint::Percent(0.004), QStringLiteral("under 1\u00a0%"));
    EXPECT_EQ(Hint::Percent(0.0), QStringLiteral("0\u00a0%"));
    EXPECT_EQ(Hint::Percent(0.545), QStringLiteral("55\u00a0%"));
}

// What to set aside, as the dice show it: singles together, groups whole.
TEST_F(ExpertWindow, TheDiceToSetAsideAreNamedAsTheyLie) {
    frmMain& w = BuildQuick();
    StartTwoPlayerGame(w);
    Roll(w, {1, 5, 2, 2, 2, 1});
    solver::Advice take;
    take.move = solver::Move::Take;
    take.then = solver::Move::Pass;
    take.winChance = 0.5;
    take.take = {1, 1, 2, 2, 2, 5};
    EXPECT_EQ(Hint::Text(w.state(), take),
              QStringLiteral("Set aside the two 1s, the 5 and the three 2s and roll all six again — 50\u00a0% to win."));
    take.take = {1, 1};
    EXPECT_EQ(Hint::Text(w.state(), take), QStringLiteral("Set aside the two 1s and pass — 50\u00a0% to win."));
    StartTwoPlayerGame(w);
    Roll(w, {3, 1, 4, 2, 6, 5});
    take.take = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(Hint::Text(w.state(), take), QStringLiteral("Set aside the straight and roll all six again — 50\u00a0% to win."));
}

}  // namespace
}  // namespace zarvel::test
