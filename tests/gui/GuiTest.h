// Helpers for the window tests: a private config and temporary folder, a
// main window built the way start-up builds it, and answers to the modal
// windows that the code under test opens.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "../appearance/TestEnv.h"
#include "Colors.h"
#include "GameTray.h"
#include "Program.h"
#include "SettingsFile.h"
#include "Startup.h"
#include "Twips.h"
#include "WindowZoom.h"
#include "frmMain.h"
#include "frmNewGame.h"

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zarvel::test {

// Runs fn every few milliseconds while alive, from the event loop, so also
// inside the modal windows that the code under test opens.
class Poll {
public:
    explicit Poll(std::function<void()> fn) {
        QObject::connect(&timer_, &QTimer::timeout, std::move(fn));
        timer_.start(2);
    }

private:
    QTimer timer_;
};

// Answers every modal window while alive: a message box gets `answer`
// (or its only button), any other dialog is rejected unless rejectDialogs
// is false. What it saw is kept.
class ModalAnswerer {
public:
    struct Seen {
        QString title, text;
        QMessageBox::StandardButtons buttons;
    };
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok, bool rejectDialogs = true)
        : answer_(answer), rejectDialogs_(rejectDialogs) {}
    void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    const QList<Seen>& seen() const { return seen_; }

private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog || modal == last_ || (!box && !rejectDialogs_)) return;
        last_ = modal;
        seen_.push_back({modal->windowTitle(), box ? box->text() : QString(), box ? box->standardButtons() : QMessageBox::NoButton});
        if (!box) return dialog->reject();
        QAbstractButton* b = box->button(answer_);
        if (!b && !box->buttons().isEmpty()) b = box->buttons().first();
        if (b) b->click();
    }

    QMessageBox::StandardButton answer_;
    bool rejectDialogs_;
    QPointer<QWidget> last_;
    QList<Seen> seen_;
    Poll poll_{[this] { Answer(); }};
};

class GuiTest : public TestEnv {
protected:
    void TearDown() override {
        // No game, so closing asks nothing.
        if (window) window->state().CurrentPlayer = kNone;
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        window.reset();
        QApplication::processEvents();
        SetZoomPercent(kMinZoom);  // the next test's windows at the design's size
    }

    // A window on these settings, shown, with the program's end replaced
    // by a count.
    frmMain& Build(const Settings& settings = Settings()) {
        auto random = std::make_unique<ScriptedRandom>(1);
        dice = random.get();
        window = std::make_unique<frmMain>(std::make_unique<SettingsFile>(DefaultSettingsPath()), settings,
                                           std::move(random));
        Hook(*window);
        window->ResetDice();
        window->show();
        ZoomAsAsked(*window);
        return *window;
    }
    // The tests that hold at every zoom run again at one ZARVEL_TEST_ZOOM
    // names (percent), the window zoomed as the View menu zooms it.
    static void ZoomAsAsked(frmMain& w) {
        if (const int percent = qEnvironmentVariableIntValue("ZARVEL_TEST_ZOOM"); percent > 0) w.zoom().ZoomTo(percent);
    }
    // A window as start-up leaves it: the carried files written, the stored
    // background (Satin at a first start) shown in the stored text colour,
    // but with dice the test chooses.
    frmMain& BuildStarted() {
        const QString temp = CarriedFilesFolder();
        ExtractAllResources(temp);
        SettingsFile file(DefaultSettingsPath());
        Settings s;
        ReadSettings(file, s, temp);
        QImage picture;
        const QString path = StartupBackground(file, temp, &picture);
        frmMain& w = Build(s);
        w.gameTray()->SetBackgroundPicture(picture, BackgroundVariants(path, temp));
        w.gameTray()->ColourLabels(ColourNumberFromText(QString::fromStdString(s.TextColor)));
        return w;
    }
    // The window as the program's start makes it; null if it made none.
    frmMain* StartProgram() {
        window = Main();
        if (window) {
            Hook(*window);
            ZoomAsAsked(*window);
        }
        return window.get();
    }
    void Hook(frmMain& w) {
        w.endProgram = [this] { ++programEnds; };
        w.endProgramNow = [this] { ++programEndsNow; };
    }

    // Opens the new game dialog from the menu and runs `act` on it while it
    // is shown; `act` ends it (OK or Cancel). Returns false if it never showed.
    template <typename Act>
    bool WithNewGame(frmMain& w, Act act) {
        bool ran = false;
        Poll poll([&] {
            auto* d = qobject_cast<frmNewGame*>(QApplication::activeModalWidget());
            if (!d || ran) return;
            ran = true;
            act(*d);
            if (d->isVisible()) d->cmdCancel->click();
        });
        w.mnuNewGame->trigger();
        return ran;
    }

    // Two human players, the first to roll, at the settings' target and break-in.
    void StartTwoPlayerGame(frmMain& w) {
        w.table().SeatGame({{"Ann", false, 1}, {"Bob", false, 1}}, w.settings().PlayToScore, w.settings().BreakInScore);
        w.ShowGameButtons(true);
    }

    // A key stroke: pressed and released on the widget, or only released,
    // as when the key went down in another window.
    static void Release(QWidget* w, int key, bool pressedHere = true, bool autoRepeat = false) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        if (pressedHere) QApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(w, &up);
    }

    // Lets the event loop run until cond holds or ms pass. The default is
    // long: a busy machine may be slow, and the wait ends as soon as the
    // state is reached.
    template <typename Cond>
    static bool WaitFor(Cond cond, int ms = 15000) {
        QElapsedTimer t;
        t.start();
        QTimer tick;  // wakes the loop to look at the condition again
        tick.start(5);
        while (!cond() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return cond();
    }
    static void Idle(int ms) { WaitFor([] { return false; }, ms); }

    std::unique_ptr<frmMain> window;
    ScriptedRandom* dice = nullptr;  // the window's dice: queue draws to choose them
    int programEnds = 0, programEndsNow = 0;
};

}  // namespace zarvel::test
