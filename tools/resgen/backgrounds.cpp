#include "pictures.h"

#include "paint_util.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace resgen {
namespace {

constexpr int W = kBackgroundWidth;
constexpr int H = kBackgroundHeight;

QImage blank(const QColor& c = Qt::black) {
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

void verticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// Darkens the picture toward its edges so light text stays readable all over.
void vignette(QPainter& p, double strength) {
    QRadialGradient g(QPointF(W / 2.0, H / 2.0), H * 0.75);
    g.setColorAt(0.45, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, int(255 * strength)));
    p.fillRect(QRect(0, 0, W, H), g);
}

QPainterPath leafPath(bool maple) {
    QPainterPath p;
    if (!maple) {
        p.moveTo(0, -1);
        p.cubicTo(0.6, -0.6, 0.6, 0.5, 0, 1);
        p.cubicTo(-0.6, 0.5, -0.6, -0.6, 0, -1);
        return p;
    }
    // A five-lobed maple leaf in the unit circle.
    const double angles[] = {-90, -40, 10, 170, 220};
    for (int i = 0; i <= 10; ++i) {
        const int lobe = i / 2 % 5;
        const double a = qDegreesToRadians(i % 2 == 0 ? angles[lobe] : angles[lobe] + (lobe == 2 ? 80 : 25));
        const double r = i % 2 == 0 ? 1.0 : 0.42;
        const QPointF pt(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QImage autumn() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(86, 40, 18), QColor(48, 22, 10));
    Rng rng(201);
    const QColor colours[] = {{196, 58, 24}, {222, 118, 28}, {232, 170, 44}, {150, 42, 20}, {168, 96, 36}, {120, 70, 24}};
    for (int i = 0; i < 70; ++i) {
        const bool maple = rng.uniform() < 0.6;
        const QPointF at(rng.range(-10, W + 10), rng.range(-10, H + 10));
        const double size = rng.range(9, 22), turn = rng.range(0, 360);
        QColor c = colours[rng.next() % 6];
        c = mix(c, QColor(60, 30, 12), 0.35 * (1 - i / 70.0));  // leaves underneath are in shade
        p.save();
        p.translate(at);
        p.rotate(turn);
        p.scale(size, size);
        QRadialGradient g(QPointF(-0.3, -0.3), 1.3);
        g.setColorAt(0, c.lighter(125));
        g.setColorAt(1, c.darker(135));
        p.setPen(QPen(c.darker(170), 0.05));
        p.setBrush(g);
        p.drawPath(leafPath(maple));
        p.setPen(QPen(c.darker(160), 0.06));
        p.drawLine(QPointF(0, 1.45), QPointF(0, -0.8));
        p.restore();
    }
    vignette(p, 0.45);
    return img;
}

QImage blondeChick() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(206, 232, 250), QColor(236, 246, 226));
    // Grass at the bottom.
    Rng rng(202);
    p.setBrush(QColor(140, 196, 96));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(-60, H - 70, W + 120, 140));
    for (int i = 0; i < 120; ++i) {
        const double x = rng.range(0, W), h = rng.range(8, 20);
        p.setPen(QPen(QColor(90, int(rng.range(140, 180)), 60), 1.4));
        p.drawLine(QPointF(x, H), QPointF(x + rng.range(-4, 4), H - 40 - h + rng.range(0, 30)));
    }
    const QPointF body(W * 0.5, H * 0.66), head(W * 0.56, H * 0.44);
    auto fluffy = [&](QPointF c, double r) {
        QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.35), r * 1.4);
        g.setColorAt(0, QColor(255, 246, 150));
        g.setColorAt(0.6, QColor(252, 214, 60));
        g.setColorAt(1, QColor(222, 164, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        QPainterPath fuzz;
        for (int i = 0; i <= 48; ++i) {
            const double a = 2 * M_PI * i / 48, rr = r * (1 + 0.035 * std::sin(i * 7.3));
            const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
            i == 0 ? fuzz.moveTo(pt) : fuzz.lineTo(pt);
        }
        p.drawPath(fuzz);
    };
    // Legs and feet.
    p.setPen(QPen(QColor(232, 130, 30), 4, Qt::SolidLine, Qt::RoundCap));
    for (double dx : {-22.0, 18.0}) {
        const QPointF hip(body.x() + dx, body.y() + 58);
        p.drawLine(hip, hip + QPointF(0, 24));
        p.drawLine(hip + QPointF(0, 24), hip + QPointF(-9, 30));
        p.drawLine(hip + QPointF(0, 24), hip + QPointF(9, 30));
        p.drawLine(hip + QPointF(0, 24), hip + QPointF(0, 32));
    }
    fluffy(body, 66);
    fluffy(head, 46);
    // Wing.
    QPainterPath wing;
    wing.moveTo(body + QPointF(-48, -6));
    wing.cubicTo(body + QPointF(-70, 20), body + QPointF(-46, 52), body + QPointF(-10, 40));
    wing.cubicTo(body + QPointF(-26, 28), body + QPointF(-30, 6), body + QPointF(-48, -6));
    p.setBrush(QColor(236, 182, 36));
    p.drawPath(wing);
    // Eye with a glint, rosy cheek, beak.
    p.setBrush(QColor(30, 24, 20));
    p.drawEllipse(head + QPointF(10, -8), 7, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(head + QPointF(12.5, -11), 2.4, 2.4);
    p.setBrush(QColor(250, 150, 120, 150));
    p.drawEllipse(head + QPointF(2, 12), 8, 5);
    QPainterPath beak;
    beak.moveTo(head + QPointF(30, -4));
    beak.lineTo(head + QPointF(54, 3));
    beak.lineTo(head + QPointF(30, 12));
    beak.closeSubpath();
    p.setBrush(QColor(244, 128, 24));
    p.setPen(QPen(QColor(190, 90, 10), 1));
    p.drawPath(beak);
    p.drawLine(head + QPointF(31, 4), head + QPointF(50, 3.5));
    // Tuft of hair on top: the blonde.
    p.setPen(QPen(QColor(250, 214, 70), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = -1; i <= 1; ++i) {
        QPainterPath tuft;
        tuft.moveTo(head + QPointF(i * 5, -44));
        tuft.cubicTo(head + QPointF(i * 8, -60), head + QPointF(i * 14 + 6, -62), head + QPointF(i * 16 + 10, -54));
        p.drawPath(tuft);
    }
    // A couple of flowers in the grass.
    for (int i = 0; i < 6; ++i) {
        const QPointF c(rng.range(10, W - 10), rng.range(H - 40, H - 10));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int k = 0; k < 5; ++k) p.drawEllipse(c + QPointF(4 * std::cos(k * 1.2566), 4 * std::sin(k * 1.2566)), 2.6, 2.6);
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(c, 2, 2);
    }
    return img;
}

QImage blueprints() {
    QImage img = blank(QColor(116, 164, 222));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Paper texture, then fine and coarse grid lines.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = fractalNoise(x / 20.0, y / 20.0, 203, 3) - 0.5;
            img.setPixel(x, y, mix(QColor(116, 164, 222), QColor(92, 140, 206), 0.5 + n).rgb());
        }
    for (int x = 0; x <= W; x += 8) {
        p.setPen(QPen(QColor(255, 255, 255, x % 40 == 0 ? 90 : 40), x % 40 == 0 ? 1.0 : 0.6));
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, H));
    }
    for (int y = 0; y <= H; y += 8) {
        p.setPen(QPen(QColor(255, 255, 255, y % 40 == 0 ? 90 : 40), y % 40 == 0 ? 1.0 : 0.6));
        p.drawLine(QPointF(0, y + 0.5), QPointF(W, y + 0.5));
    }
    const QPen line(QColor(255, 255, 255, 230), 1.4);
    const QPen thin(QColor(255, 255, 255, 170), 0.8);
    const QPen dashed(QColor(255, 255, 255, 160), 0.8, Qt::DashLine);
    // A die in plan and in isometric view, with centre lines and dimensions.
    p.setBrush(Qt::NoBrush);
    p.setPen(line);
    const QRectF plan(30, 40, 90, 90);
    p.drawRoundedRect(plan, 10, 10);
    for (const QPointF& pt : pipLayout(5)) p.drawEllipse(QPointF(plan.left() + 22 + 46 * pt.x(), plan.top() + 22 + 46 * pt.y()), 7, 7);
    p.setPen(dashed);
    p.drawLine(QPointF(plan.center().x(), plan.top() - 12), QPointF(plan.center().x(), plan.bottom() + 12));
    p.drawLine(QPointF(plan.left() - 12, plan.center().y()), QPointF(plan.right() + 12, plan.center().y()));
    auto dimension = [&](QPointF a, QPointF b, QPointF offset) {
        p.setPen(thin);
        p.drawLine(a, a + offset * 1.2);
        p.drawLine(b, b + offset * 1.2);
        const QPointF a2 = a + offset, b2 = b + offset;
        p.drawLine(a2, b2);
        const QPointF d = (b2 - a2) / std::hypot(b2.x() - a2.x(), b2.y() - a2.y());
        const QPointF n(-d.y(), d.x());
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawPolygon(QPolygonF({a2, a2 + d * 7 + n * 2.5, a2 + d * 7 - n * 2.5}));
        p.drawPolygon(QPolygonF({b2, b2 - d * 7 + n * 2.5, b2 - d * 7 - n * 2.5}));
        p.setBrush(Qt::NoBrush);
        // Tick marks instead of lettering.
        const QPointF mid = (a2 + b2) / 2;
        for (int k = -1; k <= 1; ++k) p.drawLine(mid + d * (k * 3.0) - n * 2, mid + d * (k * 3.0) - n * 6);
    };
    dimension(plan.bottomLeft(), plan.bottomRight(), QPointF(0, 16));
    dimension(plan.topRight(), plan.bottomRight(), QPointF(16, 0));
    // Isometric cube.
    const QPointF top(178, 150);
    const double e = 56, cx = e * std::cos(qDegreesToRadians(30.0)), cy = e / 2;
    const QPointF l(top.x() - cx, top.y() + cy), r(top.x() + cx, top.y() + cy), c(top.x(), top.y() + 2 * cy);
    p.setPen(line);
    p.drawPolygon(QPolygonF({top, r, c, l}));
    p.drawLine(l, l + QPointF(0, e));
    p.drawLine(c, c + QPointF(0, e));
    p.drawLine(r, r + QPointF(0, e));
    p.drawLine(l + QPointF(0, e), c + QPointF(0, e));
    p.drawLine(c + QPointF(0, e), r + QPointF(0, e));
    p.setPen(dashed);
    p.drawLine(l + QPointF(0, e), top + QPointF(0, e));
    p.drawLine(r + QPointF(0, e), top + QPointF(0, e));
    p.drawLine(top, top + QPointF(0, e));
    // A gear with its pitch circle.
    const QPointF g(78, 240);
    QPainterPath gear;
    for (int i = 0; i <= 48; ++i) {
        const double a = 2 * M_PI * i / 48;
        const double rr = (i / 2) % 2 == 0 ? 44 : 36;
        const QPointF pt(g.x() + rr * std::cos(a), g.y() + rr * std::sin(a));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    p.setPen(line);
    p.drawPath(gear);
    p.drawEllipse(g, 12, 12);
    p.setPen(dashed);
    p.drawEllipse(g, 40, 40);
    p.drawLine(g + QPointF(-54, 0), g + QPointF(54, 0));
    p.drawLine(g + QPointF(0, -54), g + QPointF(0, 54));
    // Title block in the corner.
    p.setPen(line);
    const QRectF block(150, 262, 96, 48);
    p.drawRect(block);
    p.setPen(thin);
    p.drawLine(QPointF(block.left(), block.top() + 16), QPointF(block.right(), block.top() + 16));
    p.drawLine(QPointF(block.left() + 40, block.top() + 16), QPointF(block.left() + 40, block.bottom()));
    for (int k = 0; k < 3; ++k) p.drawLine(QPointF(block.left() + 46, block.top() + 24 + 8 * k), QPointF(block.right() - 8 - 10 * k, block.top() + 24 + 8 * k));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.drawRect(QRectF(4.5, 4.5, W - 9, H - 9));
    return img;
}

