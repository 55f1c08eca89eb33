// The windows at the View menu's zooms: every control where the 100 % one
// stands times the factor, every caption within its control, the dice drawn
// rather than enlarged, the window and the board following each other, and
// the zoom kept in the settings file.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>

#include "ARButton.h"
#include "BoardArea.h"
#include "DiceScript.h"
#include "Fit.h"
#include "GuiTest.h"
#include "OptionsTray.h"
#include "PictureBox.h"
#include "SettingKeys.h"
#include "Table.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "Twips.h"
#include "Variants.h"
#include "WindowZoom.h"
#include "frmAbout.h"
#include "frmCongrats.h"
#include "frmCredits.h"
#include "frmCustomizeSounds.h"
#include "frmHelp.h"
#include "frmNewGame.h"
#include "frmScorePad.h"
#include "WindowPlace.h"

namespace zarvel::test {
namespace {

struct Spot {
    const QWidget* control;
    QString what;
    QRect at;  // in the window
};

// In the order the controls were made; for a window seen again at another
// zoom, by control (raising a control moves it in that order).
std::vector<Spot> Places(QWidget* root, bool seenAgain = true) {
    std::vector<Spot> spots;
    for (QWidget* w : Controls(root))
        spots.push_back({w, QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName(),
                         QRect(w->mapTo(root, QPoint(0, 0)), w->size())});
    if (seenAgain) std::sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.control < b.control; });
    return spots;
}

// Each place and size at the zoom is the 100 % one times the factor, within a pixel.
void ExpectScaled(const std::vector<Spot>& at100, const std::vector<Spot>& zoomed, int percent, const char* where) {
    SCOPED_TRACE(std::string(where) + " at " + std::to_string(percent) + " %");
    ASSERT_EQ(at100.size(), zoomed.size());
    ASSERT_GE(at100.size(), 3u);
    const double f = percent / 100.0;
    for (std::size_t i = 0; i < at100.size(); ++i) {
        const QRect a = at100[i].at, z = zoomed[i].at;
        ASSERT_EQ(at100[i].what, zoomed[i].what);
        const std::string what = at100[i].what.toStdString();
        EXPECT_NEAR(z.x(), a.x() * f, 1.0) << what;
        EXPECT_NEAR(z.y(), a.y() * f, 1.0) << what;
        EXPECT_NEAR(z.width(), a.width() * f, 1.0) << what;
        EXPECT_NEAR(z.height(), a.height() * f, 1.0) << what;
    }
}

class Zoom : public GuiTest {
protected:
    // A game of eight, with the score pad showing them.
    frmMain& EightPlayers() {
        frmMain& w = Build();
        w.pauseFor = [](int) {};
        std::vector<Seat> seats;
        for (int i = 0; i < frmScorePad::kRows; ++i) seats.push_back({"Player" + std::to_string(i + 1), i == 7, 1});
        w.table().SeatGame(seats, 10000, 1000);
        w.ShowGameButtons(true);
        frmScorePad& pad = w.scorePad();
        pad.showRebuilt();
        pad.placeBeside(&w);
        for (int i = 0; i < frmScorePad::kRows; ++i) pad.setScore(i, QStringLiteral("10000"));
        return w;
    }
    // The windows built afresh for each showing, at today's zoom.
    struct Fresh {
        std::unique_ptr<frmCongrats> winner;
        std::unique_ptr<frmCustomizeSounds> sounds;
        std::unique_ptr<frmAbout> about;
        frmCredits* credits;  // deletes itself once closed
    };
    Fresh BuildFresh(frmMain& w) {
        Fresh f;
        f.winner = std::make_unique<frmCongrats>(w, &w);
        f.winner->lblWinner->setText(frmCongrats::WinnerText(QStringLiteral("Player8")));
        f.sounds = std::make_unique<frmCustomizeSounds>(w.settings(), w.settingsFile(), [](const QString&) {}, &w);
        f.about = std::make_unique<frmAbout>(w, &w);
        f.credits = new frmCredits(QStringLiteral("Ann"), QStringLiteral("Bob"), &w);
        return f;
    }
    static void Close(Fresh& f) {
        f.credits->close();
        f.winner.reset();
        f.sounds.reset();
        f.about.reset();
    }
    QWidget* Board(frmMain& w) { return w.boardArea()->board(); }
};

