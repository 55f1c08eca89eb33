// The options tray and the sound dialog through their widgets, and the tray
// mechanism they open with.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <ctime>

#include "ARButton.h"
#include "ComputerDriver.h"
#include "GuiTest.h"
#include "Styles.h"
#include "OptionsTray.h"
#include "PictureBox.h"
#include "SettingKeys.h"
#include "SoundPlayer.h"
#include "Startup.h"
#include "TrayColumn.h"
#include "frmCustomizeSounds.h"

namespace zarvel::test {
namespace {

class Trays : public GuiTest {
protected:
    OptionsTray& Open(frmMain& w) {
        w.cmdOptions_Click();
        return *w.trays()->optionsTray();
    }
    // Opens the sound dialog from the tray and runs `act` on it.
    void WithSounds(frmMain& w, const std::function<void(frmCustomizeSounds&)>& act) {
        bool ran = false;
        Poll poll([&] {
            auto* d = qobject_cast<frmCustomizeSounds*>(QApplication::activeModalWidget());
            if (!d || ran) return;
            ran = true;
            act(*d);
            if (d->isVisible()) d->reject();
        });
        Open(w).cmdCustomizeSounds->click();
        ASSERT_TRUE(ran);
    }
    QStringList Written() const { return SettingsFile(DefaultSettingsPath()).Keys(); }
};

TEST_F(Trays, SaveStoresChangedOptionsRestoreDefaultThenCancelChangesNothingAndTheKeyboardWorks) {
    Settings s;
    s.ComputerFast = 2;
    s.SortDice = true;
    frmMain& w = Build(s);
    OptionsTray& tray = Open(w);
    EXPECT_TRUE(w.flags().TrayOpen);
    EXPECT_EQ(w.focusWidget(), tray.optSound[1]);  // the tray took the focus to its first control
    EXPECT_TRUE(tray.optComputerSpeed[2]->isChecked() && tray.optSound[1]->isChecked() &&
                tray.chkSortDice->isChecked() && tray.chkMarkScorers->isChecked());

    ModalAnswerer answers;
    tray.ARCmdRestoreDefaults->click();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen().first().text, QStringLiteral("Original Settings Restored."));
    EXPECT_TRUE(tray.optComputerSpeed[0]->isChecked() && !tray.chkSortDice->isChecked());
    tray.ARCmdCancelOptions->click();
    EXPECT_FALSE(w.flags().TrayOpen);
    EXPECT_TRUE(w.settings().ComputerFast == 2 && w.settings().SortDice);
    EXPECT_TRUE(Written().isEmpty());
    Open(w);  // shows the old values again
    EXPECT_TRUE(tray.optComputerSpeed[2]->isChecked() && tray.chkSortDice->isChecked());