QImage babySeal() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Polar twilight above, dark sea, ice floes below.
    verticalGradient(p, QRectF(0, 0, W, H * 0.55), QColor(14, 30, 70), QColor(60, 96, 150));
    verticalGradient(p, QRectF(0, H * 0.55, W, H * 0.45), QColor(18, 44, 80), QColor(8, 24, 48));
    Rng rng(204);
    for (int i = 0; i < 40; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, int(rng.range(80, 220))));
        p.drawEllipse(QPointF(rng.range(0, W), rng.range(0, H * 0.4)), 0.9, 0.9);
    }
    // Distant icebergs.
    p.setBrush(QColor(170, 200, 228));
    p.drawPolygon(QPolygonF({QPointF(-10, H * 0.56), QPointF(30, H * 0.44), QPointF(60, H * 0.47), QPointF(96, H * 0.56)}));
    p.setBrush(QColor(150, 182, 216));
    p.drawPolygon(QPolygonF({QPointF(170, H * 0.56), QPointF(205, H * 0.46), QPointF(226, H * 0.5), QPointF(270, H * 0.56)}));
    // The floe the seal lies on.
    QPainterPath floe;
    floe.moveTo(-10, H * 0.70);
    floe.cubicTo(60, H * 0.64, 190, H * 0.66, W + 10, H * 0.71);
    floe.lineTo(W + 10, H + 10);
    floe.lineTo(-10, H + 10);
    floe.closeSubpath();
    QLinearGradient ice(0, H * 0.64, 0, H);
    ice.setColorAt(0, QColor(236, 246, 255));
    ice.setColorAt(1, QColor(168, 204, 234));
    p.setBrush(ice);
    p.drawPath(floe);
    p.setPen(QPen(QColor(130, 170, 210), 1.2));
    for (int i = 0; i < 8; ++i) {
        const double y = rng.range(H * 0.76, H - 8), x = rng.range(0, W - 40);
        p.drawLine(QPointF(x, y), QPointF(x + rng.range(20, 60), y + rng.range(-4, 4)));
    }
    // The pup: a plump white body with soft grey shading, dark eyes and nose.
    const QPointF c(W * 0.5, H * 0.73);
    QPainterPath seal;
    seal.moveTo(c + QPointF(-92, 20));
    seal.cubicTo(c + QPointF(-96, -10), c + QPointF(-40, -32), c + QPointF(10, -30));
    seal.cubicTo(c + QPointF(50, -58), c + QPointF(96, -40), c + QPointF(92, -6));
    seal.cubicTo(c + QPointF(90, 20), c + QPointF(60, 28), c + QPointF(20, 28));
    seal.lineTo(c + QPointF(-70, 28));
    seal.cubicTo(c + QPointF(-86, 40), c + QPointF(-112, 34), c + QPointF(-110, 24));
    seal.cubicTo(c + QPointF(-104, 18), c + QPointF(-96, 22), c + QPointF(-92, 20));
    seal.closeSubpath();
    QRadialGradient fur(c + QPointF(20, -30), 120);
    fur.setColorAt(0, QColor(255, 255, 255));
    fur.setColorAt(0.6, QColor(240, 244, 250));
    fur.setColorAt(1, QColor(196, 208, 224));
    p.setPen(QPen(QColor(170, 184, 204), 1.2));
    p.setBrush(fur);
    p.drawPath(seal);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 100, 130, 60));
    p.drawEllipse(c + QPointF(0, 30), 80, 5);  // shadow on the ice
    p.setBrush(QColor(214, 222, 236));
    QPainterPath flipper;
    flipper.moveTo(c + QPointF(6, 10));
    flipper.cubicTo(c + QPointF(0, 30), c + QPointF(24, 34), c + QPointF(30, 24));
    flipper.closeSubpath();
    p.drawPath(flipper);
    p.setBrush(QColor(20, 20, 28));
    p.drawEllipse(c + QPointF(48, -26), 6.5, 7.5);
    p.drawEllipse(c + QPointF(74, -24), 6.0, 7.0);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(50, -29), 2, 2);
    p.drawEllipse(c + QPointF(76, -27), 1.8, 1.8);
    p.setBrush(QColor(40, 30, 34));
    p.drawEllipse(c + QPointF(66, -10), 5, 3.5);
    p.setPen(QPen(QColor(120, 120, 130), 0.7));
    for (int k = -1; k <= 1; ++k) {
        p.drawLine(c + QPointF(58, -7 + k * 2.5), c + QPointF(40, -5 + k * 5));
        p.drawLine(c + QPointF(74, -7 + k * 2.5), c + QPointF(92, -5 + k * 5));
    }
    return img;
}