TEST_F(Zoom, EveryControlAt150And250PercentIsThe100PercentOneTimesTheFactor) {
    frmMain& w = EightPlayers();
    frmNewGame dialog(w, &w);  // kept, as after OK, so the zoom reaches it hidden
    dialog.optNumPlayers[7]->click();
    w.trays()->optionsTray();  // both trays built, whether open or not
    w.trays()->themeTray();
    const auto board = [&] {
        std::vector<std::vector<Spot>> states{Places(Board(w))};
        w.cmdOptions_Click();
        states.push_back(Places(Board(w)));
        w.trays()->optionsTray()->ARCmdCancelOptions->click();
        w.cmdSkins_Click();
        states.push_back(Places(Board(w)));
        w.trays()->themeTray()->ARCmdCancelTheme->click();
        return states;
    };
    const auto fresh = [&] {
        Fresh f = BuildFresh(w);
        std::vector<std::vector<Spot>> places{Places(f.winner.get(), false), Places(f.sounds.get(), false),
                                              Places(f.about.get(), false), Places(f.credits, false)};
        Close(f);
        return places;
    };
    const auto boardAt100 = board();
    const auto padAt100 = Places(&w.scorePad());
    const auto dialogAt100 = Places(&dialog);
    const auto freshAt100 = fresh();
    const QSize areaAt100 = w.boardArea()->size(), padSize = w.scorePad().size(), dialogSize = dialog.size();
    for (int percent : {150, 250}) {
        w.zoom().ZoomTo(percent);
        ASSERT_EQ(ZoomPercent(), percent);
        const double f = percent / 100.0;
        // The window holds the board exactly; the pad and the dialog follow.
        EXPECT_EQ(w.boardArea()->size(), Board(w)->size());
        for (const auto& [zoomed, at100] : {std::pair{w.boardArea()->size(), areaAt100}, {w.scorePad().size(), padSize},
                                            {dialog.size(), dialogSize}}) {
            EXPECT_NEAR(zoomed.width(), at100.width() * f, 1.0);
            EXPECT_NEAR(zoomed.height(), at100.height() * f, 1.0);
        }
        const auto boardZoomed = board();
        ExpectScaled(boardAt100[0], boardZoomed[0], percent, "the game tray");
        ExpectScaled(boardAt100[1], boardZoomed[1], percent, "the options tray open");
        ExpectScaled(boardAt100[2], boardZoomed[2], percent, "the theme tray open");
        ExpectScaled(padAt100, Places(&w.scorePad()), percent, "the score pad");
        ExpectScaled(dialogAt100, Places(&dialog), percent, "the new game dialog");
        const auto freshZoomed = fresh();
        const char* names[] = {"the winner window", "the sound dialog", "the about box", "the credits"};
        for (std::size_t i = 0; i < freshZoomed.size(); ++i) ExpectScaled(freshAt100[i], freshZoomed[i], percent, names[i]);
    }
    // And back: the 100 % places exactly.
    w.zoom().ZoomTo(100);
    EXPECT_EQ(board()[0].size(), boardAt100[0].size());
    for (std::size_t i = 0; i < boardAt100[0].size(); ++i) EXPECT_EQ(board()[0][i].at, boardAt100[0][i].at);
}

// Every window the game opens, at each step (the languages walk the same
// windows in i18n_fit_test.cpp).
TEST_F(Zoom, NoCaptionIsWiderThanItsControlAtAnyStep) {
    frmMain& w = Build();  // which also sets up its dice
    LookAtEveryWindow(w, *dice, [](QWidget* root, const QString& window) { ExpectCaptionsFit(root, window); });
}

