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

QImage blank(int scale, const QColor& c = Qt::black) {
    QImage img(W * scale, H * scale, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// Where the picture's pixel `i` is sampled, in 1x pixels: pixel i of the 1x
// picture is sampled at i, so a larger one samples its pixels' centres on
// the same grid.
double sampleAt(int i, int scale) { return (i + 0.5) / scale - 0.5; }

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

// The game tray's status line and its two label rows lie over rows 170 to
// 257 of every picture, nearly edge to edge. The pictures keep that stretch
// calm and in contrast with the text colour chosen with them, with a few
// rows to spare so that JPEG blocks along an edge stay outside it.
constexpr double kLabelsTop = 164, kLabelsBottom = 264;

// Whether something reaching from top to bottom keeps clear of the labels.
bool clearOfLabels(double top, double bottom) { return bottom < kLabelsTop || top > kLabelsBottom; }

void leaf(QPainter& p, QPointF at, double size, double turn, QColor c, bool maple) {
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

QImage autumn(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(86, 40, 18), QColor(48, 22, 10));
    Rng rng(201);
    const QColor colours[] = {{196, 58, 24}, {222, 118, 28}, {232, 170, 44}, {150, 42, 20}, {168, 96, 36}, {120, 70, 24}};
    // A carpet of fallen leaves on both banks of a slow brook.
    for (int i = 0; i < 110; ++i) {
        const bool maple = rng.uniform() < 0.6;
        const QPointF at(rng.range(-10, W + 10), rng.range(-10, H + 10));
        const double size = rng.range(9, 22), turn = rng.range(0, 360);
        QColor c = colours[rng.next() % 6];
        c = mix(c, QColor(60, 30, 12), 0.35 * (1 - i / 110.0));  // leaves underneath are in shade
        if (!clearOfLabels(at.y() - 1.5 * size, at.y() + 1.5 * size)) continue;
        leaf(p, at, size, turn, c, maple);
    }
    // The brook: still brown water between the banks, mirroring the canopy
    // in soft horizontal streaks, in shade under the near bank.
    const auto bank = [](double x, double middle, double phase) {
        return middle + 4 * std::sin(x * 0.031 + phase) + 2.5 * std::sin(x * 0.093 + 2 * phase);
    };
    p.end();
    const QColor shade(30, 22, 14), water(58, 44, 30), sky(104, 94, 80), amber(150, 84, 32);
    for (int row = 0; row < img.height(); ++row)
        for (int column = 0; column < img.width(); ++column) {
            const double x = sampleAt(column, scale), y = sampleAt(row, scale);
            const double top = bank(x, 155, 1.0), bottom = bank(x, 273, 2.3);
            // How far inside the water this pixel lies, in its own pixels;
            // the banks blend over a pixel.
            const double inside = std::min(y + 0.5 - top, bottom - (y + 0.5)) * scale;
            if (inside <= -0.5) continue;
            const double streak = fractalNoise(x / 70.0, y / 5.0, 2011, 3);
            const double glow = fractalNoise(x / 30.0 + 9, y / 3.0, 2012, 2);
            QColor c = mix(water, sky, std::clamp((streak - 0.45) * 2.2, 0.0, 1.0));
            c = mix(c, amber, std::clamp((glow - 0.62) * 3.0, 0.0, 0.6));
            // Shade under the bank, fading into the open water.
            c = mix(c, shade, std::clamp(1.0 - (y - top) / 16.0, 0.0, 0.85));
            c = mix(c, shade, std::clamp(1.0 - (bottom - y) / 6.0, 0.0, 0.6));
            img.setPixel(column, row, mix(QColor(img.pixel(column, row)), c, std::clamp(inside + 0.5, 0.0, 1.0)).rgb());
        }
    beginAtScale(p, img, scale);
    QPainterPath brook;
    brook.moveTo(-2, bank(-2, 155, 1.0));
    for (double x = 0; x <= W + 2; x += 2) brook.lineTo(x, bank(x, 155, 1.0));
    for (double x = W + 2; x >= -2; x -= 2) brook.lineTo(x, bank(x, 273, 2.3));
    brook.closeSubpath();
    p.save();
    p.setClipPath(brook);
    // A few leaves afloat, in the gaps between the lines of text, darkened
    // by the water.
    const QPointF afloat[] = {{40, 212}, {118, 208}, {206, 214}, {230, 250}, {190, 160}, {70, 267}};
    for (const QPointF& at : afloat) {
        const QColor c = mix(colours[rng.next() % 2 == 0 ? 0 : 3], QColor(30, 22, 16), 0.35);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(150, 120, 90, 50), 0.8));
        p.drawEllipse(at, 12, 3.5);
        leaf(p, at, rng.range(6, 8), rng.range(0, 360), c, rng.uniform() < 0.6);
    }
    p.restore();
    // Leaves lying over the banks' edges.
    for (int i = 0; i < 16; ++i) {
        const double x = rng.range(-5, W + 5);
        const bool upper = i % 2 == 0;
        const double size = rng.range(8, 14);
        const double y = upper ? bank(x, 155, 1.0) - size * 1.2 : bank(x, 273, 2.3) + size * 1.2;
        leaf(p, QPointF(x, y), size, rng.range(0, 360), colours[rng.next() % 6], rng.uniform() < 0.6);
    }
    vignette(p, 0.45);
    return img;
}