void firTree(QPainter& p, QPointF base, double height, const QColor& c) {
    const double w = height * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 26, 16));
    p.drawRect(QRectF(base.x() - w * 0.06, base.y() - height * 0.1, w * 0.12, height * 0.12));
    for (int tier = 0; tier < 4; ++tier) {
        const double top = base.y() - height + tier * height * 0.2;
        const double bottom = top + height * 0.38;
        const double half = w * (0.35 + 0.2 * tier);
        QPainterPath t;
        t.moveTo(base.x(), top);
        t.quadTo(base.x() + half * 0.4, bottom - height * 0.1, base.x() + half, bottom);
        t.quadTo(base.x(), bottom - height * 0.05, base.x() - half, bottom);
        t.quadTo(base.x() - half * 0.4, bottom - height * 0.1, base.x(), top);
        QLinearGradient g(base.x() - half, 0, base.x() + half, 0);
        g.setColorAt(0, c.lighter(120));
        g.setColorAt(1, c.darker(130));
        p.setBrush(g);
        p.drawPath(t);
    }
}

QImage evergreen() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(20, 34, 44), QColor(46, 66, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 236, 210, 200));
    p.drawEllipse(QPointF(200, 44), 16, 16);
    Rng rng(205);
    // Rows of trees, the far ones paler and smaller.
    for (int row = 0; row < 5; ++row) {
        const double y = 110 + row * 50, height = 60 + row * 26;
        const QColor c = mix(QColor(52, 80, 70), QColor(14, 58, 26), row / 4.0);
        for (double x = rng.range(-20, 10); x < W + 30; x += height * rng.range(0.32, 0.48))
            firTree(p, QPointF(x, y + rng.range(-6, 6)), height * rng.range(0.85, 1.1), c);
    }
    p.setBrush(QColor(10, 30, 14));
    p.drawRect(QRectF(0, H - 20, W, 20));
    vignette(p, 0.35);
    return img;
}

