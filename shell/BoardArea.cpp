#include "BoardArea.h"

#include <QPainter>

#include "GameTray.h"
#include "PictureBox.h"

namespace zarvel {

BoardArea::BoardArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("client"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    board_ = new QWidget(this);
    board_->setObjectName(QStringLiteral("board"));
}

void BoardArea::setGameTray(GameTray* tray) {
    tray_ = tray;
    connect(tray, &GameTray::backgroundChanged, this, [this] { update(); });
}

void BoardArea::Centre() { board_->move((width() - board_->width()) / 2, (height() - board_->height()) / 2); }

void BoardArea::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Centre();
    emit resized();
}

void BoardArea::FitBoard() {
    if (!tray_) return;
    // The column's width and the tray's, each as the zoom rounds it, so the
    // tray's right edge stays where it was when the column comes and goes.
    board_->setFixedSize(tray_->geometry().right() + 1, tray_->height());
    Centre();
    updateGeometry();
}

void BoardArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The board's own back (under the tray column) is the window's.
    const QColor window = palette().color(QPalette::Window);
    p.fillRect(board_->geometry(), window);
    const QPixmap picture = tray_ ? tray_->Image1->picture() : QPixmap();
    p.setClipRegion(QRegion(rect()).subtracted(board_->geometry()));
    if (picture.isNull()) {
        p.fillRect(rect(), window);
        return;
    }
    // The picture over the whole area, blurred (made tiny, then large again)
    // and dimmed, so the board stands out as the board.
    const qreal dpr = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * dpr).toSize();
    if (spare_.size() != device || spareOf_ != picture.cacheKey()) {
        const QImage tiny = picture.toImage().scaled(24, 30, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QImage large = tiny.scaled(device, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        QImage soft = large.copy(QRect(QPoint((large.width() - device.width()) / 2, (large.height() - device.height()) / 2),
                                       device));
        QPainter dim(&soft);
        dim.fillRect(soft.rect(), QColor(0, 0, 0, 110));
        dim.end();
        spare_ = QPixmap::fromImage(soft);
        spare_.setDevicePixelRatio(dpr);
        spareOf_ = picture.cacheKey();
    }
    p.drawPixmap(0, 0, spare_);
}

}  // namespace zarvel
