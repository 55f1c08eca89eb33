// The main window as a shell: how the program opens it, the quit rule, the
// keys, the board's drawing in the game tray and the die boxes as a screen
// reader meets them; and the picture buttons it is made of.
#include <QAccessible>
#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <map>

#include "ARButton.h"
#include "Colors.h"
#include "DiceScript.h"
#include "GuiTest.h"
#include "Keys.h"
#include "PictureBox.h"
#include "Styles.h"
#include "Startup.h"
#include "TrayColumn.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

QColor TextColourOf(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

// ---- start-up -----------------------------------------------------------------

using StartUp = GuiTest;

TEST_F(StartUp, FirstStartShowsTheSatinBackgroundAndWaitsForANewGame) {
    ASSERT_TRUE(StartProgram());
    frmMain& w = *window;
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.settingsFile().Keys(), QStringList{QStringLiteral("Background")});
    QImageReader satin(QStringLiteral(":/custom/209"));
    satin.setDecideFormatFromContent(true);
    EXPECT_EQ(w.gameTray()->Image1->picture().toImage().convertToFormat(QImage::Format_RGB32),
              satin.read().convertToFormat(QImage::Format_RGB32));
    // The carried files are in a folder of this user alone, not in the shared one.
    EXPECT_TRUE(QFile::exists(CarriedFilesFolder() + QStringLiteral("bust.wav")));
    EXPECT_FALSE(QFile::exists(tempDir + QStringLiteral("/bust.wav")));
    // Labels in the start-up text colour (light cyan).
    for (QLabel* l : {w.gameTray()->lblCurrentPlayer, static_cast<QLabel*>(w.gameTray()->lblPlayer)}) EXPECT_EQ(TextColourOf(l), QColor(0x80, 0xFF, 0xFF));

    // Narrowed to the game tray, waiting for F2.
    EXPECT_EQ(w.gameTray()->geometry(), w.centralWidget()->rect());
    EXPECT_TRUE(w.trays()->column()->isHidden());
    EXPECT_EQ(w.gameTray()->lblStatus->text(), QStringLiteral("Press \"F2\" to start a game."));
    EXPECT_TRUE(w.gameTray()->ARCmdNewGame->isVisible());
    EXPECT_FALSE(w.gameTray()->cmdRoll->isVisible() || w.RollEnabled() || w.PassEnabled());
}

TEST_F(StartUp, StoredTextColourAndSkinAreApplied) {
    Put(DefaultSettingsPath(), "[Info]\nTextColor=&HFF\nDieColor=160\n");
    ASSERT_TRUE(StartProgram());
    EXPECT_EQ(TextColourOf(window->gameTray()->lblStatus), QColor(255, 0, 0));
    EXPECT_EQ(window->gameTray()->picTray1->backColor(), QColor(0, 0, 255));
}

TEST_F(StartUp, MissingBackgroundTakesTheRecoveryPath) {
    Put(DefaultSettingsPath(), "[Info]\nBackground=(None)\nTextColor=&HFF\n");
    ASSERT_TRUE(StartProgram());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->gameTray()->Image1->picture().isNull());
    for (QLabel* l : window->findChildren<QLabel*>()) EXPECT_EQ(TextColourOf(l), QColor(0, 0, 0x80));
    EXPECT_EQ(window->settingsFile().Read(QStringLiteral("Background")), QStringLiteral("(None)"));
}

TEST_F(StartUp, AnUnreadableSettingsFileIsReportedAndDefaultsAreUsed) {
    Put(DefaultSettingsPath(), QByteArray("\xff\xfe\x00\x01PlayToScore=10000", 21));
    ModalAnswerer answers;
    ASSERT_TRUE(StartProgram());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->settings().PlayToScore, 5000);
    ASSERT_TRUE(WaitFor([&] { return !answers.seen().isEmpty(); }));
    EXPECT_TRUE(answers.seen().first().text.contains(QStringLiteral("could not be read")));
}

// ---- the quit rule and the keys -------------------------------------------------

using MainWindow = GuiTest;