QImage nautical() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H * 0.5), QColor(12, 24, 64), QColor(40, 70, 120));
    verticalGradient(p, QRectF(0, H * 0.5, W, H * 0.5), QColor(14, 50, 96), QColor(4, 18, 44));
    p.setPen(Qt::NoPen);
    QRadialGradient moon(QPointF(56, 60), 30);
    moon.setColorAt(0, QColor(250, 246, 220));
    moon.setColorAt(0.5, QColor(240, 232, 190));
    moon.setColorAt(0.55, QColor(240, 232, 190, 60));
    moon.setColorAt(1, QColor(240, 232, 190, 0));
    p.setBrush(moon);
    p.drawEllipse(QPointF(56, 60), 30, 30);
    // Moonlight on the water.
    Rng rng(206);
    for (int i = 0; i < 30; ++i) {
        const double y = H * 0.5 + 4 + i * 5.5;
        const double w = rng.range(6, 20) * (1 + i * 0.05);
        p.setBrush(QColor(240, 232, 190, int(110 - i * 3)));
        p.drawRoundedRect(QRectF(56 - w / 2 + rng.range(-8, 8), y, w, 1.6), 1, 1);
    }
    // The sailboat.
    const QPointF hull(170, H * 0.53);
    QPainterPath boat;
    boat.moveTo(hull + QPointF(-42, -8));
    boat.lineTo(hull + QPointF(44, -8));
    boat.lineTo(hull + QPointF(30, 8));
    boat.lineTo(hull + QPointF(-30, 8));
    boat.closeSubpath();
    p.setBrush(QColor(120, 34, 30));
    p.drawPath(boat);
    p.setPen(QPen(QColor(60, 40, 30), 2));
    p.drawLine(hull + QPointF(0, -8), hull + QPointF(0, -110));
    p.setPen(Qt::NoPen);
    QPainterPath main;
    main.moveTo(hull + QPointF(3, -106));
    main.quadTo(hull + QPointF(36, -60), hull + QPointF(38, -14));
    main.lineTo(hull + QPointF(3, -14));
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(hull + QPointF(-3, -100));
    jib.quadTo(hull + QPointF(-22, -50), hull + QPointF(-38, -14));
    jib.lineTo(hull + QPointF(-3, -14));
    jib.closeSubpath();
    QLinearGradient sail(hull + QPointF(0, -100), hull + QPointF(30, -14));
    sail.setColorAt(0, QColor(248, 244, 232));
    sail.setColorAt(1, QColor(196, 200, 206));
    p.setBrush(sail);
    p.drawPath(main);
    p.drawPath(jib);
    // Waves: rows of crests.
    for (int row = 0; row < 9; ++row) {
        const double y = H * 0.56 + row * 17, amp = 2 + row * 0.8, len = 20 + row * 4;
        QPainterPath wave;
        wave.moveTo(-10, y);
        for (double x = -10; x < W + 20; x += len / 2) wave.quadTo(x + len / 4, y - amp * ((int(x / len * 2) % 2) ? -1 : 1), x + len / 2, y);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(160, 200, 236, 70 + row * 12), 1.0 + row * 0.15));
        p.drawPath(wave);
    }
    // An anchor in the lower corner.
    p.save();
    p.translate(210, H - 56);
    p.setPen(QPen(QColor(200, 180, 110), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -30), 6, 6);
    p.drawLine(QPointF(0, -24), QPointF(0, 30));
    p.drawLine(QPointF(-14, -14), QPointF(14, -14));
    p.drawArc(QRectF(-26, 4, 52, 30), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 180, 110));
    p.drawPolygon(QPolygonF({QPointF(-30, 14), QPointF(-22, 18), QPointF(-29, 22)}));
    p.drawPolygon(QPolygonF({QPointF(30, 14), QPointF(22, 18), QPointF(29, 22)}));
    p.restore();
    return img;
}

