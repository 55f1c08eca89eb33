#include "pictures.h"

#include "paint_util.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace resgen {

QImage congratsPicture(int scale) {
    const int w = 283, h = 300;
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    QPainter p;
    beginAtScale(p, img, scale);
    // A deep blue stage with golden rays behind the cup.
    QRadialGradient stage(QPointF(w / 2.0, h * 0.42), h * 0.8);
    stage.setColorAt(0, QColor(70, 60, 150));
    stage.setColorAt(1, QColor(14, 12, 50));
    p.fillRect(QRect(0, 0, w, h), stage);
    const QPointF centre(w / 2.0, h * 0.40);
    for (int i = 0; i < 24; ++i) {
        const double a0 = 2 * M_PI * i / 24, a1 = a0 + M_PI / 24;
        QPainterPath ray;
        ray.moveTo(centre);
        ray.lineTo(centre + QPointF(400 * std::cos(a0), 400 * std::sin(a0)));
        ray.lineTo(centre + QPointF(400 * std::cos(a1), 400 * std::sin(a1)));
        ray.closeSubpath();
        QRadialGradient g(centre, 260);
        g.setColorAt(0, QColor(255, 220, 120, 110));
        g.setColorAt(1, QColor(255, 220, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(ray);
    }
    // Laurel branches around the cup.
    for (int side : {-1, 1}) {
        for (int k = 0; k < 9; ++k) {
            const double a = qDegreesToRadians(110.0 + k * 17.0);
            const QPointF at(centre.x() + side * 108 * std::cos(a) * -1, centre.y() + 20 + 100 * std::sin(a) * -1);
            p.save();
            p.translate(at);
            p.rotate(side * (k * 17.0 + 20));
            p.setBrush(QColor(60, 150, 70));
            p.setPen(QPen(QColor(20, 80, 30), 0.8));
            p.drawEllipse(QPointF(0, 0), 6, 14);
            p.restore();
        }
    }
    // The cup.
    const QLinearGradient goldAcross = [&] {
        QLinearGradient g(QPointF(w / 2.0 - 60, 0), QPointF(w / 2.0 + 60, 0));
        g.setColorAt(0, QColor(150, 96, 14));
        g.setColorAt(0.3, QColor(255, 230, 120));
        g.setColorAt(0.45, QColor(255, 250, 210));
        g.setColorAt(0.7, QColor(222, 160, 30));
        g.setColorAt(1, QColor(120, 74, 8));
        return g;
    }();
    const double cx = w / 2.0;
    p.setPen(QPen(QColor(255, 210, 60), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 86, 70, 50, 60), 60 * 16, 220 * 16);
    p.drawArc(QRectF(cx + 36, 70, 50, 60), -100 * 16, 220 * 16);
    p.setPen(QPen(QColor(140, 90, 10), 1.5));
    p.setBrush(goldAcross);
    QPainterPath bowl;
    bowl.moveTo(cx - 60, 58);
    bowl.lineTo(cx + 60, 58);
    bowl.cubicTo(cx + 62, 120, cx + 36, 150, cx + 10, 160);
    bowl.lineTo(cx - 10, 160);
    bowl.cubicTo(cx - 36, 150, cx - 62, 120, cx - 60, 58);
    p.drawPath(bowl);
    p.drawEllipse(QPointF(cx, 58), 60, 9);
    p.setBrush(QColor(120, 70, 10));
    p.drawEllipse(QPointF(cx, 58), 54, 6);
    p.setBrush(goldAcross);
    p.drawRect(QRectF(cx - 7, 160, 14, 30));
    p.drawEllipse(QPointF(cx, 170), 14, 6);
    QPainterPath foot;
    foot.moveTo(cx - 12, 190);
    foot.lineTo(cx + 12, 190);
    foot.lineTo(cx + 34, 204);
    foot.lineTo(cx - 34, 204);
    foot.closeSubpath();
    p.drawPath(foot);
    // Plinth with a blank plaque.
    QLinearGradient wood(0, 204, 0, 236);
    wood.setColorAt(0, QColor(110, 50, 26));
    wood.setColorAt(1, QColor(58, 24, 12));
    p.setBrush(wood);
    p.setPen(QPen(QColor(40, 16, 8), 1));
    p.drawRect(QRectF(cx - 48, 204, 96, 32));
    p.setBrush(goldAcross);
    p.drawRoundedRect(QRectF(cx - 30, 211, 60, 18), 3, 3);
    // A star on the cup.
    p.setPen(QPen(QColor(160, 100, 10), 1));
    p.setBrush(QColor(255, 246, 200));
    p.drawPath(starPath(QPointF(cx, 102), 18, 7.5));
    // Two dice in front of the plinth.
    drawIsoDie(p, QPointF(cx - 86, 214), 34, QColor(214, 30, 36), Qt::white, 5, 6, 4);
    drawIsoDie(p, QPointF(cx + 86, 220), 30, QColor(246, 244, 236), QColor(20, 20, 24), 6, 1, 5);
    // Confetti and sparkles.
    Rng rng(333);
    for (int i = 0; i < 80; ++i) {
        const QPointF at(rng.range(0, w), rng.range(0, h));
        if (QRectF(cx - 70, 40, 140, 200).contains(at)) continue;
        p.save();
        p.translate(at);
        p.rotate(rng.range(0, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(int(rng.range(0, 360)), 200, 255));
        p.drawRect(QRectF(-3, -1.3, 6, 2.6));
        p.restore();
    }
    for (int i = 0; i < 10; ++i) {
        const QPointF at(rng.range(10, w - 10), rng.range(10, h * 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 220, 220));
        p.drawPath(starPath(at, rng.range(4, 7), 1.4));
    }
    return img;
}

QImage aboutDiePicture(int which, int scale) {
    QImage img(48 * scale, 48 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p;
    beginAtScale(p, img, scale);
    if (which == 1) {
        drawIsoDie(p, QPointF(17, 5), 15, QColor(210, 30, 36), Qt::white, 3, 5, 6);
        drawIsoDie(p, QPointF(31, 17), 15, QColor(40, 80, 210), Qt::white, 4, 2, 1);
    } else {
        drawIsoDie(p, QPointF(24, 3), 21, QColor(246, 244, 236), QColor(20, 20, 24), 5, 3, 2);
    }
    return img;
}

QImage applicationIcon() {
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient shadow(QPointF(128, 222), 110);
    shadow.setColorAt(0, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QPointF(128, 222), 118, 26);
    drawIsoDie(p, QPointF(88, 30), 78, QColor(246, 244, 236), QColor(24, 24, 30), 5, 3, 2);
    drawIsoDie(p, QPointF(168, 78), 74, QColor(212, 28, 36), Qt::white, 1, 6, 4);
    return img;
}

}  // namespace resgen