TEST_F(MainWindow, ClosingAsksOnlyDuringAGameAndNoKeepsEverything) {
    frmMain& w = Build();
    ModalAnswerer answers(QMessageBox::No);
    StartTwoPlayerGame(w);
    w.state().PlayerScore[1] = 750;
    w.close();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen().first().text, QStringLiteral("Are you sure you want to quit the current game?"));
    EXPECT_EQ(answers.seen().first().buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.flags().Quitting);
    EXPECT_EQ(w.state().PlayerScore[1], 750);
    // F2 asks the same, once the key's handler is done; No leaves the game
    // as it is.
    Release(&w, Qt::Key_F2);
    EXPECT_TRUE(WaitFor([&] { return answers.seen().size() == 2; }));
    EXPECT_EQ(w.state().CurrentPlayer, 0);
    EXPECT_EQ(programEnds, 0);

    // Yes ends the program and closes every other window.
    w.ShowHelpTopic(1);
    QWidget other;
    other.show();
    answers.SetAnswer(QMessageBox::Yes);
    w.mnuExit->trigger();
    EXPECT_TRUE(w.flags().Quitting);
    EXPECT_FALSE(w.isVisible() || other.isVisible());
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

// The game's keys act on their release, and only on a key pressed here: Esc
// or Return that closed a menu or a message box is released over the main
// window, and that release alone neither ends the program nor rolls.
TEST_F(MainWindow, TheRollKeyActsOnItsReleaseOnlyWhenRollIsEnabledAndEscEndsAtOnce) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    ModalAnswerer answers(QMessageBox::No);
    w.SetRollEnabled(false);
    Release(&w, Qt::Key_R);
    EXPECT_EQ(w.state().Dice[0], kNone);
    w.SetRollEnabled(true);
    Release(&w, Qt::Key_R, /*pressedHere=*/true, /*autoRepeat=*/true);
    Release(&w, Qt::Key_R, /*pressedHere=*/false);
    Release(&w, Qt::Key_Escape, /*pressedHere=*/false);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    EXPECT_EQ(w.state().Dice[0], kNone);
    EXPECT_EQ(programEndsNow, 0);

    ScriptRoll(*dice, {1, 5, 2, 3, 4, 4});
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_R, Qt::NoModifier);
    QApplication::sendEvent(&w, &release);
    EXPECT_EQ(dice->Pending(), 0u);
    const int shown[] = {1, 5, 2, 3, 4, 4};
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(w.gameTray()->Picture1(i)->bitmapId(), 100 + shown[i]) << i;
    EXPECT_TRUE(w.gameTray()->MarkerVisible(0) && w.gameTray()->MarkerVisible(1) && !w.gameTray()->MarkerVisible(2));
    EXPECT_FALSE(w.RollEnabled());

    // Esc pressed here ends the program at once, asking nothing.
    Release(&w, Qt::Key_Escape);
    EXPECT_TRUE(answers.seen().isEmpty());
    EXPECT_EQ(programEndsNow, 1);
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(w.flags().Quitting);
}