QImage oldGlory() {
    QImage img = blank();
    // A waving flag in soft colours (the game's text on it is red).
    const QColor red(232, 164, 164), white(250, 248, 244), blue(96, 116, 184);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double wave = std::sin(x * 0.035 + y * 0.012) * 10 + std::sin(x * 0.09) * 2;
            const double fy = y + wave;
            const double shade = 0.88 + 0.12 * std::cos(x * 0.035 + y * 0.012);
            QColor c;
            const int stripe = int(std::floor(fy / (H / 13.0)));
            const bool canton = x < W * 0.5 && fy < H * 7 / 13.0;
            if (canton)
                c = blue;
            else
                c = ((stripe % 2) + 2) % 2 == 0 ? red : white;
            c = QColor(std::clamp(int(c.red() * shade), 0, 255), std::clamp(int(c.green() * shade), 0, 255),
                       std::clamp(int(c.blue() * shade), 0, 255));
            img.setPixel(x, y, c.rgb());
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < (row % 2 ? 5 : 6); ++col) {
            const double x = 10 + col * 21 + (row % 2 ? 10.5 : 0), y = 10 + row * 17.5;
            const double wave = std::sin(x * 0.035 + y * 0.012) * 10 + std::sin(x * 0.09) * 2;
            if (y - wave > H * 7 / 13.0 - 8) continue;
            p.drawPath(starPath(QPointF(x, y - wave), 6, 2.4));
        }
    return img;
}