QImage blondeChick(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(206, 232, 250), QColor(236, 246, 226));
    // Grass at the bottom, its crest just below the lowest line of text.
    Rng rng(202);
    p.setBrush(QColor(140, 196, 96));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(-60, H - 60, W + 120, 120));
    for (int i = 0; i < 120; ++i) {
        const double x = rng.range(0, W), h = rng.range(8, 20);
        p.setPen(QPen(QColor(90, int(rng.range(140, 180)), 60), 1.4));
        p.drawLine(QPointF(x, H), QPointF(x + rng.range(-4, 4), H - 40 - h + rng.range(0, 30)));
    }
    const QPointF body(W * 0.5, H * 0.66), head(W * 0.56, H * 0.44);
    auto fluffy = [&](QPointF c, double r) {
        QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.35), r * 1.4);
        // Shaded no deeper than a light gold: the blue text chosen with the
        // picture runs across the body.
        g.setColorAt(0, QColor(255, 246, 150));
        g.setColorAt(0.6, QColor(252, 214, 60));
        g.setColorAt(1, QColor(242, 194, 44));
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
    p.setBrush(QColor(246, 200, 56));
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

QImage blueprints(int scale) {
    QImage img = blank(scale, QColor(168, 210, 248));
    QPainter p;
    beginAtScale(p, img, scale);
    // Paper texture, then fine and coarse grid lines. A pale print: the
    // blue text chosen with it needs paper of at least half the luminance of
    // white, even at the darkest grain.
    for (int row = 0; row < img.height(); ++row)
        for (int column = 0; column < img.width(); ++column) {
            const double n = fractalNoise(sampleAt(column, scale) / 20.0, sampleAt(row, scale) / 20.0, 203, 3) - 0.5;
            img.setPixel(column, row, mix(QColor(176, 216, 250), QColor(160, 204, 244), 0.5 + n).rgb());
        }
    for (int x = 0; x <= W; x += 8) {
        p.setPen(QPen(QColor(255, 255, 255, x % 40 == 0 ? 120 : 60), x % 40 == 0 ? 1.0 : 0.6));
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, H));
    }
    for (int y = 0; y <= H; y += 8) {
        p.setPen(QPen(QColor(255, 255, 255, y % 40 == 0 ? 120 : 60), y % 40 == 0 ? 1.0 : 0.6));
        p.drawLine(QPointF(0, y + 0.5), QPointF(W, y + 0.5));
    }
    const QPen line(QColor(255, 255, 255, 230), 1.4);
    const QPen thin(QColor(255, 255, 255, 170), 0.8);
    const QPen dashed(QColor(255, 255, 255, 160), 0.8, Qt::DashLine);
    // A die in plan and in isometric view, with centre lines and dimensions,
    // above the labels; a gear and the title block below them.
    p.setBrush(Qt::NoBrush);
    p.setPen(line);
    const QRectF plan(26, 22, 82, 82);
    p.drawRoundedRect(plan, 10, 10);
    for (const QPointF& pt : pipLayout(5)) p.drawEllipse(QPointF(plan.left() + 20 + 42 * pt.x(), plan.top() + 20 + 42 * pt.y()), 6.5, 6.5);
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
    const QPointF top(188, 24);
    const double e = 50, cx = e * std::cos(qDegreesToRadians(30.0)), cy = e / 2;
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
    const QPointF g(54, 292);
    QPainterPath gear;
    for (int i = 0; i <= 48; ++i) {
        const double a = 2 * M_PI * i / 48;
        const double rr = (i / 2) % 2 == 0 ? 23 : 18.5;
        const QPointF pt(g.x() + rr * std::cos(a), g.y() + rr * std::sin(a));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    p.setPen(line);
    p.drawPath(gear);
    p.drawEllipse(g, 7, 7);
    p.setPen(dashed);
    p.drawEllipse(g, 21, 21);
    p.drawLine(g + QPointF(-32, 0), g + QPointF(32, 0));
    p.drawLine(g + QPointF(0, -27), g + QPointF(0, 27));
    // Title block in the corner.
    p.setPen(line);
    const QRectF block(150, 270, 96, 44);
    p.drawRect(block);
    p.setPen(thin);
    p.drawLine(QPointF(block.left(), block.top() + 16), QPointF(block.right(), block.top() + 16));
    p.drawLine(QPointF(block.left() + 40, block.top() + 16), QPointF(block.left() + 40, block.bottom()));
    for (int k = 0; k < 3; ++k) p.drawLine(QPointF(block.left() + 46, block.top() + 23 + 7 * k), QPointF(block.right() - 8 - 10 * k, block.top() + 23 + 7 * k));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.drawRect(QRectF(4.5, 4.5, W - 9, H - 9));
    return img;
}