TEST(KeyMapping, QtKeysBecomeVirtualKeyCodes) {
    const auto vk = [](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return VirtualKeyOf(QKeyEvent(QEvent::KeyRelease, key, mods));
    };
    // R, P, F2 and Esc are pressed on the window in the tests above.
    EXPECT_EQ(vk(Qt::Key_Backspace), 8);
    EXPECT_EQ(vk(Qt::Key_1), 49);
    EXPECT_EQ(vk(Qt::Key_6), 54);
    EXPECT_EQ(vk(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(vk(Qt::Key_4, Qt::KeypadModifier), 100);
    EXPECT_EQ(vk(Qt::Key_Period, Qt::KeypadModifier), 110);
    EXPECT_EQ(vk(Qt::Key_Comma, Qt::KeypadModifier), 110);
    // Shift does not change the key, and other keys mean nothing.
    EXPECT_EQ(vk(Qt::Key_R, Qt::ShiftModifier), 82);
    EXPECT_EQ(vk(Qt::Key_Period), 0);
    EXPECT_EQ(vk(Qt::Key_Space), 0);
}

TEST(KeyMapping, F12IsHeldFromPressToRelease) {
    KeyHeldFilter filter;
    QObject target;
    std::vector<bool> held{filter.F12Held()};
    // An auto-repeated release leaves it down.
    for (auto [type, autoRepeat] : {std::pair{QEvent::KeyPress, false}, {QEvent::KeyRelease, true}, {QEvent::KeyRelease, false}}) {
        QKeyEvent e(type, Qt::Key_F12, Qt::NoModifier, QString(), autoRepeat);
        filter.eventFilter(&target, &e);
        held.push_back(filter.F12Held());
    }
    EXPECT_EQ(held, (std::vector<bool>{false, true, true, false}));
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
    w.flags().ScorePadShown = true;
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(pad.isVisible());
    pad.move(0, 0);
    w.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(pad.isVisible());
    EXPECT_EQ(pad.pos(), QPoint(300, 120));

    // Tray moves are not minimising.
    w.flags().TrayMoving = true;
    w.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(pad.isVisible());
    w.flags().TrayMoving = false;
}

// ---- the board ------------------------------------------------------------------

TEST_F(MainWindow, DieBoxesShowTheSkinsBitmaps) {
    Settings s;
    s.DieSkin = 148;
    frmMain& w = Build(s);
    w.ShowDie(14, 6);
    EXPECT_EQ(w.gameTray()->Picture1(14)->bitmapId(), 154);
    EXPECT_FALSE(w.gameTray()->Picture1(14)->picture().isNull());
    w.ShowDie(14, 0);
    EXPECT_TRUE(w.gameTray()->Picture1(14)->picture().isNull());
    window.reset();

    // A stored code that is no skin draws the Blue dice on green trays
    // (not invisible dice on black) and stays stored as it was.
    s.DieSkin = 7;
    frmMain& odd = Build(s);
    odd.ShowDie(3, 5);
    EXPECT_EQ(odd.gameTray()->Picture1(3)->bitmapId(), 105);
    EXPECT_FALSE(odd.gameTray()->Picture1(3)->picture().isNull());
    EXPECT_EQ(odd.gameTray()->picTray1->backColor(), QColor(0, 0x80, 0));
    EXPECT_EQ(odd.settings().DieSkin, 7);
}

// The divider stands between the dice kept from earlier rolls and the
// first place left for this roll's.
TEST_F(MainWindow, TheDividerStandsAfterTheDiceKeptBeforeThisRoll) {
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    w.pauseFor = [](int) {};
    GameTray& tray = *w.gameTray();
    const std::vector<int> faces{1, 2, 3, 4, 6, 6};
    for (int kept = 0; kept < kSlots; ++kept) {
        ScriptRoll(*dice, std::vector<int>(faces.begin(), faces.end() - kept));
        w.table().cmdRoll_Click();
        ASSERT_EQ(w.state().HeldCount, kept);
        EXPECT_EQ(tray.pctDivider->isVisible(), kept > 0) << kept;
        if (kept > 0) {
            const int middle = tray.pctDivider->geometry().center().x();
            EXPECT_GT(middle, tray.Picture1(10 + kept - 1)->geometry().right()) << kept;
            EXPECT_LT(middle, tray.Picture1(10 + kept)->geometry().left()) << kept;
        }
        w.table().Picture1_Click(0);  // the 1
    }
}

// Notes, per die box, the picture it last painted.
class PaintedDice : public QObject {
public:
    explicit PaintedDice(GameTray& tray) : tray_(tray) {
        for (int index : Indexes()) tray.Picture1(index)->installEventFilter(this);
    }
    static std::vector<int> Indexes() { return {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15}; }
    std::map<int, int> painted;  // index: the bitmap painted last
    std::map<int, int> paints;   // index: how often it was painted
    // Every box shows, painted, the picture it holds.
    bool UpToDate() const {
        for (int index : Indexes()) {
            const auto it = painted.find(index);
            const int shown = tray_.Picture1(index)->bitmapId();
            if ((it == painted.end() ? 0 : it->second) != shown) return false;
        }
        return true;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            for (int index : Indexes())
                if (o == tray_.Picture1(index)) {
                    painted[index] = tray_.Picture1(index)->bitmapId();
                    ++paints[index];
                }
        return false;
    }

private:
    GameTray& tray_;
};

// A computer's roll changes a box several times (emptied, drawn, drawn again
// once sorted) but it is painted once, when the step is done; before any
// pause, what changed is painted first.
TEST_F(MainWindow, ChangesArePaintedOnceAStepAndBeforeEveryPause) {
    Settings s;
    s.ComputerFast = kRidiculous;
    s.SortDice = true;
    frmMain& w = Build(s);
    w.table().SeatGame({{"Hal", true, style::Simple}, {"Ann", false, 1}}, 5000, 500);
    w.flags().Quitting = true;  // the computer's own steps stay out of this
    QApplication::processEvents();
    PaintedDice painted(*w.gameTray());
    ScriptRoll(*dice, {6, 5, 4, 3, 2, 2}, false);
    w.table().cmdRoll_Click();  // what a computer's roll step does
    EXPECT_TRUE(painted.paints.empty()) << "painted inside the step";
    QApplication::processEvents();
    EXPECT_TRUE(painted.UpToDate());
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(painted.paints[i], 1) << i;

    // A human's roll is animated: each frame is painted before its pause.
    w.flags().Quitting = false;
    StartTwoPlayerGame(w);
    ScriptRoll(*dice, {1, 5, 2, 3, 4, 4});
    int pauses = 0, stale = 0;
    w.pauseFor = [&](int) {
        ++pauses;
        stale += !painted.UpToDate();
    };
    w.table().cmdRoll_Click();
    EXPECT_EQ(pauses, 30);
    EXPECT_EQ(stale, 0);
}

TEST(Colours, TextColoursFromTheirStoredText) {
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("16777088")), 0xFFFF80u);
    EXPECT_EQ(ColourNumberFromText(QStringLiteral("&HFFFF")), 0xFFFFu);
    // Numbers that are no 24-bit colour take the default text colour.
    for (const char* text : {"-5", "&H1000000", "1e300"}) EXPECT_EQ(ColourNumberFromText(QLatin1String(text)), kDefaultTextColour) << text;
}