    // Save unchanged, here from the keyboard, writes only the keys whose
    // values the file does not already mean (the two set before the window
    // opened; another copy of the game may have saved the others) and
    // hands the keys back to the game.
    EXPECT_NE(tray.ARCmdSaveOptions->focusPolicy() & Qt::TabFocus, 0);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(tray.ARCmdSaveOptions, &enter);
    ASSERT_TRUE(WaitFor([&] { return !w.flags().TrayOpen; }));
    EXPECT_EQ(w.focusWidget(), &w);
    EXPECT_EQ(Written(), (QStringList{"ComputerFast", "SortDice"}));
    // Marking switched off hides the markers at Save, not before.
    w.ShowMarker(2, true);
    Open(w);
    tray.optSound[0]->click();
    tray.optComputerSpeed[1]->click();
    tray.chkMarkScorers->click();
    EXPECT_TRUE(w.gameTray()->MarkerVisible(2));
    tray.ARCmdSaveOptions->click();
    EXPECT_FALSE(w.gameTray()->MarkerVisible(2));
    Settings again;
    ReadSettings(SettingsFile(DefaultSettingsPath()), again, CarriedFilesFolder());
    EXPECT_TRUE(again.SoundFXOFF && again.ComputerFast == 1 && !again.MarkScorers);
    EXPECT_TRUE(w.settings().SoundFXOFF && !w.settings().MarkScorers);
}

// From options that are none of the defaults, Restore Default shows every
// default, and Save then stores them.
TEST_F(Trays, RestoreDefaultShowsEveryDefaultAndSaveStoresThem) {
    Settings s;
    s.SoundFXOFF = !kSoundOffByDefault;
    s.ComputerFast = 2;
    s.SortDice = !kSortDiceByDefault;
    s.MarkScorers = !kMarkScorersByDefault;
    frmMain& w = Build(s);
    OptionsTray& tray = Open(w);
    ModalAnswerer answers;
    tray.ARCmdRestoreDefaults->click();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(tray.optComputerSpeed[0]->isChecked());
    EXPECT_EQ(tray.optSound[1]->isChecked(), !kSoundOffByDefault);
    EXPECT_EQ(tray.chkSortDice->isChecked(), kSortDiceByDefault);
    EXPECT_EQ(tray.chkMarkScorers->isChecked(), kMarkScorersByDefault);
    tray.ARCmdSaveOptions->click();
    Settings stored;
    ReadSettings(SettingsFile(DefaultSettingsPath()), stored, GetTempDir());
    const Settings defaults;
    EXPECT_TRUE(stored.SoundFXOFF == defaults.SoundFXOFF && stored.ComputerFast == defaults.ComputerFast &&
                stored.SortDice == defaults.SortDice && stored.MarkScorers == defaults.MarkScorers);
    EXPECT_TRUE(w.settings().ComputerFast == 0 && w.settings().SortDice == kSortDiceByDefault);
}

TEST_F(Trays, TheWindowGrowsLeftWithItsRightEdgeFixedAndTheGameWaits) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    const QRect before = w.frameGeometry();
    const int column = w.trays()->column()->width();
    OptionsTray& tray = Open(w);
    EXPECT_EQ(w.frameGeometry().right(), before.right());
    EXPECT_EQ(w.frameGeometry().width(), before.width() + column);
    EXPECT_EQ(w.gameTray()->x(), column);
    EXPECT_TRUE(tray.isVisible() && !w.gameTray()->isEnabled());
    EXPECT_FALSE(w.mnuNewGame->isEnabled() || w.mnuThemes->isEnabled() || w.mnuOptions->isEnabled());
    // The game's keys wait with it.
    Release(&w, Qt::Key_R);
    EXPECT_EQ(w.state().Dice[0], kNone);
    QApplication::processEvents();  // whatever the platform made of the move

    tray.ARCmdCancelOptions->click();
    EXPECT_EQ(w.frameGeometry(), before);
    EXPECT_EQ(w.gameTray()->x(), 0);
    EXPECT_TRUE(w.gameTray()->isEnabled() && w.mnuOptions->isEnabled() && w.gameTray()->cmdOptions->isEnabled());
    EXPECT_FALSE(w.trays()->column()->isVisible());
}

TEST_F(Trays, AnOpenTrayHoldsAComputerTurnOnATimerAndSaveResumesIt) {
    Settings s;
    s.ComputerFast = 2;
    frmMain& w = Build(s);
    w.pauseFor = [](int) {};
    w.sound().Preload();
    const GameState& g = w.state();
    w.table().SeatGame({{"Nor", true, style::Normal}, {"Ann", false, 1}}, 5000, 500);  // Normal waits for the trays
    const GameState seated = g;
    OptionsTray& tray = Open(w);
    const std::clock_t cpu = std::clock();  // the process's CPU time
    QElapsedTimer waited;
    waited.start();
    const auto looks = w.driver().Looks();
    ASSERT_TRUE(WaitFor([&] { return w.driver().Looks() >= looks + 10; }));
    // Looking again on a timer costs next to nothing; a loop would keep a
    // core busy for as long as it waits. A busy machine only lowers the share.
    const double share = double(std::clock() - cpu) / CLOCKS_PER_SEC / (double(waited.elapsed()) / 1000.0);
    EXPECT_LT(share, 0.2) << waited.elapsed() << " ms";
    EXPECT_TRUE(g == seated);
    EXPECT_TRUE(w.driver().TurnRunning());
    tray.ARCmdSaveOptions->click();
    EXPECT_TRUE(WaitFor([&] { return g != seated; }));
}

