#include "ARButton.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "Colors.h"
#include "Fonts.h"
#include "Twips.h"

#include <QLabel>

namespace zarvel {

ARButton::ARButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    const QPalette pal = palette();
    caption_ = pal.color(QPalette::ButtonText);
    back_ = pal.color(QPalette::Button);
    hoverCaption_ = caption_;
    hoverBack_ = back_;
}

ARButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& where) {
    auto* b = new ARButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(where);
    b->setFont(DialogFont());
    const QPalette pal = b->palette();
    b->setColours(pal.color(QPalette::ButtonText), pal.color(QPalette::Button));
    b->setHoverColours(QColor(Qt::red), pal.color(QPalette::Button));
    return b;
}

QLabel* MakeHeading(QWidget* parent, const QString& caption, int top) {
    auto* l = new QLabel(caption, parent);
    QFont f = DialogFont();
    f.setBold(true);
    l->setFont(f);
    l->setGeometry(TwipRect(90, top, 1470, 240));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, FromColourNumber(kHeadingColour));
    l->setPalette(p);
    return l;
}

void ARButton::setColours(const QColor& caption, const QColor& back) {
    caption_ = caption;
    back_ = back;
    update();
}

void ARButton::setHoverColours(const QColor& caption, const QColor& back) {
    hoverCaption_ = caption;
    hoverBack_ = back;
    update();
}

void ARButton::setPicturePainter(PicturePainter painter) {
    picture_ = std::move(painter);
    update();
}

QSize ARButton::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return QSize(text.width() + 16, text.height() + 10);
}

void ARButton::enterEvent(QEnterEvent* e) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void ARButton::leaveEvent(QEvent* e) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void ARButton::keyPressEvent(QKeyEvent* e) {
    // Return and Enter press a focused button, as Space does.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void ARButton::changeEvent(QEvent* e) {
    // A button hidden or disabled under the pointer must not stay red.
    if (e->type() == QEvent::EnabledChange && !isEnabled()) hovered_ = false;
    QAbstractButton::changeEvent(e);
}

void ARButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const bool live = isEnabled();
    const bool hover = live && hovered_;
    const QColor back = hover ? hoverBack_ : back_;
    const QColor caption = hover ? hoverCaption_ : caption_;
    const bool sunken = isDown();

    QRect r = rect();
    p.fillRect(r, back);

    // A raised bevel, pressed in while the mouse button is down.
    const QColor light = back.lighter(160), mid = back.darker(130), dark = back.darker(250);
    const QColor topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(sunken ? light : mid);
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() - QPoint(1, 1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() - QPoint(1, 1));

    QRectF inner = QRectF(r).adjusted(3, 3, -3, -3);
    if (sunken) inner.translate(1, 1);
    if (hasFocus()) {  // where the keyboard is: a dotted ring inside the bevel
        p.save();
        p.setPen(QPen(caption, 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
        p.restore();
    }

    if (picture_) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        picture_(p, inner, caption, live);
        p.restore();
        return;
    }

    p.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (live) {
        p.setPen(caption);
        p.drawText(inner, flags, text());
    } else {
        // Etched, as disabled captions are drawn.
        p.setPen(light);
        p.drawText(inner.translated(1, 1), flags, text());
        p.setPen(back.darker(170));
        p.drawText(inner, flags, text());
    }
}

namespace {

// One die face with pips; greyed when the picture is not live.
void PaintDie(QPainter& p, const QRectF& r, int face, bool enabled) {
    const QColor body = enabled ? QColor(252, 252, 246) : QColor(214, 214, 214);
    const QColor edge = enabled ? QColor(60, 60, 60) : QColor(150, 150, 150);
    const QColor pip = enabled ? QColor(180, 20, 20) : QColor(160, 160, 160);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(r, r.width() * 0.18, r.height() * 0.18);

    const qreal d = r.width() * 0.19;
    auto at = [&](qreal fx, qreal fy) {
        return QPointF(r.left() + r.width() * fx, r.top() + r.height() * fy);
    };
    static const QPointF kPips[7][6] = {
        {},
        {{0.5, 0.5}},
        {{0.27, 0.27}, {0.73, 0.73}},
        {{0.27, 0.27}, {0.5, 0.5}, {0.73, 0.73}},
        {{0.27, 0.27}, {0.73, 0.27}, {0.27, 0.73}, {0.73, 0.73}},
        {{0.27, 0.27}, {0.73, 0.27}, {0.5, 0.5}, {0.27, 0.73}, {0.73, 0.73}},
        {{0.27, 0.25}, {0.73, 0.25}, {0.27, 0.5}, {0.73, 0.5}, {0.27, 0.75}, {0.73, 0.75}},
    };
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    for (int k = 0; k < face; ++k) p.drawEllipse(at(kPips[face][k].x(), kPips[face][k].y()), d / 2, d / 2);
}

QFont PictureFont(const QPainter& p, qreal pixelSize) {
    QFont f = p.font();
    f.setFamily(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    f.setPixelSize(qMax(8, qRound(pixelSize)));
    return f;
}

void PaintCaption(QPainter& p, const QRectF& r, const QString& text, const QColor& caption, bool enabled) {
    p.setFont(PictureFont(p, r.height() * 0.42));
    if (!enabled) {
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(r.translated(1, 1), Qt::AlignCenter, text);
        p.setPen(QColor(140, 140, 140));
    } else {
        p.setPen(caption);
    }
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

void PaintRollPicture(QPainter& p, const QRectF& r, const QColor& caption, bool enabled) {
    const qreal side = r.height() * 0.78;
    const QRectF die1(r.left() + 6, r.center().y() - side / 2 - 1, side, side);
    p.save();
    p.translate(die1.center());
    p.rotate(-12);
    p.translate(-die1.center());
    PaintDie(p, die1, 5, enabled);
    p.restore();
    const QRectF text(die1.right() + 4, r.top(), r.right() - die1.right() - 6, r.height());
    PaintCaption(p, text, QStringLiteral("Roll"), caption, enabled);
}

void PaintPassDicePicture(QPainter& p, const QRectF& r, const QColor& caption, bool enabled) {
    const qreal side = r.height() * 0.42;
    const QRectF a(r.left() + 5, r.top() + 3, side, side);
    const QRectF b(r.left() + 5 + side * 0.55, r.bottom() - side - 3, side, side);
    PaintDie(p, a, 3, enabled);
    PaintDie(p, b, 2, enabled);

    // An arrow from the dice towards the caption: they go to the next player.
    const qreal y = r.center().y();
    const qreal x0 = b.right() + 3, x1 = x0 + r.width() * 0.13;
    const QColor arrow = enabled ? QColor(30, 110, 30) : QColor(150, 150, 150);
    p.setPen(QPen(arrow, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    QPainterPath head;
    head.moveTo(x1 + 4, y);
    head.lineTo(x1 - 1.5, y - 4.5);
    head.lineTo(x1 - 1.5, y + 4.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    p.drawPath(head);

    const QRectF text(x1 + 5, r.top(), r.right() - x1 - 5, r.height());
    QFont f = PictureFont(p, r.height() * 0.34);
    p.setFont(f);
    if (!enabled) {
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(text.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Pass\nDice"));
        p.setPen(QColor(140, 140, 140));
    } else {
        p.setPen(caption);
    }
    p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Pass\nDice"));
}

}  // namespace zarvel