// The face of a die at 250 %, as the window shows it, matches the face drawn
// at a larger size and brought down to it, and not the carried bitmap
// enlarged (blurred or blocky). Under QT_SCALE_FACTOR=2 it is shown at five
// times its carried pixels, from the variant drawn at six.
TEST_F(Zoom, ADieAt250PercentIsDrawnNotEnlarged) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    StartTwoPlayerGame(w);
    w.zoom().ZoomTo(250);
    ScriptRoll(*dice, {5, 3, 1, 3, 4, 6});
    w.table().cmdRoll_Click();
    PictureBox* box = w.gameTray()->Picture1(0);
    ASSERT_EQ(box->bitmapId(), kSkins[0].code + 5);
    const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = shot.devicePixelRatio();
    const QImage onex = QImage(QStringLiteral(":/bitmap/%1.bmp").arg(box->bitmapId())).convertToFormat(QImage::Format_RGB32);
    const QImage largest = QImage(QStringLiteral(":/bitmap/%1@%2x.png").arg(box->bitmapId()).arg(kArtScales.back()))
                               .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(onex.isNull() || largest.isNull());
    // The face is 2.5 times its carried size, in whole pixels, on the screen.
    const QSize face = QSize(qRound(onex.width() * 2.5), qRound(onex.height() * 2.5)) * dpr;
    const QImage drawn = largest.scaled(face, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blurred = onex.scaled(face, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blocky = onex.scaled(face, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Mean difference per channel of the face where it lies best in the shot.
    const auto difference = [&](const QImage& face) {
        double best = 1e9;
        const QPoint centre((shot.width() - face.width()) / 2, (shot.height() - face.height()) / 2);
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                double sum = 0;
                for (int y = 0; y < face.height(); ++y)
                    for (int x = 0; x < face.width(); ++x) {
                        const QPoint at = centre + QPoint(dx + x, dy + y);
                        const QRgb a = face.pixel(x, y), b = shot.valid(at) ? shot.pixel(at) : 0;
                        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                    }
                best = std::min(best, sum / (3.0 * face.width() * face.height()));
            }
        return best;
    };
    const double fromDrawn = difference(drawn), fromBlurred = difference(blurred), fromBlocky = difference(blocky);
    RecordProperty("fromDrawn", std::to_string(fromDrawn));
    RecordProperty("fromEnlarged", std::to_string(std::min(fromBlurred, fromBlocky)));
    EXPECT_LT(fromDrawn, 4.0);
    EXPECT_GT(fromBlurred, 2 * fromDrawn + 4);
    EXPECT_GT(fromBlocky, 2 * fromDrawn + 4);
}

TEST_F(Zoom, NothingIsShownEnlargedPastItsDrawnSize) {
    // Whatever the zoom and screen, the variant drawn is at least as large
    // as shown, or (past the largest drawn) at most 1.25 times smaller.
    for (int step = 100; step <= 750; ++step) {
        const double scale = step / 100.0;
        EXPECT_GE(VariantScale(scale) * kMaxEnlargement, scale) << scale;
        if (scale <= kArtScales.back()) {
            EXPECT_GE(VariantScale(scale), scale) << scale;
        }
    }
    // And the window zooms no further than that on its screen.
    frmMain& w = Build();
    EXPECT_LE(w.zoom().MaxPercent() / 100.0 * w.devicePixelRatioF(), kArtScales.back() * kMaxEnlargement);
    EXPECT_GE(w.zoom().MaxPercent(), kZoomSteps.back() * (w.devicePixelRatioF() <= 2 ? 1 : 0));
    w.zoom().ZoomTo(kMaxZoom + 100);
    EXPECT_EQ(ZoomPercent(), w.zoom().MaxPercent());
}

TEST_F(Zoom, TheKeysAndTheViewMenuStepTheZoomAndFitToScreenLeavesRoomForATray) {
    frmMain& w = Build();
    QApplication::setActiveWindow(&w);
    ASSERT_EQ(ZoomPercent(), 100);
    const auto key = [&](int k) { QTest::keyClick(&w, Qt::Key(k), Qt::ControlModifier); };
    key(Qt::Key_Plus);
    EXPECT_EQ(ZoomPercent(), 150);
    key(Qt::Key_Equal);  // the plus key without Shift
    EXPECT_EQ(ZoomPercent(), 200);
    key(Qt::Key_Minus);
    EXPECT_EQ(ZoomPercent(), 150);
    w.zoom().mnuZoom[4]->trigger();
    EXPECT_EQ(ZoomPercent(), 300);
    EXPECT_TRUE(w.zoom().mnuZoom[4]->isChecked() && !w.zoom().mnuZoom[0]->isChecked());
    key(Qt::Key_Plus);  // past the last step: nothing
    EXPECT_EQ(ZoomPercent(), 300);
    key(Qt::Key_0);
    EXPECT_EQ(ZoomPercent(), 100);
    key(Qt::Key_Minus);
    EXPECT_EQ(ZoomPercent(), 100);
    EXPECT_FALSE(w.zoom().mnuZoomOut->isEnabled());
    // The game's keys still go to the game after a zoom step.
    StartTwoPlayerGame(w);
    Release(&w, Qt::Key_R);
    EXPECT_NE(w.state().Dice[0], kNone);

    // Fit to Screen: the window, with a tray open, fits the screen; a
    // percent more would not.
    w.zoom().mnuFitToScreen->trigger();
    const int fitted = ZoomPercent();
    EXPECT_GT(fitted, 100);
    w.cmdOptions_Click();
    const QRect avail = w.screen()->availableGeometry();
    EXPECT_TRUE(avail.contains(w.frameGeometry())) << w.frameGeometry().width() << "x" << w.frameGeometry().height();
    const QSize more = w.zoom().BoardSizeAt(fitted + 1);
    EXPECT_TRUE(more.width() + w.frameGeometry().width() - w.boardArea()->width() > avail.width() ||
                more.height() + w.frameGeometry().height() - w.boardArea()->height() > avail.height());
    w.trays()->optionsTray()->ARCmdCancelOptions->click();
}

// The winner window, taller than the screen at the game's zoom, opens
// smaller, with its OK button on the screen; where it fits, it opens at the
// game's zoom.
TEST_F(Zoom, AWindowTallerThanTheScreenOpensAtAZoomThatFitsIt) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    const QRect avail = w.screen()->availableGeometry();
    for (const int percent : {100, 300}) {
        SCOPED_TRACE(percent);
        w.zoom().ZoomTo(percent);
        frmCongrats winner(w, &w);
        for (QDialog* d : std::initializer_list<QDialog*>{&winner}) {
            const QSize designed = d->size();
            QTimer::singleShot(0, d, [d] { d->reject(); });
            d->exec();
            const QSize framed = d->size().grownBy(FrameMargins(d, &w));
            EXPECT_LE(framed.height(), avail.height()) << d->metaObject()->className();
            EXPECT_LE(framed.width(), avail.width()) << d->metaObject()->className();
            if (designed.grownBy(FrameMargins(d, &w)).height() <= avail.height())
                EXPECT_EQ(d->size(), designed) << d->metaObject()->className();
            else
                // No smaller than it must be: one zoom step (5 % of its size
                // at 100 %, a 60th of it at 300 %) more would not fit.
                EXPECT_TRUE(framed.height() + designed.height() / 60 + 1 > avail.height() ||
                            framed.width() + designed.width() / 60 + 1 > avail.width())
                    << d->metaObject()->className() << " " << framed.width() << "x" << framed.height();
        }
        EXPECT_EQ(ZoomPercent(), percent);  // the game's zoom stays as chosen
    }
}