QImage quacker() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H * 0.38), QColor(40, 30, 70), QColor(100, 70, 110));
    verticalGradient(p, QRectF(0, H * 0.38, W, H * 0.62), QColor(24, 70, 86), QColor(8, 34, 46));
    Rng rng(208);
    // Reeds on the far bank.
    for (int i = 0; i < 60; ++i) {
        const double x = rng.range(0, W), h = rng.range(20, 60);
        p.setPen(QPen(QColor(30, int(rng.range(56, 80)), 36), rng.range(1.2, 2.4)));
        p.drawLine(QPointF(x, H * 0.4), QPointF(x + rng.range(-5, 5), H * 0.4 - h));
        if (rng.uniform() < 0.2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 56, 30));
            p.drawRoundedRect(QRectF(x - 2, H * 0.4 - h - 4, 4, 12), 2, 2);
        }
    }
    // Lily pads.
    for (int i = 0; i < 7; ++i) {
        const QPointF c(rng.range(0, W), rng.range(H * 0.5, H - 10));
        const double r = rng.range(9, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 50));
        p.drawPie(QRectF(c.x() - r, c.y() - r * 0.45, 2 * r, r * 0.9), 20 * 16, 320 * 16);
    }
    const QPointF duck(W * 0.48, H * 0.64);
    // Ripples around the duck.
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 4; ++k) {
        p.setPen(QPen(QColor(150, 200, 210, 140 - k * 25), 1.2));
        p.drawEllipse(duck + QPointF(0, 24), 54 + k * 16, 8 + k * 4);
    }
    // Body.
    QPainterPath body;
    body.moveTo(duck + QPointF(-62, 0));
    body.cubicTo(duck + QPointF(-70, -30), duck + QPointF(-40, -40), duck + QPointF(0, -34));
    body.cubicTo(duck + QPointF(30, -32), duck + QPointF(58, -20), duck + QPointF(56, 4));
    body.cubicTo(duck + QPointF(50, 26), duck + QPointF(-30, 30), duck + QPointF(-52, 16));
    body.cubicTo(duck + QPointF(-70, 10), duck + QPointF(-80, -6), duck + QPointF(-76, -18));
    body.closeSubpath();
    QLinearGradient plumage(duck + QPointF(0, -40), duck + QPointF(0, 26));
    plumage.setColorAt(0, QColor(170, 150, 130));
    plumage.setColorAt(1, QColor(100, 80, 66));
    p.setPen(QPen(QColor(60, 46, 38), 1));
    p.setBrush(plumage);
    p.drawPath(body);
    // Wing with a blue band.
    QPainterPath wing;
    wing.moveTo(duck + QPointF(-40, -16));
    wing.cubicTo(duck + QPointF(-10, -30), duck + QPointF(30, -20), duck + QPointF(34, -2));
    wing.cubicTo(duck + QPointF(10, 6), duck + QPointF(-30, 4), duck + QPointF(-40, -16));
    p.setBrush(QColor(124, 96, 74));
    p.drawPath(wing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 90, 200));
    p.drawRoundedRect(QRectF(duck.x() - 6, duck.y() - 14, 26, 6), 3, 3);
    // Chest, neck ring, green head, beak, eye.
    p.setBrush(QColor(120, 62, 40));
    p.drawEllipse(duck + QPointF(40, -14), 18, 16);
    const QPointF head(duck.x() + 42, duck.y() - 52);
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(head + QPointF(-2, 26), 12, 4);
    QRadialGradient green(head + QPointF(-5, -6), 26);
    green.setColorAt(0, QColor(60, 170, 90));
    green.setColorAt(1, QColor(10, 70, 40));
    p.setBrush(green);
    p.drawEllipse(head + QPointF(0, 8), 12, 18);
    p.drawEllipse(head, 18, 16);
    QPainterPath beak;
    beak.moveTo(head + QPointF(14, -2));
    beak.cubicTo(head + QPointF(30, -4), head + QPointF(38, 2), head + QPointF(36, 6));
    beak.cubicTo(head + QPointF(28, 10), head + QPointF(18, 8), head + QPointF(14, 6));
    beak.closeSubpath();
    p.setBrush(QColor(246, 196, 40));
    p.drawPath(beak);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(head + QPointF(6, -4), 3, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(head + QPointF(7, -5), 1, 1);
    // Tail feathers.
    p.setBrush(QColor(40, 40, 44));
    p.drawPolygon(QPolygonF({duck + QPointF(-72, -14), duck + QPointF(-86, -28), duck + QPointF(-78, -8)}));
    return img;
}

