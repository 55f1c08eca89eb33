#include "ARButton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
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

ARButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& twips) {
    auto* b = new ARButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    Place(b, twips.x(), twips.y(), twips.width(), twips.height());
    SetZoomedFont(b, DialogFont());
    const QPalette pal = b->palette();
    b->setColours(pal.color(QPalette::ButtonText), pal.color(QPalette::Button));
    b->setHoverColours(QColor(Qt::red), pal.color(QPalette::Button));
    return b;
}

QLabel* MakeHeading(QWidget* parent, const QString& caption, int top) {
    auto* l = new QLabel(caption, parent);
    QFont f = DialogFont();
    f.setBold(true);
    SetZoomedFont(l, f);
    Place(l, 90, top, 1470, 240);
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
    return QSize(text.width() + Zoomed(16), text.height() + Zoomed(10));
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

    const QRect r = rect();
    p.fillRect(r, back);

    // A raised bevel, pressed in while the mouse button is down: two rims
    // of a line each at 100 %, as thick as the zoom makes a pixel.
    const int line = std::max(1, ZoomPercent() / 100);
    const QColor light = back.lighter(160), mid = back.darker(130), dark = back.darker(250);
    const QColor topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
    const auto rim = [&](const QRect& box, const QColor& upperLeft, const QColor& lowerRight) {
        p.fillRect(QRect(box.left(), box.top(), box.width() - line, line), upperLeft);
        p.fillRect(QRect(box.left(), box.top(), line, box.height() - line), upperLeft);
        p.fillRect(QRect(box.left(), box.bottom() + 1 - line, box.width(), line), lowerRight);
        p.fillRect(QRect(box.right() + 1 - line, box.top(), line, box.height()), lowerRight);
    };
    rim(r, topLeft, bottomRight);
    const QRect second = r.adjusted(line, line, -line, -line);
    p.fillRect(QRect(second.left(), second.bottom() + 1 - line, second.width(), line), sunken ? light : mid);
    p.fillRect(QRect(second.right() + 1 - line, second.top(), line, second.height()), sunken ? light : mid);

    const int inset = 3 * line;
    QRectF inner = QRectF(r).adjusted(inset, inset, -inset, -inset);
    if (sunken) inner.translate(line, line);
    if (hasFocus()) {  // where the keyboard is: a dotted ring inside the bevel
        p.save();
        p.setPen(QPen(caption, line, Qt::DotLine));
        p.drawRect(r.adjusted(inset, inset, -inset - line, -inset - line));
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
        p.drawText(inner.translated(line, line), flags, text());
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
    p.setPen(QPen(edge, 1.2 * ZoomFactor()));
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

QFont PictureFont(const QFont& base, qreal pixelSize) {
    QFont f = base;
    f.setFamily(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    f.setPixelSize(qMax(8, qRound(pixelSize)));
    return f;
}

// A word longer than the picture has room for (a translation) is set
// smaller, down to three fifths of its size, rather than cut off.
PictureCaption Fitted(PictureCaption c) {
    const int designed = c.font.pixelSize();
    while (c.font.pixelSize() > qMax(8, designed * 3 / 5)) {
        const QRectF need = QFontMetricsF(c.font).boundingRect(c.room, c.flags, c.text);
        if (need.width() <= c.room.width() && need.height() <= c.room.height()) break;
        c.font.setPixelSize(c.font.pixelSize() - 1);
    }
    return c;
}

void PaintCaption(QPainter& p, const PictureCaption& c, const QColor& caption, bool enabled) {
    p.setFont(c.font);
    if (!enabled) {
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(c.room.translated(ZoomFactor(), ZoomFactor()), c.flags, c.text);
        p.setPen(QColor(140, 140, 140));
    } else {
        p.setPen(caption);
    }
    p.drawText(c.room, c.flags, c.text);
}

// The first die of the roll picture.
QRectF RollDie(const QRectF& r) {
    const qreal z = ZoomFactor();
    const qreal side = r.height() * 0.78;
    return QRectF(r.left() + 6 * z, r.center().y() - side / 2 - z, side, side);
}

// The two dice of the pass picture and the arrow's ends.
struct PassParts {
    QRectF a, b;
    qreal x0, x1;
};
PassParts PassDiceParts(const QRectF& r) {
    const qreal z = ZoomFactor();
    const qreal side = r.height() * 0.42;
    PassParts parts;
    parts.a = QRectF(r.left() + 5 * z, r.top() + 3 * z, side, side);
    parts.b = QRectF(r.left() + 5 * z + side * 0.55, r.bottom() - side - 3 * z, side, side);
    parts.x0 = parts.b.right() + 3 * z;
    parts.x1 = parts.x0 + r.width() * 0.13;
    return parts;
}

}  // namespace

PictureCaption RollCaption(const QRectF& r, const QFont& base) {
    const qreal z = ZoomFactor();
    const QRectF die = RollDie(r);
    //: Drawn on the roll button beside a die: the verb, one short word.
    return Fitted({QRectF(die.right() + 4 * z, r.top(), r.right() - die.right() - 6 * z, r.height()),
                   PictureFont(base, r.height() * 0.42), QCoreApplication::translate("ARButton", "Roll"),
                   Qt::AlignCenter});
}

PictureCaption PassDiceCaption(const QRectF& r, const QFont& base) {
    const qreal z = ZoomFactor();
    const PassParts parts = PassDiceParts(r);
    //: Drawn on the pass button beside two dice and an arrow: two short lines.
    return Fitted({QRectF(parts.x1 + 5 * z, r.top(), r.right() - parts.x1 - 5 * z, r.height()),
                   PictureFont(base, r.height() * 0.34), QCoreApplication::translate("ARButton", "Pass\nDice"),
                   Qt::AlignCenter | Qt::TextWordWrap});
}

void PaintRollPicture(QPainter& p, const QRectF& r, const QColor& caption, bool enabled) {
    const QRectF die1 = RollDie(r);
    p.save();
    p.translate(die1.center());
    p.rotate(-12);
    p.translate(-die1.center());
    PaintDie(p, die1, 5, enabled);
    p.restore();
    PaintCaption(p, RollCaption(r, p.font()), caption, enabled);
}

void PaintPassDicePicture(QPainter& p, const QRectF& r, const QColor& caption, bool enabled) {
    const qreal z = ZoomFactor();
    const PassParts parts = PassDiceParts(r);
    PaintDie(p, parts.a, 3, enabled);
    PaintDie(p, parts.b, 2, enabled);

    // An arrow from the dice towards the caption: they go to the next player.
    const qreal y = r.center().y();
    const QColor arrow = enabled ? QColor(30, 110, 30) : QColor(150, 150, 150);
    p.setPen(QPen(arrow, 2.2 * z, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(parts.x0, y), QPointF(parts.x1, y));
    QPainterPath head;
    head.moveTo(parts.x1 + 4 * z, y);
    head.lineTo(parts.x1 - 1.5 * z, y - 4.5 * z);
    head.lineTo(parts.x1 - 1.5 * z, y + 4.5 * z);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    p.drawPath(head);

    PaintCaption(p, PassDiceCaption(r, p.font()), caption, enabled);
}

QRectF ARButton::pictureRect() const {
    const int inset = 3 * std::max(1, ZoomPercent() / 100);
    return QRectF(rect()).adjusted(inset, inset, -inset, -inset);
}

}  // namespace zarvel