// Resized or maximised, the window keeps its size and the board fills as
// much of it as its proportions allow, centred; the spare space shows the
// background. A resize the player made is remembered, a maximised window's
// zoom is not.
TEST_F(Zoom, TheBoardFollowsTheWindowCentredAndTheZoomIsRemembered) {
    frmMain& w = BuildStarted();  // with the first start's picture
    BoardArea& area = *w.boardArea();
    const QSize at100 = area.board()->size();
    w.resize(w.width() + 300, w.height() + 100);
    ASSERT_TRUE(WaitFor([&] { return area.width() == at100.width() + 300; }));
    // Held by the height: the largest zoom at which the board fits.
    const QSize board = area.board()->size();
    EXPECT_LE(board.height(), area.height());
    EXPECT_GT(w.zoom().BoardSizeAt(ZoomPercent() + 1).height(), area.height());
    EXPECT_NEAR(double(board.width()) / board.height(), double(at100.width()) / at100.height(), 0.01);
    EXPECT_EQ(area.board()->x(), (area.width() - board.width()) / 2);
    EXPECT_EQ(area.board()->y(), (area.height() - board.height()) / 2);
    // The spare space at the sides is the background, not the window's grey.
    const QImage shot = area.grab().toImage();
    const QColor grey = area.palette().color(QPalette::Window);
    EXPECT_NE(shot.pixelColor(2, shot.height() / 2), grey);
    // Written once the resize has settled.
    const int resized = ZoomPercent();
    EXPECT_GT(resized, 100);
    ASSERT_TRUE(WaitFor([&] { return SettingsFile(DefaultSettingsPath()).Read(QStringLiteral("Zoom")).toInt() == resized; }));

    // Maximised: the zoom the screen allows; restored: as before.
    w.showMaximized();
    ASSERT_TRUE(WaitFor([&] { return ZoomPercent() > resized; }));
    w.showNormal();
    ASSERT_TRUE(WaitFor([&] { return ZoomPercent() == resized; }));
    // A maximised window's zoom is not kept, even when the game ends maximised.
    w.showMaximized();
    ASSERT_TRUE(WaitFor([&] { return ZoomPercent() > resized; }));
    window.reset();
    EXPECT_EQ(SettingsFile(DefaultSettingsPath()).Read(QStringLiteral("Zoom")).toInt(), resized);

    // A window opened later opens at it (it fits this screen).
    SetZoomPercent(100);
    frmMain* again = StartProgram();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(ZoomPercent(), resized);
    EXPECT_EQ(again->boardArea()->size(), again->zoom().BoardSizeAt(resized));
}