QImage satin() {
    QImage img = blank();
    // Cloth height field: broad diagonal folds bent by slow noise. Lighting
    // from the slope gives the sheen; the base stays dark so that light
    // cyan text reads everywhere.
    const QColor deep(26, 8, 52), mid(74, 34, 128), lit(150, 110, 214), sheen(226, 214, 255), blueTint(40, 60, 150);
    auto height = [](double x, double y) {
        const double bend = 26 * fractalNoise(x / 90.0, y / 90.0, 209, 3);
        const double u = x * 0.70 + y * 0.72 + bend * 3;
        return 0.55 * std::sin(u * 0.050) + 0.30 * std::sin(u * 0.021 + 1.3 + bend * 0.05) +
               0.15 * std::sin((x * 0.9 - y * 0.4) * 0.04 + bend * 0.1);
    };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double hx = height(x + 1, y) - height(x - 1, y);
            const double hy = height(x, y + 1) - height(x, y - 1);
            // Normal from the gradient; light from the upper left.
            const double nx = -hx * 12, ny = -hy * 12, nz = 1.0;
            const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
            const double lx = -0.5, ly = -0.6, lz = 0.62;
            const double diffuse = std::max(0.0, (nx * lx + ny * ly + nz * lz) / len);
            // Specular toward the viewer: a narrow bright band on the fold ridges.
            const double hxv = lx, hyv = ly, hzv = lz + 1;
            const double hl = std::sqrt(hxv * hxv + hyv * hyv + hzv * hzv);
            const double shine = std::pow(std::max(0.0, (nx * hxv + ny * hyv + nz * hzv) / (len * hl)), 40);
            QColor c = mix(deep, mid, diffuse * 1.1);
            c = mix(c, lit, std::pow(diffuse, 4) * 0.8);
            c = mix(c, blueTint, 0.25 * (1 - double(y) / H) * (1 - diffuse));
            c = mix(c, sheen, shine * 0.55);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

void strawberry(QPainter& p, QPointF c, double size, double turn, Rng& rng) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    p.scale(size, size);
    QPainterPath berry;
    berry.moveTo(0, -0.75);
    berry.cubicTo(0.75, -0.95, 1.05, -0.2, 0.55, 0.45);
    berry.cubicTo(0.32, 0.78, 0.1, 1.0, 0, 1.0);
    berry.cubicTo(-0.1, 1.0, -0.32, 0.78, -0.55, 0.45);
    berry.cubicTo(-1.05, -0.2, -0.75, -0.95, 0, -0.75);
    QRadialGradient g(QPointF(-0.3, -0.3), 1.4);
    g.setColorAt(0, QColor(255, 90, 80));
    g.setColorAt(0.5, QColor(214, 24, 34));
    g.setColorAt(1, QColor(120, 8, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(berry);
    p.setBrush(QColor(250, 220, 120));
    for (int i = 0; i < 16; ++i) {
        const double x = rng.range(-0.55, 0.55), y = rng.range(-0.45, 0.75);
        if (!berry.contains(QPointF(x, y * 1.05))) continue;
        p.drawEllipse(QPointF(x, y), 0.035, 0.055);
    }
    p.setBrush(QColor(50, 150, 50));
    for (int k = 0; k < 5; ++k) {
        p.save();
        p.translate(0, -0.72);
        p.rotate(-80 + k * 40);
        p.drawEllipse(QPointF(0.28, 0), 0.3, 0.09);
        p.restore();
    }
    p.setBrush(QColor(70, 120, 40));
    p.drawRect(QRectF(-0.04, -1.05, 0.08, 0.32));
    QRadialGradient shine(QPointF(-0.35, -0.35), 0.3);
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(-0.35, -0.3), 0.3, 0.22);
    p.restore();
}

QImage strawberries() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(22, 56, 24), QColor(12, 36, 16));
    Rng rng(210);
    // Leaves behind the berries.
    for (int i = 0; i < 26; ++i) {
        p.save();
        p.translate(rng.range(0, W), rng.range(0, H));
        p.rotate(rng.range(0, 360));
        const double s = rng.range(14, 26);
        p.scale(s, s);
        p.setPen(QPen(QColor(20, 60, 20), 0.05));
        p.setBrush(QColor(34, int(rng.range(84, 110)), 36));
        p.drawPath(leafPath(false));
        p.restore();
    }
    for (int i = 0; i < 22; ++i)
        strawberry(p, QPointF(rng.range(5, W - 5), rng.range(5, H - 5)), rng.range(13, 22), rng.range(-40, 40), rng);
    vignette(p, 0.4);
    return img;
}