TEST_F(Trays, TheSoundDialogEditsCopiesAndOkStoresAllEight) {
    Settings s;
    s.TempPath = "/tmp/z/";
    for (int e = 0; e < 8; ++e) EventSound(s, e) = "/mine/" + std::to_string(e) + ".wav";
    frmMain& w = Build(s);
    w.settings().SoundFXOFF = true;
    QStringList played;
    w.onPlaySound = [&](const QString& path) { played << path; };

    // Browse cancelled keeps the path; one chosen stays with its event;
    // Test plays it whatever the sound option; the close box stores nothing.
    WithSounds(w, [&](frmCustomizeSounds& d) {
        QStringList titles;
        d.chooseWaveFile = [&](const QString& title) {
            titles << title;
            return titles.size() == 1 ? frmCustomizeSounds::NoChoice : QStringLiteral("/new/undo2.wav");
        };
        d.lstEvents->setCurrentRow(7);
        d.cmdBrowse->click();
        EXPECT_EQ(d.txtSound->text(), QStringLiteral("7.wav"));
        ModalAnswerer answers;  // the file chosen is not there, and the dialog says so
        emit d.lstEvents->itemDoubleClicked(d.lstEvents->item(7));
        EXPECT_EQ(titles, (QStringList{"Select \"Undo\" sound", "Select \"Undo\" sound"}));
        ASSERT_EQ(answers.seen().size(), 1);
        EXPECT_TRUE(answers.seen()[0].text.contains("undo2.wav")) << answers.seen()[0].text.toStdString();
        d.lstEvents->setCurrentRow(0);
        EXPECT_EQ(d.txtSound->text(), QStringLiteral("0.wav"));
        d.lstEvents->setCurrentRow(7);
        EXPECT_EQ(d.txtSound->text(), QStringLiteral("undo2.wav"));
        d.cmdTest->click();
        d.close();
    });
    EXPECT_EQ(played, QStringList{"/new/undo2.wav"});
    EXPECT_EQ(w.settings().UndoSound, "/mine/7.wav");
    EXPECT_TRUE(Written().isEmpty());

    // Backspace brings back the built-in files; Cancel forgets that too.
    WithSounds(w, [&](frmCustomizeSounds& d) {
        ModalAnswerer answers;
        Release(d.lstEvents, Qt::Key_Backspace);
        ASSERT_EQ(answers.seen().size(), 1);
        EXPECT_EQ(answers.seen().first().text, QStringLiteral("Original Sounds Restored."));
        EXPECT_EQ(d.txtSound->text(), QStringLiteral("bust.wav"));
        d.cmdCancel->click();
    });
    EXPECT_EQ(w.settings().ZarvelSound, "/mine/0.wav");

    // OK unchanged writes all eight keys, in the file's order.
    WithSounds(w, [&](frmCustomizeSounds& d) { d.cmdOK->click(); });
    EXPECT_EQ(Written(), (QStringList{"ZarvelSound", "OneDieSound", "MultiDieSound", "MoveDieSound", "Passem1Sound",
                                      "Passem2Sound", "UndoSound", "GameOverSound"}));
    EXPECT_EQ(SettingsFile(DefaultSettingsPath()).Read(QStringLiteral("UndoSound")), QStringLiteral("/mine/7.wav"));
}

TEST_F(Trays, EventSoundsFollowTheOptionAndAMissingFileIsSilent) {
    Settings s;
    s.SoundFXOFF = true;
    frmMain& w = Build(s);
    StartTwoPlayerGame(w);
    QStringList played;
    w.onPlaySound = [&](const QString& path) { played << path; };
    w.pauseFor = [](int) {};
    w.table().cmdRoll_Click();
    EXPECT_TRUE(played.isEmpty());
    w.settings().SoundFXOFF = false;
    StartTwoPlayerGame(w);
    w.table().cmdRoll_Click();
    EXPECT_FALSE(played.isEmpty());

    ModalAnswerer answers;
    EXPECT_FALSE(w.sound().Play(tempDir + QStringLiteral("/deleted.wav")));
    Put(tempDir + QStringLiteral("/empty.wav"), "");
    EXPECT_FALSE(w.sound().Play(tempDir + QStringLiteral("/empty.wav")));
    QApplication::processEvents();  // anything the refusals left to show
    EXPECT_TRUE(answers.seen().isEmpty());
}

}  // namespace
}  // namespace zarvel::test