TEST_F(Zoom, AStoredZoomIsReadAndABadOrMissingOneTakesTheFirstStartRule) {
    const auto stored = [&](const QString& text) {
        QString file = QStringLiteral("[Info]\nSortDice=-1\n");
        if (!text.isNull()) file += QStringLiteral("Zoom=") + text + u'\n';
        Put(DefaultSettingsPath(), file.toUtf8());
        Settings s;
        ReadSettings(SettingsFile(DefaultSettingsPath()), s, QStringLiteral("/tmp/"));
        EXPECT_TRUE(s.SortDice);  // the file stays valid around the new key
        return s.Zoom;
    };
    EXPECT_EQ(stored(QStringLiteral("150")), 150);
    EXPECT_EQ(stored(QStringLiteral("173")), 173);  // a window the player resized
    EXPECT_EQ(stored(QStringLiteral("750")), 750);
    for (const char* bad : {"", "0", "99", "751", "-150", "abc", "1e9", "99999"})
        EXPECT_EQ(stored(QLatin1String(bad)), kZoomNotChosen) << bad;
    EXPECT_EQ(stored(QString()), kZoomNotChosen);

    // Without a stored zoom the window starts by the first start's rule and
    // writes nothing until the player zooms.
    frmMain* w = StartProgram();
    ASSERT_NE(w, nullptr);
    EXPECT_NE(std::find(kZoomSteps.begin(), kZoomSteps.end(), ZoomPercent()), kZoomSteps.end());
    EXPECT_EQ(SettingsFile(DefaultSettingsPath()).Keys(), (QStringList{"SortDice", "Background"}));
}