QImage jovWumble() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(40, 14, 60), QColor(16, 8, 36));
    Rng rng(211);
    // Swirls and dots.
    for (int i = 0; i < 14; ++i) {
        const QPointF c(rng.range(0, W), rng.range(0, H));
        QPainterPath spiral;
        for (int k = 0; k < 60; ++k) {
            const double a = k * 0.25, r = 1.5 + k * 0.35;
            const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
            k == 0 ? spiral.moveTo(pt) : spiral.lineTo(pt);
        }
        p.setPen(QPen(QColor::fromHsv(int(rng.range(260, 340)), 160, 160, 110), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(spiral);
    }
    for (int i = 0; i < 50; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(int(rng.range(0, 360)), 140, 200, 110));
        const double r = rng.range(1.5, 4);
        p.drawEllipse(QPointF(rng.range(0, W), rng.range(0, H)), r, r);
    }
    const QPointF c(W * 0.5, H * 0.6);
    // Feet.
    p.setBrush(QColor(230, 120, 40));
    p.drawEllipse(c + QPointF(-34, 70), 20, 9);
    p.drawEllipse(c + QPointF(34, 70), 20, 9);
    // Antennae with bobbles.
    p.setPen(QPen(QColor(240, 150, 190), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath a1, a2;
    a1.moveTo(c + QPointF(-22, -60));
    a1.cubicTo(c + QPointF(-30, -100), c + QPointF(-64, -100), c + QPointF(-58, -126));
    a2.moveTo(c + QPointF(22, -60));
    a2.cubicTo(c + QPointF(26, -96), c + QPointF(60, -96), c + QPointF(50, -122));
    p.drawPath(a1);
    p.drawPath(a2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 230, 220));
    p.drawEllipse(c + QPointF(-58, -128), 8, 8);
    p.drawEllipse(c + QPointF(50, -124), 8, 8);
    // Fuzzy round body.
    QPainterPath fuzz;
    for (int i = 0; i <= 90; ++i) {
        const double a = 2 * M_PI * i / 90, r = 72 * (1 + 0.05 * ((i % 2) ? 1 : -1)) * (1 + 0.04 * std::sin(a * 3));
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * 0.92 * std::sin(a));
        i == 0 ? fuzz.moveTo(pt) : fuzz.lineTo(pt);
    }
    QRadialGradient fur(c + QPointF(-24, -30), 110);
    fur.setColorAt(0, QColor(250, 170, 210));
    fur.setColorAt(0.6, QColor(220, 90, 160));
    fur.setColorAt(1, QColor(130, 40, 110));
    p.setBrush(fur);
    p.drawPath(fuzz);
    // Belly spots.
    p.setBrush(QColor(250, 200, 230, 150));
    p.drawEllipse(c + QPointF(0, 26), 34, 26);
    // Three eyes of different sizes.
    auto eye = [&](QPointF e, double r, QPointF look) {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(90, 20, 70), 1.5));
        p.drawEllipse(e, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 20, 60));
        p.drawEllipse(e + look * r * 0.35, r * 0.45, r * 0.45);
        p.setBrush(Qt::white);
        p.drawEllipse(e + look * r * 0.35 + QPointF(-r * 0.15, -r * 0.15), r * 0.12, r * 0.12);
    };
    eye(c + QPointF(-26, -22), 16, QPointF(0.6, 0.2));
    eye(c + QPointF(22, -26), 20, QPointF(-0.3, 0.4));
    eye(c + QPointF(0, -48), 9, QPointF(0.2, -0.6));
    // Big toothy grin.
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-30, 6));
    mouth.cubicTo(c + QPointF(-20, 36), c + QPointF(22, 36), c + QPointF(32, 4));
    mouth.cubicTo(c + QPointF(10, 14), c + QPointF(-10, 14), c + QPointF(-30, 6));
    p.setBrush(QColor(90, 10, 40));
    p.setPen(QPen(QColor(90, 20, 60), 1.5));
    p.drawPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 10, c.y() + 10, 7, 7));
    p.drawRect(QRectF(c.x() + 4, c.y() + 10, 7, 7));
    // Little arms waving.
    p.setPen(QPen(QColor(200, 80, 150), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-68, 4), c + QPointF(-96, -22));
    p.drawLine(c + QPointF(68, 4), c + QPointF(98, 18));
    return img;
}

}  // namespace

QImage background(int n) {
    switch (n) {
    case 1: return autumn();
    case 2: return blondeChick();
    case 3: return blueprints();
    case 4: return babySeal();
    case 5: return evergreen();
    case 6: return nautical();
    case 7: return oldGlory();
    case 8: return quacker();
    case 9: return satin();
    case 10: return strawberries();
    case 11: return jovWumble();
    default: return {};
    }
}

}  // namespace resgen
