// A modal message over the game, as the X server shows it: it opens over a
// board that already shows where the game stands, and after it closes the
// event loop has a turn before the game pauses again (a pause handles no
// window events, so a board the message uncovered would wait through it).
#include <QAbstractEventDispatcher>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "DiceScript.h"
#include "GuiTest.h"

namespace zarvel::test {
namespace {

// Pixels where the screen shows something else than the widget draws there.
int Stale(QWidget* w, const QRect& global) {
    const QImage screen =
        w->screen()->grabWindow(0, global.x(), global.y(), global.width(), global.height()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = w->grab(QRect(w->mapFromGlobal(global.topLeft()), global.size())).toImage().convertToFormat(QImage::Format_RGB32);
    if (screen.size() != drawn.size()) return global.width() * global.height();
    int stale = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) stale += screen.pixel(x, y) != drawn.pixel(x, y);
    return stale;
}

// Runs a function when a window of type T is shown, before it is on the
// screen; installed before the window under test, it runs after the
// window's own filters.
template <typename T>
class OnShow : public QObject {
public:
    explicit OnShow(std::function<void(T*)> fn) : fn_(std::move(fn)) { qApp->installEventFilter(this); }
    ~OnShow() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && !e->spontaneous())
            if (auto* t = qobject_cast<T*>(o)) fn_(t);
        return false;
    }

private:
    std::function<void(T*)> fn_;
};

TEST_F(GuiTest, TheGoingOutMessageOpensOverTheBoardAsItIsAndLeavesNothingBehind) {
    int staleAtShow = -1;
    OnShow<QMessageBox> shown([&](QMessageBox*) {
        QWidget* client = window->centralWidget();
        staleAtShow = Stale(client, QRect(client->mapToGlobal(QPoint()), client->size()));
    });
    Settings s;
    s.ComputerFast = 0;  // the pass pauses before the computer plays, which pauses as it plays
    frmMain& w = Build(s);
    ASSERT_TRUE(WaitFor([&] { return w.windowHandle() && !w.windowHandle()->frameMargins().isNull(); }));
    w.pauseFor = [](int) {};
    w.table().SeatGame({{"Ann", false, 1}, {"Hal", true, 1}}, 5000, 500);
    w.ShowGameButtons(true);
    w.state().PlayerScore[0] = 4900;
    ScriptRoll(*dice, {1, 2, 3, 4, 6, 6});
    w.table().cmdRoll_Click();
    w.table().Picture1_Click(0);  // the 1 goes out, from a turn on the screen
    QWidget* client = w.centralWidget();
    const auto clientRect = [&] { return QRect(client->mapToGlobal(QPoint()), client->size()); };
    ASSERT_TRUE(WaitFor([&] { return Stale(client, clientRect()) == 0; }));

    int loopTurns = 0, turnsAtClose = -1, pauses = 0, pausesBeforeATurn = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [&] { ++loopTurns; });
    w.pauseFor = [&](int) {
        if (turnsAtClose < 0) return;
        ++pauses;
        pausesBeforeATurn += loopTurns == turnsAtClose;
        w.flags().Quitting = true;  // the rest of the game is not this test's
    };
    QRect message;
    Poll read([&] {
        if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            if (!qobject_cast<QMessageBox*>(other)) other->reject();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed() || box->windowHandle()->frameMargins().isNull())
            return;
        message = box->frameGeometry();
        turnsAtClose = loopTurns;
        box->button(QMessageBox::Ok)->click();
    });
    w.table().cmdPassDice_Click();
    ASSERT_TRUE(WaitFor([&] { return pauses > 0; })) << "no message, or no pause after it";
    EXPECT_EQ(staleAtShow, 0) << "the message opened over a board not painted since the pass";
    EXPECT_EQ(pausesBeforeATurn, 0) << "the game paused before the windows under the message could be painted";
    ASSERT_FALSE(message.intersected(clientRect()).isEmpty());
    EXPECT_TRUE(WaitFor([&] { return Stale(client, message & clientRect()) == 0; }));
}

}  // namespace
}  // namespace zarvel::test