// The die boxes as a screen reader meets them: named for what they show,
// saying which dice score, pressed like a click. (That the status line tells
// its changes is checked through the real accessibility bus, in the desktop
// tests.)
TEST_F(MainWindow, DiceAreNamedDescribedAndPressedThroughTheScreenReader) {
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    const auto description = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    const auto press = [](QWidget* w) {
        QAccessibleInterface* die = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(die->actionInterface());
        EXPECT_EQ(die->role(), QAccessible::Button);
        die->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    frmMain& w = Build();
    StartTwoPlayerGame(w);
    w.pauseFor = [](int) {};
    GameTray& tray = *w.gameTray();
    EXPECT_EQ(name(tray.Picture1(3)), QStringLiteral("Die 4: empty"));

    ScriptRoll(*dice, {5, 3, 1, 3, 4, 6});
    w.table().cmdRoll_Click();
    EXPECT_EQ(tray.lblStatus->text(), QStringLiteral("Select Dice."));
    EXPECT_EQ(name(tray.Picture1(0)), QStringLiteral("Die 1: five"));
    EXPECT_EQ(name(tray.Picture1(2)), QStringLiteral("Die 3: one"));
    EXPECT_EQ(description(tray.Picture1(0)), QStringLiteral("scores"));
    EXPECT_EQ(description(tray.Picture1(1)), QString());

    // Pressed through the reader, the 1 goes to the tray.
    press(tray.Picture1(2));
    EXPECT_EQ(w.state().TurnScore, 100);
    EXPECT_EQ(name(tray.Picture1(10)), QStringLiteral("Set aside 1: one"));
    EXPECT_EQ(name(tray.Picture1(2)), QStringLiteral("Die 3: empty"));
    EXPECT_EQ(description(tray.Picture1(2)), QString());

    // Undo, pressed on the set-aside die, brings it back with its description.
    press(tray.Picture1(10));
    EXPECT_EQ(name(tray.Picture1(2)), QStringLiteral("Die 3: one"));
    EXPECT_EQ(description(tray.Picture1(2)), QStringLiteral("scores"));
    EXPECT_EQ(name(tray.Picture1(10)), QStringLiteral("Set aside 1: empty"));
}

// ---- picture buttons ------------------------------------------------------------

// Share of pixels for which `pick` holds.
template <typename Pick>
double Share(const QImage& image, Pick pick) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += pick(QColor(image.pixel(x, y)));
    return double(n) / (image.width() * image.height());
}

TEST(PictureButtons, DisabledPicturesAreGreyed) {
    // A live picture has its red pips and green arrow; a disabled one is grey.
    const auto coloured = [](const QColor& c) { return c.hsvSaturation() > 120; };
    for (auto paint : {PaintRollPicture, PaintPassDicePicture}) {
        ARButton b;
        b.setPicturePainter(paint);
        b.resize(105, 47);
        EXPECT_GT(Share(b.grab().toImage(), coloured), 0.01);
        b.setEnabled(false);
        EXPECT_LT(Share(b.grab().toImage(), coloured), 0.001);
    }
}

TEST(PictureButtons, CaptionTurnsToTheHoverColourOnlyWhileEnabled) {
    ARButton b(QStringLiteral("Exit"));
    b.setColours(Qt::black, QColor(0xF0, 0xF0, 0xF0));
    b.setHoverColours(Qt::red, QColor(0xF0, 0xF0, 0xF0));
    b.resize(69, 25);
    const auto red = [&] {
        return Share(b.grab().toImage(), [](const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; });
    };
    EXPECT_EQ(red(), 0);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    EXPECT_GT(red(), 0);
    b.setEnabled(false);
    EXPECT_EQ(red(), 0);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}

}  // namespace
}  // namespace zarvel::test
