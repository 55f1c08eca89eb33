#include "WindowPlace.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "Twips.h"

namespace zarvel {

namespace {

QMargins KnownMargins(const QWidget* w) {
    if (!w || !w->isWindow()) return {};
    const QWindow* handle = w->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// Some window managers take a position given while a window is being mapped
// as the frame's, others as the client area's, and the frame's size is only
// known once it is drawn. This watch looks again every few milliseconds
// until the window has been framed, puts the frame where it was meant to
// be, and stops once it has seen it there; after that the window is the
// player's to move.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("FrameWatch"));
        timer_.setInterval(15);
        connect(&timer_, &QTimer::timeout, this, &FrameWatch::Check);
    }
    void Watch(QPoint target) {
        target_ = target;
        steady_ = 0;
        since_.start();
        timer_.start();
    }

private:
    void Check() {
        if (since_.elapsed() > kWatchMs) return timer_.stop();
        if (!window_->isVisible() || KnownMargins(window_).isNull()) {  // not framed yet
            steady_ = 0;
            return;
        }
        if (window_->frameGeometry().topLeft() != target_) {
            window_->move(target_);  // the frame is known now: this is exact
            steady_ = 0;
        } else if (++steady_ == 2) {  // seen in place twice: settled
            timer_.stop();
        }
    }

    static constexpr int kWatchMs = 3000;
    QWidget* window_;
    QPoint target_;
    QElapsedTimer since_;
    QTimer timer_;
    int steady_ = 0;
};

}  // namespace

QMargins FrameMargins(const QWidget* window, const QWidget* like) {
    const QMargins own = KnownMargins(window);
    return own.isNull() ? KnownMargins(like) : own;
}

QSize FrameSize(const QWidget* window, const QWidget* like) {
    return window->size().grownBy(FrameMargins(window, like));
}

void FitToScreen(QWidget* window, const QWidget* like) {
    const QScreen* screen = like ? like->screen() : window->screen();
    if (!screen) return;
    const QMargins m = FrameMargins(window, like);
    const QSize room = screen->availableGeometry().size().shrunkBy(m);
    RezoomToFit(window, room);
}

QPoint FrameTopLeft(const QWidget* window, const QWidget* like) {
    const QMargins m = FrameMargins(window, like);
    return window->geometry().topLeft() - QPoint(m.left(), m.top());
}

void MoveFrameTo(QWidget* window, QPoint topLeft, const QWidget* like) {
    const QMargins m = FrameMargins(window, like);
    // The client area's place, from the frame that is known or expected.
    window->setGeometry(QRect(topLeft + QPoint(m.left(), m.top()), window->size()));
    auto* watch = window->findChild<FrameWatch*>(QStringLiteral("FrameWatch"), Qt::FindDirectChildrenOnly);
    if (!watch) watch = new FrameWatch(window);
    watch->Watch(topLeft);
}

}  // namespace zarvel