// A floe seen from the side: a flat top and a shaded face down to the
// waterline, with a dim reflection under it.
void iceFloe(QPainter& p, const QRectF& top, double thickness) {
    QPainterPath face;
    face.addRoundedRect(QRectF(top.left(), top.center().y(), top.width(), top.height() / 2 + thickness), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 110, 120));
    p.drawEllipse(QRectF(top.left() + 4, top.bottom() + thickness - 2, top.width() - 8, 5));
    QLinearGradient side(0, top.center().y(), 0, top.bottom() + thickness);
    side.setColorAt(0, QColor(150, 188, 222));
    side.setColorAt(1, QColor(86, 128, 176));
    p.setBrush(side);
    p.drawPath(face);
    QLinearGradient snow(0, top.top(), 0, top.bottom());
    snow.setColorAt(0, QColor(246, 250, 255));
    snow.setColorAt(1, QColor(200, 222, 244));
    p.setBrush(snow);
    p.drawEllipse(top);
}

QImage babySeal(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    // Polar twilight above; below the horizon the open sea, dark and still
    // where the game writes over it.
    const double horizon = 100;
    verticalGradient(p, QRectF(0, 0, W, horizon), QColor(12, 24, 62), QColor(58, 92, 146));
    verticalGradient(p, QRectF(0, horizon, W, H - horizon), QColor(30, 58, 96), QColor(8, 22, 46));
    Rng rng(204);
    for (int i = 0; i < 40; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, int(rng.range(80, 220))));
        p.drawEllipse(QPointF(rng.range(0, W), rng.range(0, horizon * 0.75)), 0.9, 0.9);
    }
    // Distant icebergs on the horizon.
    p.setBrush(QColor(170, 200, 228));
    p.drawPolygon(QPolygonF({QPointF(-10, horizon), QPointF(24, horizon - 20), QPointF(50, horizon - 15), QPointF(84, horizon)}));
    p.setBrush(QColor(150, 182, 216));
    p.drawPolygon(QPolygonF({QPointF(120, horizon), QPointF(150, horizon - 12), QPointF(170, horizon - 9), QPointF(196, horizon)}));
    // Long low swells, fainter toward the viewer.
    for (int i = 0; i < 36; ++i) {
        const double y = horizon + 3 + i * i * 0.17 + rng.range(0, 3);
        const double x = rng.range(-30, W), w = rng.range(30, 90);
        p.setBrush(QColor(110, 150, 200, int(std::max(10.0, 70 - i * 1.8))));
        p.drawRoundedRect(QRectF(x, y, w, 1.1 + i * 0.03), 1, 1);
    }
    // A small floe to the left, the seal's floe to the right, and broken
    // ice drifting in front.
    iceFloe(p, QRectF(-20, 128, 92, 16), 7);
    iceFloe(p, QRectF(92, 118, 190, 34), 9);
    iceFloe(p, QRectF(-30, 286, 120, 22), 8);
    iceFloe(p, QRectF(150, 292, 130, 26), 8);
    iceFloe(p, QRectF(100, 276, 36, 7), 4);
    // The pup: a plump white body with soft grey shading, dark eyes and nose.
    p.save();
    p.translate(178, 132);
    p.scale(0.6, 0.6);
    const QPointF c(0, 0);
    QPainterPath seal;
    seal.moveTo(c + QPointF(-92, 20));
    seal.cubicTo(c + QPointF(-96, -10), c + QPointF(-40, -32), c + QPointF(10, -30));
    seal.cubicTo(c + QPointF(50, -58), c + QPointF(96, -40), c + QPointF(92, -6));
    seal.cubicTo(c + QPointF(90, 20), c + QPointF(60, 28), c + QPointF(20, 28));
    seal.lineTo(c + QPointF(-70, 28));
    seal.cubicTo(c + QPointF(-86, 40), c + QPointF(-112, 34), c + QPointF(-110, 24));
    seal.cubicTo(c + QPointF(-104, 18), c + QPointF(-96, 22), c + QPointF(-92, 20));
    seal.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 110, 150, 90));
    p.drawEllipse(c + QPointF(-6, 29), 86, 6);  // shadow on the ice
    QRadialGradient fur(c + QPointF(20, -30), 120);
    fur.setColorAt(0, QColor(255, 255, 255));
    fur.setColorAt(0.6, QColor(240, 244, 250));
    fur.setColorAt(1, QColor(196, 208, 224));
    p.setPen(QPen(QColor(150, 166, 190), 1.6));
    p.setBrush(fur);
    p.drawPath(seal);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 222, 236));
    QPainterPath flipper;
    flipper.moveTo(c + QPointF(6, 10));
    flipper.cubicTo(c + QPointF(0, 30), c + QPointF(24, 34), c + QPointF(30, 24));
    flipper.closeSubpath();
    p.drawPath(flipper);
    p.setBrush(QColor(20, 20, 28));
    p.drawEllipse(c + QPointF(48, -26), 7, 8);
    p.drawEllipse(c + QPointF(74, -24), 6.5, 7.5);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(50, -29), 2.4, 2.4);
    p.drawEllipse(c + QPointF(76, -27), 2.2, 2.2);
    p.setBrush(QColor(40, 30, 34));
    p.drawEllipse(c + QPointF(66, -10), 6, 4);
    p.setPen(QPen(QColor(120, 120, 130), 1.0));
    for (int k = -1; k <= 1; ++k) {
        p.drawLine(c + QPointF(58, -7 + k * 2.5), c + QPointF(40, -5 + k * 5));
        p.drawLine(c + QPointF(74, -7 + k * 2.5), c + QPointF(92, -5 + k * 5));
    }
    p.restore();
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

