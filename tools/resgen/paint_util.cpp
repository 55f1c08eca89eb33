#include "paint_util.h"

#include <QPainter>
#include <QtMath>

#include <array>
#include <cmath>

namespace resgen {

namespace {
double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}
double smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double a = lattice(x0, y0, seed), b = lattice(x0 + 1, y0, seed);
    const double c = lattice(x0, y0 + 1, seed), d = lattice(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + std::uint32_t(i) * 101u);
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

QColor fromBgr(std::uint32_t bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor(int(a.red() + (b.red() - a.red()) * t + 0.5), int(a.green() + (b.green() - a.green()) * t + 0.5),
                  int(a.blue() + (b.blue() - a.blue()) * t + 0.5), int(a.alpha() + (b.alpha() - a.alpha()) * t + 0.5));
}

QPainterPath digitStrokes(int digit) {
    QPainterPath p;
    switch (digit) {
    case 1:
        p.moveTo(0.22, 0.22);
        p.lineTo(0.56, 0.0);
        p.lineTo(0.56, 1.0);
        p.moveTo(0.26, 1.0);
        p.lineTo(0.86, 1.0);
        break;
    case 2:
        p.moveTo(0.12, 0.24);
        p.cubicTo(0.16, -0.06, 0.88, -0.08, 0.88, 0.28);
        p.cubicTo(0.88, 0.52, 0.30, 0.70, 0.10, 1.0);
        p.lineTo(0.92, 1.0);
        break;
    case 3:
        p.moveTo(0.12, 0.14);
        p.cubicTo(0.32, -0.06, 0.88, -0.04, 0.86, 0.25);
        p.cubicTo(0.85, 0.42, 0.62, 0.47, 0.40, 0.47);
        p.cubicTo(0.70, 0.47, 0.92, 0.56, 0.92, 0.74);
        p.cubicTo(0.92, 1.06, 0.26, 1.06, 0.08, 0.86);
        break;
    case 4:
        p.moveTo(0.70, 1.0);
        p.lineTo(0.70, 0.0);
        p.lineTo(0.06, 0.68);
        p.lineTo(0.96, 0.68);
        break;
    case 5:
        p.moveTo(0.86, 0.0);
        p.lineTo(0.22, 0.0);
        p.lineTo(0.16, 0.44);
        p.cubicTo(0.42, 0.33, 0.92, 0.38, 0.92, 0.70);
        p.cubicTo(0.92, 1.06, 0.26, 1.06, 0.08, 0.88);
        break;
    case 6:
        p.moveTo(0.80, 0.04);
        p.cubicTo(0.46, -0.08, 0.10, 0.18, 0.10, 0.64);
        p.addEllipse(QRectF(0.10, 0.34, 0.80, 0.66));
        break;
    default:
        break;
    }
    return p;
}

const std::uint8_t* pixelDigit(int digit) {
    static const std::uint8_t font[7][7] = {
        {0, 0, 0, 0, 0, 0, 0},
        {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110},
        {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111},
        {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110},
        {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010},
        {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110},
        {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110},
    };
    return font[std::clamp(digit, 0, 6)];
}

int sevenSegmentMask(int digit) {
    static const int masks[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    return masks[std::clamp(digit, 0, 9)];
}

namespace {

// Segment 0..6 of a digit filling the box: a bar `thickness` thick on the
// line `centre`, running along [from, to], its ends cut at 45 degrees and set
// back by gapFrom and gapTo from the corner points.
struct SegmentBar {
    bool upright;
    double centre, from, to, gapFrom, gapTo;
};

SegmentBar segmentBar(int segment, const QRect& box, int t) {
    // Bar centre lines.
    const double half = t / 2.0;
    const double left = box.left() + half, right = box.left() + box.width() - half;
    const double top = box.top() + half, bottom = box.top() + box.height() - half, mid = (top + bottom) / 2;
    switch (segment) {
    case 0: return {false, top, left, right, 0.5, 0.5};
    case 1: return {true, right, top, mid, 0.5, 0};
    case 2: return {true, right, mid, bottom, 0, 0.5};
    case 3: return {false, bottom, left, right, 0.5, 0.5};
    case 4: return {true, left, mid, bottom, 0, 0.5};
    case 5: return {true, left, top, mid, 0.5, 0};
    default: return {false, mid, left, right, 0.5, 0.5};
    }
}

}  // namespace

bool inSevenSegment(int segment, int px, int py, const QRect& box, int t) {
    if (segment < 0 || segment > 6) return false;
    const SegmentBar b = segmentBar(segment, box, t);
    // Measured at the pixel's centre.
    const double x = px + 0.5, y = py + 0.5, half = t / 2.0;
    const double d = std::abs(b.upright ? x - b.centre : y - b.centre), along = b.upright ? y : x;
    return d < half && along - b.from >= d + b.gapFrom && b.to - along >= d + b.gapTo;
}

QPolygonF sevenSegmentShape(int segment, const QRect& box, int t) {
    const SegmentBar b = segmentBar(segment, box, t);
    const double half = t / 2.0, start = b.from + b.gapFrom, end = b.to - b.gapTo;
    // Where two upright bars meet without a gap their ends are square, so
    // that drawn smooth a 1 is one stroke and not two pinched ones.
    const double startCut = b.gapFrom > 0 ? half : 0, endCut = b.gapTo > 0 ? half : 0;
    // (along, across) round the bar's outline.
    const QPointF outline[6] = {{start, 0},         {start + startCut, -half}, {end - endCut, -half},
                                {end, 0},           {end - endCut, half},      {start + startCut, half}};
    QPolygonF shape;
    for (const QPointF& o : outline)
        shape << (b.upright ? QPointF(b.centre + o.y(), o.x()) : QPointF(o.x(), b.centre + o.y()));
    return shape;
}

QList<QPointF> pipLayout(int value) {
    const double a = 0.0, m = 0.5, b = 1.0;  // corners of the pip grid, mapped by the caller
    switch (value) {
    case 1: return {{m, m}};
    case 2: return {{b, a}, {a, b}};
    case 3: return {{b, a}, {m, m}, {a, b}};
    case 4: return {{a, a}, {b, a}, {a, b}, {b, b}};
    case 5: return {{a, a}, {b, a}, {m, m}, {a, b}, {b, b}};
    case 6: return {{a, a}, {b, a}, {a, m}, {b, m}, {a, b}, {b, b}};
    default: return {};
    }
}

void fillDiscAliased(QImage& image, double cx, double cy, double radius, QColor colour) {
    const QRgb rgb = colour.rgba();
    for (int y = int(cy - radius - 1); y <= int(cy + radius + 1); ++y) {
        for (int x = int(cx - radius - 1); x <= int(cx + radius + 1); ++x) {
            if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) continue;
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= radius * radius) image.setPixel(x, y, rgb);
        }
    }
}

