// Where windows land on a desktop with a window manager: their outer
// frames, wherever the manager draws them, and also on their first showing,
// before the manager has framed them.
#include <QPushButton>
#include <QWindow>

#include "GuiTest.h"
#include "Twips.h"
#include "frmCongrats.h"
#include "frmNewGame.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

class Frames : public GuiTest {
protected:
    static bool Framed(const QWidget* w) {
        return w->isVisible() && w->windowHandle() && !w->windowHandle()->frameMargins().isNull();
    }
    // The main window, framed, away from the screen's edges.
    frmMain& FramedMain() {
        frmMain& w = Build();
        EXPECT_TRUE(WaitFor([&] { return Framed(&w); }, 15000));
        w.move(200, 200);
        EXPECT_TRUE(WaitFor([&] { return Framed(&w) && w.frameGeometry().topLeft() == QPoint(200, 200); }, 15000));
        return w;
    }
    // Waits for a modal window of type T whose frame stands at `where`
    // (given the main window's frame), then ends it with `end`. Returns
    // where the frame was last seen, relative to the main window's frame.
    template <typename T, typename Where, typename End>
    QPoint ModalFrame(frmMain& w, std::function<void()> open, Where where, End end) {
        QPoint seen(-9999, -9999);
        QElapsedTimer waited;
        Poll poll([&] {
            auto* t = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!t) return;
            if (!waited.isValid()) waited.start();
            const QRect main = w.frameGeometry();
            seen = t->frameGeometry().topLeft() - main.topLeft();
            if ((Framed(t) && seen == where(main, t->frameGeometry()) - main.topLeft()) || waited.elapsed() > 15000)
                end(*t);
        });
        open();
        return seen;
    }
};

TEST_F(Frames, TheNewGameDialogStandsBelowTheMainWindowsTopEveryTimeItIsBuilt) {
    frmMain& w = FramedMain();
    const QPoint offset(Px(500), Px(350));
    for (int showing = 0; showing < 2; ++showing) {  // the second after Cancel
        const QPoint seen = ModalFrame<frmNewGame>(
            w, [&] { w.mnuNewGame->trigger(); },
            [&](QRect main, QRect) { return main.topLeft() + offset; },
            [](frmNewGame& d) { d.cmdCancel->click(); });
        EXPECT_EQ(seen, offset) << "showing " << showing;
    }
}

TEST_F(Frames, ThePadAndTheWinnerStandAboveTheMainWindowsTop) {
    frmMain& w = FramedMain();
    w.pauseFor = [](int) {};
    Poll play([] {
        if (auto* d = qobject_cast<frmNewGame*>(QApplication::activeModalWidget())) d->cmdPlay->click();
    });
    w.mnuNewGame->trigger();
    frmScorePad& pad = w.scorePad();
    const auto padPlace = [&] {
        const QRect main = w.frameGeometry();
        return QPoint(main.right() + 1 + Px(175), main.top() - Px(350));
    };
    EXPECT_TRUE(WaitFor([&] { return Framed(&pad) && pad.frameGeometry().topLeft() == padPlace(); }, 15000))
        << (pad.frameGeometry().topLeft() - w.frameGeometry().topLeft()).y();

    for (int game = 0; game < 2; ++game) {  // a fresh window every time
        const QPoint seen = ModalFrame<frmCongrats>(
            w, [&] { w.ShowWinner(); },
            [](QRect main, QRect self) {
                return QPoint(main.left() + (main.width() - self.width()) / 2, main.top() - Px(350));
            },
            [](frmCongrats& c) { c.cmdOK->click(); });
        EXPECT_EQ(seen.y(), -Px(350)) << "game " << game;
    }
}

}  // namespace
}  // namespace zarvel::test
