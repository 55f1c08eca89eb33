#include "PictureBox.h"

#include <cmath>

#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include "Twips.h"

namespace zarvel {

QPixmap LoadBitmap(int id) {
    static QHash<int, QPixmap> cache;
    const auto it = cache.constFind(id);
    if (it != cache.constEnd()) return *it;
    QImageReader reader(QStringLiteral(":/bitmap/%1.bmp").arg(id));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    QPixmap pixmap = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    cache.insert(id, pixmap);
    return pixmap;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setBackColor(const QColor& c) {
    if (back_ == c) return;
    back_ = c;
    update();
}

void PictureBox::clearBackColor() { setBackColor(QColor()); }

void PictureBox::setPicture(const QPixmap& p, const QString& variants) {
    picture_ = p;
    variants_ = p.isNull() ? QString() : variants;
    scaled_ = QPixmap();
    scaledFor_ = QSize();
    bitmapId_ = 0;
    update();
}

void PictureBox::setBitmap(int id) {
    setPicture(id > 0 ? LoadBitmap(id) : QPixmap(), QStringLiteral(":/bitmap/%1@%2x.png").arg(id));
    bitmapId_ = id > 0 ? id : 0;
}

QSize PictureBox::shownSize() const {
    if (picture_.isNull()) return {};
    // A picture that is not stretched is shown at its own size at the zoom.
    return stretch_ ? size() : QSize(Zoomed(picture_.width()), Zoomed(picture_.height()));
}

QPixmap PictureBox::shownPicture() const {
    const qreal dpr = devicePixelRatioF();
    const QSize want = shownSize();
    if (scaledFor_ != want || scaled_.devicePixelRatio() != dpr) {
        scaled_ = PictureAtSize(picture_, variants_, want, dpr);
        scaledFor_ = want;
    }
    return scaled_;
}

void PictureBox::clearPicture() { setBitmap(0); }

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureBox::setFrameColor(const QColor& c) {
    if (frame_ == c) return;
    frame_ = c;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_.isValid()) p.fillRect(rect(), back_);
    paintPicture(p);
    if (!frame_.isValid()) return;
    // A light band inside a dark line: seen on every skin and tray colour.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 4));
    p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 4, 4);
    p.setPen(QPen(frame_, 2));
    p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 4, 4);
}

void PictureBox::paintPicture(QPainter& p) {
    if (picture_.isNull()) return;
    // Made once per size, zoom and screen, from the smallest drawn variant
    // at least as large, so it is drawn pixel for pixel.
    const QPixmap shown = shownPicture();
    if (stretch_) {
        p.drawPixmap(0, 0, shown);
        return;
    }
    // Centred on whole device pixels, so that it stays sharp.
    const qreal dpr = devicePixelRatioF();
    const QSizeF size = shown.deviceIndependentSize();
    const auto snap = [dpr](qreal v) { return std::round(v * dpr) / dpr; };
    p.drawPixmap(QPointF(snap((width() - size.width()) / 2.0), snap((height() - size.height()) / 2.0)), shown);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click) emit clicked();
}

}  // namespace zarvel