QImage evergreen(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
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

QImage nautical(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    // Night sea: the moon and a sailboat on the horizon, then open water
    // that lies calm where the game writes over it and breaks into crests
    // toward the bottom.
    const double horizon = 150;
    verticalGradient(p, QRectF(0, 0, W, horizon), QColor(12, 24, 64), QColor(44, 76, 126));
    verticalGradient(p, QRectF(0, horizon, W, H - horizon), QColor(18, 54, 100), QColor(4, 18, 44));
    p.setPen(Qt::NoPen);
    QRadialGradient moon(QPointF(56, 52), 30);
    moon.setColorAt(0, QColor(250, 246, 220));
    moon.setColorAt(0.5, QColor(240, 232, 190));
    moon.setColorAt(0.55, QColor(240, 232, 190, 60));
    moon.setColorAt(1, QColor(240, 232, 190, 0));
    p.setBrush(moon);
    p.drawEllipse(QPointF(56, 52), 30, 30);
    // Moonlight on the water: bright glints by the horizon, only faint ones
    // under the labels, a little stronger again in front.
    Rng rng(206);
    for (int i = 0; i < 44; ++i) {
        const double y = horizon + 2 + i * 3.9;
        const double w = rng.range(6, 18) * (1 + i * 0.04);
        const int alpha = clearOfLabels(y - 2, y + 4) ? std::max(150 - i * 11, 70) : 44;
        p.setBrush(QColor(240, 232, 190, alpha));
        p.drawRoundedRect(QRectF(56 - w / 2 + rng.range(-8, 8), y, w, 1.6), 1, 1);
    }
    // The sailboat.
    const QPointF hull(172, horizon - 4);
    QPainterPath boat;
    boat.moveTo(hull + QPointF(-40, -8));
    boat.lineTo(hull + QPointF(42, -8));
    boat.lineTo(hull + QPointF(29, 7));
    boat.lineTo(hull + QPointF(-29, 7));
    boat.closeSubpath();
    p.setBrush(QColor(120, 34, 30));
    p.drawPath(boat);
    p.setPen(QPen(QColor(60, 40, 30), 2));
    p.drawLine(hull + QPointF(0, -8), hull + QPointF(0, -106));
    p.setPen(Qt::NoPen);
    QPainterPath main;
    main.moveTo(hull + QPointF(3, -102));
    main.quadTo(hull + QPointF(35, -58), hull + QPointF(37, -14));
    main.lineTo(hull + QPointF(3, -14));
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(hull + QPointF(-3, -96));
    jib.quadTo(hull + QPointF(-21, -48), hull + QPointF(-36, -14));
    jib.lineTo(hull + QPointF(-3, -14));
    jib.closeSubpath();
    QLinearGradient sail(hull + QPointF(0, -100), hull + QPointF(30, -14));
    sail.setColorAt(0, QColor(248, 244, 232));
    sail.setColorAt(1, QColor(196, 200, 206));
    p.setBrush(sail);
    p.drawPath(main);
    p.drawPath(jib);
    // Its dark reflection.
    p.setBrush(QColor(10, 30, 60, 140));
    p.drawRect(QRectF(hull.x() - 28, hull.y() + 7, 56, 5));
    // Waves: rows of crests, low swells under the labels.
    for (int row = 0; row < 11; ++row) {
        const double y = horizon + 6 + row * 15, amp = 1.5 + row * 0.6, len = 18 + row * 4;
        const bool calm = !clearOfLabels(y - amp - 2, y + amp + 2);
        QPainterPath wave;
        wave.moveTo(-10, y);
        for (double x = -10; x < W + 20; x += len / 2) wave.quadTo(x + len / 4, y - amp * ((int(x / len * 2) % 2) ? -1 : 1), x + len / 2, y);
        p.setBrush(Qt::NoBrush);
        p.setPen(calm ? QPen(QColor(60, 100, 150, 70), 1.0) : QPen(QColor(160, 200, 236, 70 + row * 12), 1.0 + row * 0.15));
        p.drawPath(wave);
    }
    // An anchor in the lower corner.
    p.save();
    p.translate(222, H - 30);
    p.scale(0.62, 0.62);
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

QImage oldGlory(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    // The flag flies floodlit from a pole at the left edge after dark. The
    // game's red text lies on the night sky under it, which must stay close
    // to black: pure red reaches 4.5:1 only against a luminance of 0.008 or
    // less (and against white never more than 4:1).
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, QColor(30, 44, 96));
    sky.setColorAt(0.36, QColor(12, 18, 46));
    sky.setColorAt(0.5, QColor(5, 8, 22));
    sky.setColorAt(1, QColor(4, 6, 16));
    p.fillRect(QRect(0, 0, W, H), sky);
    Rng rng(207);
    // A few faint stars, kept to the rows between the lines of text.
    p.setPen(Qt::NoPen);
    for (int placed = 0; placed < 14;) {
        const QPointF at(rng.range(10, W - 4), rng.range(150, 272));
        const bool between = (at.y() > 200 && at.y() < 221) || at.y() > 262 || at.y() < 166;
        if (!between) continue;
        ++placed;
        p.setBrush(QColor(200, 210, 240, int(rng.range(70, 150))));
        p.drawEllipse(at, 0.7, 0.7);
    }
    // Low hills far below, black against the sky, a town's few lights
    // along the ridge.
    QPainterPath hills;
    hills.moveTo(0, H);
    for (double x = 0; x <= W; x += 4) hills.lineTo(x, 290 - 8 * std::sin(x * 0.02 + 0.6) - 4 * std::sin(x * 0.07));
    hills.lineTo(W, H);
    hills.closeSubpath();
    QLinearGradient ground(0, 276, 0, H);
    ground.setColorAt(0, QColor(14, 22, 18));
    ground.setColorAt(1, QColor(4, 8, 6));
    p.setBrush(ground);
    p.drawPath(hills);
    for (int i = 0; i < 12; ++i) {
        const double x = rng.range(30, W - 10);
        const double ridge = 290 - 8 * std::sin(x * 0.02 + 0.6) - 4 * std::sin(x * 0.07);
        p.setBrush(QColor(255, 214, 130, int(rng.range(120, 220))));
        p.drawRect(QRectF(x, ridge + rng.range(3, 14), 1.2, 1.2));
    }
    // The pole with its gilt ball, caught by the floodlight.
    QLinearGradient metal(1, 0, 6, 0);
    metal.setColorAt(0, QColor(90, 90, 96));
    metal.setColorAt(0.4, QColor(220, 220, 226));
    metal.setColorAt(1, QColor(70, 70, 78));
    p.setBrush(metal);
    p.drawRect(QRectF(1.5, 8, 4, H));
    QRadialGradient gilt(QPointF(2.6, 4.6), 4);
    gilt.setColorAt(0, QColor(255, 240, 160));
    gilt.setColorAt(1, QColor(176, 128, 30));
    p.setBrush(gilt);
    p.drawEllipse(QPointF(3.5, 5.5), 3.5, 3.5);
    p.end();

    // The flag, drawn pixel by pixel (4 samples each) on a waving sheet:
    // 13 stripes, the blue union over the top seven.
    const double left = 6, top = 10, fw = 248, fh = 130;
    const auto wave = [&](double u) { return u * (7 * std::sin(u * 8.2 - 0.6) + 2 * std::sin(u * 21)); };
    const auto fold = [&](double u) { return 0.88 + 0.12 * std::cos(u * 8.2 - 0.6) + 0.04 * std::cos(u * 21); };
    const QColor red(178, 34, 52), white(246, 244, 240), blue(50, 54, 110);
    for (int y = 0; y < int(top + fh + 12) * scale; ++y)
        for (int x = int(left) * scale; x < W * scale; ++x) {
            double r = 0, g = 0, b = 0, cover = 0;
            for (int s = 0; s < 4; ++s) {
                const double px = (x + 0.25 + 0.5 * (s % 2)) / scale, py = (y + 0.25 + 0.5 * (s / 2)) / scale;
                const double u = (px - left) / fw;
                const double v = (py - top - wave(u)) / fh;
                if (u < 0 || u > 1 || v < 0 || v > 1) continue;
                QColor c = (u < 0.4 && v < 7 / 13.0) ? blue : (int(v * 13) % 2 == 0 ? red : white);
                const double shade = fold(u);
                r += c.red() * shade, g += c.green() * shade, b += c.blue() * shade;
                cover += 1;
            }
            if (cover == 0) continue;
            const QColor under(img.pixel(x, y));
            const double flag = cover / 4;
            img.setPixel(x, y, qRgb(std::clamp(int(under.red() * (1 - flag) + r / 4), 0, 255),
                                    std::clamp(int(under.green() * (1 - flag) + g / 4), 0, 255),
                                    std::clamp(int(under.blue() * (1 - flag) + b / 4), 0, 255)));
        }
    beginAtScale(p, img, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < (row % 2 ? 5 : 6); ++col) {
            const double u = (col * 2 + (row % 2 ? 2 : 1)) / 12.0 * 0.4, v = (row + 1) / 10.0 * 7 / 13.0;
            p.drawPath(starPath(QPointF(left + u * fw, top + v * fh + wave(u)), 3.6, 1.45));
        }
    return img;
}

QImage quacker(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    // A pond at dusk: reeds on the far bank, the duck swimming near it, and
    // open water, dark and still, across the middle of the picture.
    const double bankY = 86;
    verticalGradient(p, QRectF(0, 0, W, bankY), QColor(40, 30, 70), QColor(118, 78, 112));
    verticalGradient(p, QRectF(0, bankY, W, H - bankY), QColor(40, 84, 100), QColor(8, 34, 46));
    Rng rng(208);
    // The evening sky mirrored in long faint streaks.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 34; ++i) {
        const double y = bankY + 4 + i * i * 0.2 + rng.range(0, 2);
        const double x = rng.range(-30, W), w = rng.range(30, 100);
        p.setBrush(QColor(150, 110, 150, int(std::max(10.0, 60 - i * 1.6))));
        p.drawRoundedRect(QRectF(x, y, w, 1.2), 1, 1);
    }
    // Reeds on the far bank.
    for (int i = 0; i < 60; ++i) {
        const double x = rng.range(0, W), h = rng.range(18, 52);
        p.setPen(QPen(QColor(30, int(rng.range(56, 80)), 36), rng.range(1.2, 2.4)));
        p.drawLine(QPointF(x, bankY + 2), QPointF(x + rng.range(-5, 5), bankY + 2 - h));
        if (rng.uniform() < 0.2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 56, 30));
            p.drawRoundedRect(QRectF(x - 2, bankY + 2 - h - 4, 4, 12), 2, 2);
        }
    }
    // Lily pads by the far bank and in front.
    const auto lilyPad = [&](QPointF c, double r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 110, 50));
        p.drawPie(QRectF(c.x() - r, c.y() - r * 0.45, 2 * r, r * 0.9), 20 * 16, 320 * 16);
    };
    for (int i = 0; i < 3; ++i) lilyPad(QPointF(rng.range(10, 110), rng.range(100, 140)), rng.range(8, 12));
    for (int i = 0; i < 5; ++i) lilyPad(QPointF(rng.range(0, W), rng.range(280, H - 6)), rng.range(10, 16));
    // Foreground reeds at the lower left.
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(-4, 40);
        p.setPen(QPen(QColor(24, int(rng.range(60, 86)), 30), rng.range(1.6, 2.8)));
        p.drawLine(QPointF(x, H), QPointF(x + rng.range(-6, 8), rng.range(272, 292)));
    }
    p.save();
    p.translate(188, 136);
    p.scale(0.8, 0.8);
    const QPointF duck(0, 0);
    // Ripples around the duck, flattened by the distance.
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 4; ++k) {
        p.setPen(QPen(QColor(150, 200, 210, 140 - k * 25), 1.2));
        p.drawEllipse(duck + QPointF(0, 22), 50 + k * 14, 3 + k * 1.6);
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
    // The water closes over the lower body.
    p.save();
    p.setClipPath(body);
    p.setBrush(QColor(26, 70, 86, 170));
    p.drawRect(QRectF(duck.x() - 90, duck.y() + 14, 180, 30));
    p.restore();
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
    p.restore();
    return img;
}