void beginAtScale(QPainter& p, QImage& image, int scale) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (scale > 1) p.scale(scale, scale);
}

QPainterPath starPath(QPointF c, double outer, double inner, double rotationDegrees) {
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const double angle = qDegreesToRadians(rotationDegrees + 36.0 * i);
        const double radius = (i % 2 == 0) ? outer : inner;
        const QPointF pt(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

void drawIsoDie(QPainter& p, QPointF top, double edge, const QColor& body, const QColor& pip, int topValue,
                int leftValue, int rightValue) {
    const double cx = std::cos(qDegreesToRadians(30.0)) * edge, cy = 0.5 * edge;
    const QPointF t = top, l(top.x() - cx, top.y() + cy), r(top.x() + cx, top.y() + cy),
                  c(top.x(), top.y() + 2 * cy);
    const QPointF down(0, edge);
    struct Face {
        QPointF origin, u, v;  // origin + s*u + t*v, s and t in [0, 1]
        QColor shade;
        int value;
    };
    const Face faces[3] = {
        {t, r - t, l - t, body.lighter(118), topValue},
        {l, c - l, down, body.darker(112), leftValue},
        {c, r - c, down, body.darker(145), rightValue},
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const Face& f : faces) {
        const QTransform map(f.u.x(), f.u.y(), f.v.x(), f.v.y(), f.origin.x(), f.origin.y());
        QPainterPath square;
        square.addRoundedRect(QRectF(0, 0, 1, 1), 0.10, 0.10);
        QLinearGradient g(map.map(QPointF(0, 0)), map.map(QPointF(1, 1)));
        g.setColorAt(0, f.shade.lighter(110));
        g.setColorAt(1, f.shade.darker(108));
        p.setPen(QPen(body.darker(190), std::max(1.0, edge / 40.0)));
        p.setBrush(g);
        p.drawPath(map.map(square));
        p.setPen(Qt::NoPen);
        const QColor pipShade = (f.value == topValue && &f == &faces[0]) ? pip : pip.darker(115);
        for (const QPointF& pt : pipLayout(f.value)) {
            const QPointF s(0.22 + 0.56 * pt.x(), 0.22 + 0.56 * pt.y());
            QPainterPath dot;
            dot.addEllipse(s, 0.095, 0.095);
            p.setBrush(pipShade);
            p.drawPath(map.map(dot));
        }
    }
    p.restore();
}

}  // namespace resgen