// The largest step at which the main window (menu bar and frame about 51
// pixels at 100 %) and the pad of eight players (frame 32), standing 23
// pixels above it at 100 %, fit in two thirds of the screen's height.
TEST(FirstStart, TheLargestStepThatFitsTwoThirdsOfTheScreen) {
    EXPECT_EQ(WindowZoom::FirstStartPercent(600, 51, 32), 100);
    EXPECT_EQ(WindowZoom::FirstStartPercent(768, 51, 32), 100);
    EXPECT_EQ(WindowZoom::FirstStartPercent(1040, 51, 32), 150);  // 1920 x 1080 with a panel
    EXPECT_EQ(WindowZoom::FirstStartPercent(1080, 51, 32), 150);
    EXPECT_EQ(WindowZoom::FirstStartPercent(1440, 51, 32), 250);
    EXPECT_EQ(WindowZoom::FirstStartPercent(2160, 51, 32), 300);
    EXPECT_EQ(WindowZoom::FirstStartPercent(4320, 51, 32), 300);  // no step past the last
}

// On a screen of its own size (run with the offscreen platform's screen
// configured, see CMakeLists.txt): the first start's window and the pad of
// eight, placed beside it, take no more than two thirds of the height.
TEST_F(Zoom, AtTheFirstStartTheWindowAndThePadFitTwoThirdsOfTheScreen) {
    frmMain& w = EightPlayers();
    const QRect avail = w.screen()->availableGeometry();
    const QRect main = w.frameGeometry(), pad = w.scorePad().frameGeometry();
    const int top = std::min(main.top(), pad.top()), bottom = std::max(main.bottom(), pad.bottom());
    EXPECT_LE((bottom - top + 1) * 3, avail.height() * 2) << ZoomPercent() << " % on " << avail.height();
    RecordProperty("zoom", ZoomPercent());
}

// The tray rules, the keyboard and the screen reader at a zoom between the
// steps (a window the player resized); the steps themselves run the tray,
// keyboard, screen reader and test mode tests again (AtZoom150, AtZoom250).
TEST_F(Zoom, BetweenTheStepsTheTraysKeepTheRightEdgeAndTheDiceAreWhereTheReaderSaysTheyAre) {
    frmMain& w = Build();
    w.pauseFor = [](int) {};
    w.resize(w.width() + 200, w.height() + 250);
    ASSERT_TRUE(WaitFor([&] { return ZoomPercent() > 100; }));
    const int percent = ZoomPercent();
    w.zoom().ZoomTo(percent);  // the window holds the board exactly again
    StartTwoPlayerGame(w);
    const QRect before = w.frameGeometry();
    w.cmdSkins_Click();
    EXPECT_EQ(ZoomPercent(), percent);
    EXPECT_EQ(w.frameGeometry().right(), before.right());
    EXPECT_EQ(w.frameGeometry().width(), before.width() + w.trays()->column()->width());
    Release(&w, Qt::Key_R);
    EXPECT_EQ(w.state().Dice[0], kNone);  // the game waits
    w.trays()->themeTray()->ARCmdCancelTheme->click();
    EXPECT_EQ(w.frameGeometry(), before);

    ScriptRoll(*dice, {5, 3, 1, 3, 4, 6});
    Release(&w, Qt::Key_R);
    for (int index : {0, 5}) {
        PictureBox* box = w.gameTray()->Picture1(index);
        QAccessibleInterface* die = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(die->rect(), QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
        EXPECT_EQ(die->rect().size(), TwipRect(0, 0, 495, 615).size());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.gameTray()->Picture1(0))->text(QAccessible::Name),
              QStringLiteral("Die 1: five"));
    Release(&w, Qt::Key_1);
    EXPECT_EQ(w.state().TurnScore, 100);
}

TEST_F(Zoom, TheCreditsClimbAsFastForTheEyeAndTheHelpTextGrows) {
    frmMain& w = Build();
    frmHelp help;
    const int text100 = help.browser()->font().pixelSize();
    w.zoom().ZoomTo(250);
    EXPECT_EQ(help.browser()->font().pixelSize(), text100 * 250 / 100);
    auto* c = new frmCredits(QString(), QString(), &w);
    c->show();
    ASSERT_TRUE(WaitFor([&] { return c->textHeight() > 0; }));
    c->timer()->stop();  // the steps are counted here
    const int area = c->picScroll->height();
    for (int k = 0; k < 100; ++k) c->Step();
    EXPECT_EQ(c->textRect().top(), area - 250);
    c->close();
}

}  // namespace
}  // namespace zarvel::test
