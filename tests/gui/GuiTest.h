// Helpers for the window tests: a private config and temporary folder, a
// main window built the way start-up builds it, and answers to the modal
// windows that the code under test opens.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "GameTray.h"
#include "SettingsFile.h"
#include "frmMain.h"

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zarvel::test {

// Runs fn every few milliseconds while alive, from the event loop, so also
// inside the modal windows that the code under test opens.
class Poll {
public:
    explicit Poll(std::function<void()> fn) {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, std::move(fn));
        timer_.start();
    }

private:
    QTimer timer_;
};

// Answers every modal window while alive: a message box gets `answer`
// (or its only button), any other dialog is rejected. What it saw is kept.
class ModalAnswerer {
public:
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool messageBox = false;
    };

    // With rejectDialogs false, only message boxes are answered.
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok, bool rejectDialogs = true)
        : answer_(answer), rejectDialogs_(rejectDialogs) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    const QList<Seen>& seen() const { return seen_; }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_) return;
        if (!rejectDialogs_ && !qobject_cast<QMessageBox*>(modal)) return;
        last_ = modal;
        Seen s;
        s.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            s.messageBox = true;
            s.text = box->text();
            s.icon = box->icon();
            s.buttons = box->standardButtons();
            seen_.push_back(s);
            QAbstractButton* b = box->button(answer_);
            if (!b && !box->buttons().isEmpty()) b = box->buttons().first();
            if (b) b->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && rejectDialogs_) {
            seen_.push_back(s);
            dialog->reject();
        }
    }

    QMessageBox::StandardButton answer_;
    bool rejectDialogs_;
    QTimer timer_;
    QPointer<QWidget> last_;
    QList<Seen> seen_;
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        savedTmp_ = qgetenv("TMPDIR");
        savedData_ = qgetenv("XDG_DATA_HOME");
        hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        hadTmp_ = qEnvironmentVariableIsSet("TMPDIR");
        hadData_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        configDir = root_.filePath(QStringLiteral("config"));
        tempDir = root_.filePath(QStringLiteral("tmp"));
        QDir().mkpath(configDir);
        QDir().mkpath(tempDir);
        qputenv("XDG_CONFIG_HOME", configDir.toUtf8());
        qputenv("TMPDIR", tempDir.toUtf8());
        // The player's own pictures are looked for here, never in a real home.
        qputenv("XDG_DATA_HOME", root_.filePath(QStringLiteral("data")).toUtf8());
    }
    void TearDown() override {
        // No game, so closing asks nothing.
        if (window) window->state().CurrentPlayer = kNone;
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        window.reset();
        QApplication::processEvents();
        if (hadConfig_) qputenv("XDG_CONFIG_HOME", savedConfig_); else qunsetenv("XDG_CONFIG_HOME");
        if (hadTmp_) qputenv("TMPDIR", savedTmp_); else qunsetenv("TMPDIR");
        if (hadData_) qputenv("XDG_DATA_HOME", savedData_); else qunsetenv("XDG_DATA_HOME");
    }

    // A window on default settings, shown, with the program's end replaced
    // by a count.
    frmMain& Build(const Settings& settings = Settings()) {
        auto random = std::make_unique<ScriptedRandom>(1);
        dice = random.get();
        window = std::make_unique<frmMain>(std::make_unique<SettingsFile>(DefaultSettingsPath()), settings,
                                           std::move(random));
        Hook(*window);
        window->ResetDice();
        window->show();
        return *window;
    }
    void Hook(frmMain& w) {
        w.endProgram = [this] { ++programEnds; };
        w.endProgramNow = [this] { ++programEndsNow; };
    }

    // Two human players, the first to roll.
    void StartTwoPlayerGame(frmMain& w) {
        GameState& g = w.state();
        g.NumPlayers = 2;
        g.PlayerName[0] = "Ann";
        g.PlayerName[1] = "Bob";
        w.table().StartGame();
        w.ShowGameButtons(true);
    }

    // A key stroke: pressed and released on the widget.
    static void Release(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool autoRepeat = false) {
        QKeyEvent down(QEvent::KeyPress, key, mods, QString(), autoRepeat);
        QApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, key, mods, QString(), autoRepeat);
        QApplication::sendEvent(w, &up);
    }
    // Only the release, as when the key went down in another window.
    static void ReleaseOnly(QWidget* w, int key) {
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString());
        QApplication::sendEvent(w, &up);
    }

    // Lets the event loop run until cond holds or ms pass. The default is
    // long: a busy machine may be slow, and the wait ends as soon as the
    // state is reached.
    template <typename Cond>
    static bool WaitFor(Cond cond, int ms = 15000) {
        QElapsedTimer t;
        t.start();
        // Sleeps between events rather than spinning: a tick wakes the loop
        // to look at the condition again.
        QTimer tick;
        tick.start(5);
        while (!cond() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return cond();
    }

    std::unique_ptr<frmMain> window;
    ScriptedRandom* dice = nullptr;  // the window's dice: queue draws to choose them
    QString configDir, tempDir;
    int programEnds = 0, programEndsNow = 0;

private:
    QTemporaryDir root_;
    QByteArray savedConfig_, savedTmp_, savedData_;
    bool hadConfig_ = false, hadTmp_ = false, hadData_ = false;
};

}  // namespace zarvel::test
