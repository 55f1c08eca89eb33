#include "PictureBox.h"

#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

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

void PictureBox::setPicture(const QPixmap& p) {
    picture_ = p;
    scaled_ = QPixmap();
    bitmapId_ = 0;
    update();
}

void PictureBox::setBitmap(int id) {
    picture_ = id > 0 ? LoadBitmap(id) : QPixmap();
    scaled_ = QPixmap();
    bitmapId_ = id > 0 ? id : 0;
    update();
}

void PictureBox::clearPicture() { setBitmap(0); }

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_.isValid()) p.fillRect(rect(), back_);
    if (picture_.isNull()) return;
    if (stretch_) {
        const qreal dpr = devicePixelRatioF();
        const QSize want = (QSizeF(size()) * dpr).toSize();
        if (scaled_.size() != want) {
            scaled_ = picture_.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaled_.setDevicePixelRatio(dpr);
        }
        p.drawPixmap(0, 0, scaled_);
        return;
    }
    const QSizeF size = picture_.deviceIndependentSize();
    const QPointF at((width() - size.width()) / 2.0, (height() - size.height()) / 2.0);
    p.drawPixmap(at.toPoint(), picture_);
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