QImage satin(int scale) {
    QImage img = blank(scale);
    // Cloth height field: broad diagonal folds bent by slow noise. Lighting
    // from the slope gives the sheen; the base stays dark so that light
    // cyan text reads everywhere.
    const QColor deep(26, 8, 52), mid(74, 34, 128), lit(150, 110, 214), sheen(226, 214, 255), blueTint(40, 60, 150);
    // Across the labels the cloth is drawn smooth, in soft folds with
    // little sheen: 1 there, easing to 0 above and below.
    auto calm = [](double y) {
        const double d = std::max(kLabelsTop - 4 - y, y - kLabelsBottom - 4);
        const double t = std::clamp(1 - d / 50.0, 0.0, 1.0);
        return t * t * (3 - 2 * t);
    };
    auto height = [](double x, double y) {
        const double bend = 26 * fractalNoise(x / 90.0, y / 90.0, 209, 3);
        const double u = x * 0.70 + y * 0.72 + bend * 3;
        return 0.55 * std::sin(u * 0.050) + 0.30 * std::sin(u * 0.021 + 1.3 + bend * 0.05) +
               0.15 * std::sin((x * 0.9 - y * 0.4) * 0.04 + bend * 0.1);
    };
    for (int row = 0; row < img.height(); ++row)
        for (int column = 0; column < img.width(); ++column) {
            const double x = sampleAt(column, scale), y = sampleAt(row, scale);
            const double still = calm(y), flatten = 1 - 0.6 * still;
            const double hx = (height(x + 1, y) - height(x - 1, y)) * flatten;
            const double hy = (height(x, y + 1) - height(x, y - 1)) * flatten;
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
            c = mix(c, lit, std::pow(diffuse, 4) * 0.8 * (1 - 0.6 * still));
            c = mix(c, blueTint, 0.25 * (1 - y / H) * (1 - diffuse));
            c = mix(c, sheen, shine * 0.55 * (1 - 0.85 * still));
            img.setPixel(column, row, c.rgb());
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

QImage strawberries(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(22, 56, 24), QColor(12, 36, 16));
    Rng rng(210);
    // Leaves behind the berries.
    for (int i = 0; i < 34; ++i) {
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
    // The berries hang above and below the labels, which lie on leaves.
    for (int placed = 0; placed < 20;) {
        const QPointF at(rng.range(5, W - 5), rng.range(5, H - 5));
        const double size = rng.range(13, 22), turn = rng.range(-40, 40);
        if (!clearOfLabels(at.y() - 1.2 * size, at.y() + 1.2 * size)) continue;
        strawberry(p, at, size, turn, rng);
        ++placed;
    }
    vignette(p, 0.4);
    return img;
}

QImage jovWumble(int scale) {
    QImage img = blank(scale);
    QPainter p;
    beginAtScale(p, img, scale);
    verticalGradient(p, QRectF(0, 0, W, H), QColor(40, 14, 60), QColor(16, 8, 36));
    Rng rng(211);
    // Swirls and dots, above and below the labels.
    for (int placed = 0; placed < 12;) {
        const QPointF c(rng.range(0, W), rng.range(0, H));
        if (!clearOfLabels(c.y() - 23, c.y() + 23)) continue;
        ++placed;
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
        const QPointF at(rng.range(0, W), rng.range(0, H));
        if (clearOfLabels(at.y() - r, at.y() + r)) p.drawEllipse(at, r, r);
    }
    // Faint specks all over, so the open stretch is part of the same sky.
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(200, 180, 255, int(rng.range(40, 80))));
        p.drawEllipse(QPointF(rng.range(0, W), rng.range(0, H)), 0.8, 0.8);
    }
    // The monster bounces above the labels.
    p.translate(W * 0.5, 111);
    p.scale(0.62, 0.62);
    const QPointF c(0, 0);
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

QImage background(int n, int scale) {
    switch (n) {
    case 1: return autumn(scale);
    case 2: return blondeChick(scale);
    case 3: return blueprints(scale);
    case 4: return babySeal(scale);
    case 5: return evergreen(scale);
    case 6: return nautical(scale);
    case 7: return oldGlory(scale);
    case 8: return quacker(scale);
    case 9: return satin(scale);
    case 10: return strawberries(scale);
    case 11: return jovWumble(scale);
    default: return {};
    }
}

}  // namespace resgen
