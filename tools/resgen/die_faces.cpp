#include "die_faces.h"

#include "image_writers.h"
#include "paint_util.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace resgen {

namespace {

// ---- 16-colour skins: drawn pixel by pixel from a fixed palette -----------

struct PlainColours {
    QColor outline, shadow, body, highlight, pip, pipShade;
};

bool insideRounded(double px, double py, double w, double h, double r) {
    if (px < 0 || py < 0 || px > w || py > h) return false;
    const double cx = std::clamp(px, r, w - r), cy = std::clamp(py, r, h - r);
    return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

// A bevelled rounded body: 1-pixel outline, a light rim up and left, a dark
// rim down and right.
void paintBevelBody(QImage& img, const QRect& area, double radius, const PlainColours& c) {
    auto inside = [&](int x, int y) {
        return insideRounded(x - area.left() + 0.5, y - area.top() + 0.5, area.width(), area.height(), radius);
    };
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!inside(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            QColor colour = c.body;
            if (edge)
                colour = c.outline;
            else if (!inside(x + 2, y + 2) || !inside(x + 1, y + 2) || !inside(x + 2, y + 1))
                colour = c.shadow;
            else if (!inside(x - 2, y - 2) || !inside(x - 1, y - 2) || !inside(x - 2, y - 1))
                colour = c.highlight;
            img.setPixel(x, y, colour.rgb());
        }
}

// The same body as smooth shapes, for the larger variants: a pixel is rim
// where the inner outline shifted a pixel down-right (shadow) or up-left
// (highlight) leaves it, as the pixel version tells them apart.
void paintBevelShapes(QPainter& p, const QRectF& area, double radius, const PlainColours& c) {
    QPainterPath outer, inner;
    outer.addRoundedRect(area, radius, radius);
    inner.addRoundedRect(area.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    const QPainterPath lit = inner.intersected(inner.translated(-1, -1));
    p.fillPath(outer, c.outline);
    p.fillPath(inner, c.shadow);
    p.fillPath(lit, c.highlight);
    p.fillPath(lit.intersected(inner.translated(1, 1)), c.body);
}

QImage canvas(const SkinSpec& s, int scale) {
    QImage img(s.width * scale, s.height * scale, QImage::Format_RGB32);
    img.fill(fromBgr(s.trayBack));
    return img;
}

QImage plainFace(const SkinSpec& s, int value, const PlainColours& c, int scale) {
    QImage img = canvas(s, scale);
    QPainter p;
    if (scale == 1)
        paintBevelBody(img, img.rect(), 5.0, c);
    else {
        beginAtScale(p, img, scale);
        paintBevelShapes(p, QRectF(0, 0, s.width, s.height), 5.0, c);
    }
    // Pip grid: the unit square's corners at 7 pixels from the centre.
    const double cx = s.width / 2.0, cy = s.height / 2.0, step = 7.0;
    for (const QPointF& pt : pipLayout(value)) {
        const double x = cx + (pt.x() * 2 - 1) * step, y = cy + (pt.y() * 2 - 1) * step;
        // A sunken pip: its shade shows as a crescent at the upper left.
        if (scale == 1) {
            fillDiscAliased(img, x, y, 2.75, c.pipShade);
            fillDiscAliased(img, x + 0.55, y + 0.55, 2.45, c.pip);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(c.pipShade);
            p.drawEllipse(QPointF(x, y), 2.75, 2.75);
            p.setBrush(c.pip);
            p.drawEllipse(QPointF(x + 0.55, y + 0.55), 2.45, 2.45);
        }
    }
    return img;
}

QList<QColor> plainPalette(const SkinSpec& s, const PlainColours& c) {
    return {fromBgr(s.trayBack), c.outline, c.shadow, c.body, c.highlight, c.pip, c.pipShade};
}

PlainColours plainColoursOf(const QString& name) {
    if (name == "Blue")
        return {QColor(6, 14, 70), QColor(14, 36, 132), QColor(28, 70, 204), QColor(112, 152, 246),
                QColor(255, 255, 255), QColor(150, 166, 214)};
    if (name == "Red")
        return {QColor(64, 0, 0), QColor(132, 10, 14), QColor(206, 26, 30), QColor(248, 118, 112),
                QColor(255, 255, 255), QColor(224, 160, 160)};
    if (name == "Purple")
        return {QColor(38, 6, 62), QColor(78, 22, 116), QColor(128, 44, 178), QColor(186, 128, 224),
                QColor(255, 255, 255), QColor(196, 170, 220)};
    if (name == "Gray")
        return {QColor(62, 62, 68), QColor(126, 126, 134), QColor(190, 190, 196), QColor(238, 238, 242),
                QColor(18, 18, 22), QColor(92, 92, 98)};
    if (name == "Black")
        return {QColor(0, 0, 0), QColor(10, 10, 12), QColor(34, 34, 40), QColor(104, 104, 114),
                QColor(255, 255, 255), QColor(150, 150, 158)};
    // Green
    return {QColor(0, 42, 10), QColor(8, 88, 30), QColor(22, 146, 56), QColor(108, 210, 126),
            QColor(255, 255, 255), QColor(160, 206, 168)};
}

// Seven-segment faces, segments filled without antialiasing.
struct SegmentColours {
    QColor bezel, bezelLight, panel, ghost, lit;
};

QImage segmentFace(const SkinSpec& s, int value, const SegmentColours& c, const QRect& digitBox, int thickness,
                   int scale) {
    QImage img = canvas(s, scale);
    const PlainColours frame{c.bezel.darker(160), c.bezel.darker(125), c.bezel, c.bezelLight, {}, {}};
    QPainter p;
    if (scale == 1) {
        paintBevelBody(img, img.rect(), 4.0, frame);
        p.begin(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        beginAtScale(p, img, scale);
        paintBevelShapes(p, QRectF(0, 0, s.width, s.height), 4.0, frame);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c.panel.darker(130));
    p.drawRect(QRect(3, 3, s.width - 6, s.height - 6));
    p.setBrush(c.panel);
    p.drawRect(QRect(4, 4, s.width - 8, s.height - 8));
    const int mask = sevenSegmentMask(value);
    if (scale > 1) {
        // Unlit segments first, so a lit one lies over any corner they share.
        for (bool lit : {false, true}) {
            p.setBrush(lit ? c.lit : c.ghost);
            for (int seg = 0; seg < 7; ++seg)
                if (bool(mask & (1 << seg)) == lit) p.drawPolygon(sevenSegmentShape(seg, digitBox, thickness));
        }
        return img;
    }
    p.end();
    // Pixel by pixel: at this size a smoothed outline turns bars into blobs.
    for (int y = digitBox.top(); y <= digitBox.bottom(); ++y)
        for (int x = digitBox.left(); x <= digitBox.right(); ++x)
            for (int seg = 0; seg < 7; ++seg)
                if (inSevenSegment(seg, x, y, digitBox, thickness)) {
                    img.setPixel(x, y, ((mask & (1 << seg)) ? c.lit : c.ghost).rgb());
                    if (mask & (1 << seg)) break;
                }
    return img;
}

// The unlit segments are only a shade off the panel, so that they hint at
// the display without competing with the digit.
const SegmentColours digi1Colours{QColor(70, 74, 78), QColor(140, 146, 150), QColor(156, 174, 122),
                                  QColor(146, 164, 112), QColor(24, 34, 22)};
const SegmentColours digi2Colours{QColor(44, 44, 48), QColor(104, 104, 112), QColor(255, 186, 58),
                                  QColor(244, 172, 50), QColor(60, 24, 6)};

QImage digi1Face(const SkinSpec& s, int v, int scale) {
    return segmentFace(s, v, digi1Colours, QRect(8, 6, 13, 19), 3, scale);
}
QImage digi2Face(const SkinSpec& s, int v, int scale) {
    return segmentFace(s, v, digi2Colours, QRect(7, 5, 11, 14), 2, scale);
}

QList<QColor> segmentPalette(const SkinSpec& s, const SegmentColours& c) {
    return {fromBgr(s.trayBack), c.bezel.darker(160), c.bezel.darker(125), c.bezel, c.bezelLight,
            c.panel.darker(130), c.panel, c.ghost, c.lit};
}

// ---- 24-bit skins: antialiased painting ----------------------------------

QPainterPath roundedBody(const QRectF& r, double radius) {
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

void glossyPip(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& rim, double rimWidth) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
    g.setColorAt(0, fill.lighter(150));
    g.setColorAt(0.55, fill);
    g.setColorAt(1, fill.darker(140));
    p.setPen(rimWidth > 0 ? QPen(rim, rimWidth) : Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void pipsAt(const SkinSpec& s, int value, double step, const std::function<void(QPointF)>& draw) {
    const double cx = s.width / 2.0, cy = s.height / 2.0;
    for (const QPointF& pt : pipLayout(value)) draw(QPointF(cx + (pt.x() * 2 - 1) * step, cy + (pt.y() * 2 - 1) * step));
}

// Fills the rounded die body with a top-to-bottom gradient and clips the
// painter to it, so the decoration after it stays inside the die.
QPainterPath fillBody(QPainter& p, const SkinSpec& s, double radius, const QColor& top, const QColor& bottom) {
    const QPainterPath body = roundedBody(QRectF(0.5, 0.5, s.width - 1, s.height - 1), radius);
    QLinearGradient gradient(0, 0, 0, s.height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPath(body);
    p.setClipPath(body);
    return body;
}

QImage cloudsFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    QPainter p;
    beginAtScale(p, img, scale);
    const QPainterPath body = fillBody(p, s, 4.5, QColor(40, 110, 215), QColor(150, 200, 250));
    Rng rng(1000u + std::uint32_t(value) * 7919u);
    for (int cloud = 0; cloud < 3; ++cloud) {
        const QPointF base(rng.range(2, s.width - 2), rng.range(4, s.height - 4));
        const double size = rng.range(3.0, 5.0);
        for (int puff = 0; puff < 5; ++puff) {
            const QPointF at = base + QPointF((puff - 2) * size * 0.8, -std::sin(puff * 0.75) * size * 0.5);
            QRadialGradient g(at, size * 1.1);
            g.setColorAt(0, QColor(255, 255, 255, 235));
            g.setColorAt(0.7, QColor(245, 248, 255, 190));
            g.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(g);
            p.drawEllipse(at, size * 1.1, size * 0.9);
        }
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 50, 120), 1.0));
    p.drawPath(body);
    pipsAt(s, value, 7.0, [&](QPointF c) { glossyPip(p, c, 2.9, QColor(12, 28, 92), QColor(255, 255, 255, 230), 0.9); });
    return img;
}

QImage marblesFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    const QPainterPath body = roundedBody(QRectF(0.5, 0.5, s.width - 1, s.height - 1), 4.5);
    // Polished stone: a pale ground with a few thin, smooth veins. At 29
    // pixels fine turbulence only reads as grime, so the veins are slow
    // curves and stay light beside the pips.
    QImage texture(s.width * scale, s.height * scale, QImage::Format_RGB32);
    const std::uint32_t seed = 500u + std::uint32_t(value) * 31u;
    const QColor light(248, 245, 238), shade(226, 220, 210), vein(146, 158, 190), warm(200, 160, 168);
    for (int row = 0; row < texture.height(); ++row)
        for (int column = 0; column < texture.width(); ++column) {
            // Sampled in face pixels, where 1x samples each pixel's corner.
            const double x = (column + 0.5) / scale - 0.5, y = (row + 0.5) / scale - 0.5;
            const double bend = fractalNoise(x / 14.0, y / 14.0, seed, 2);
            const double cloud = fractalNoise(x / 8.0, y / 8.0, seed + 7, 2);
            const double along = 1.0 - std::abs(std::sin(x * 0.16 + y * 0.09 + 5.0 * bend));
            const double across = 1.0 - std::abs(std::sin(x * 0.07 - y * 0.19 + 4.0 * bend + value));
            QColor c = mix(light, shade, (x + y) / double(s.width + s.height));
            c = mix(c, QColor(212, 214, 226), std::clamp((cloud - 0.4) * 0.8, 0.0, 0.3));
            // Each vein: a soft halo round a sharper core.
            c = mix(c, vein, std::pow(along, 4.0) * 0.25 + std::pow(along, 16.0) * 0.55);
            c = mix(c, warm, std::pow(across, 5.0) * 0.15 + std::pow(across, 18.0) * 0.35);
            texture.setPixel(column, row, c.rgb());
        }
    QPainter p;
    beginAtScale(p, img, scale);
    p.setPen(Qt::NoPen);
    QBrush stone(texture);
    if (scale > 1) stone.setTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale));
    p.setBrush(stone);
    p.drawPath(body);
    QLinearGradient sheen(0, 0, s.width, s.height);
    sheen.setColorAt(0, QColor(255, 255, 255, 110));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(60, 50, 80, 40));
    p.setBrush(sheen);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(112, 108, 126), 1.0));
    p.drawPath(body);
    pipsAt(s, value, 7.0, [&](QPointF c) {
        glossyPip(p, c, 3.1, QColor(28, 26, 40), QColor(255, 255, 255, 160), 0.6);
    });
    return img;
}

QImage keysFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    QPainter p;
    beginAtScale(p, img, scale);
    // The keycap's skirt, then its slightly dished top face.
    QLinearGradient skirt(0, 0, 0, s.height);
    skirt.setColorAt(0, QColor(196, 190, 172));
    skirt.setColorAt(1, QColor(128, 122, 106));
    p.setPen(QPen(QColor(60, 56, 48), 1.0));
    p.setBrush(skirt);
    p.drawRoundedRect(QRectF(0.5, 0.5, s.width - 1, s.height - 1), 4, 4);
    const QRectF top(4.5, 2.5, s.width - 9, s.height - 9);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0, QColor(246, 243, 232));
    face.setColorAt(1, QColor(220, 215, 200));
    p.setPen(QPen(QColor(170, 164, 146), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(top, 3, 3);
    const QRectF glyph(top.center().x() - 4.6, top.center().y() - 6.6, 9.2, 13.2);
    const QTransform toGlyph(glyph.width(), 0, 0, glyph.height(), glyph.left(), glyph.top());
    QPen pen(QColor(34, 34, 40), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(toGlyph.map(digitStrokes(value)));
    return img;
}

QImage billiardsFace(const SkinSpec& s, int value, int scale) {
    static const QColor ballColours[7] = {{}, {250, 200, 20}, {24, 64, 196}, {214, 32, 30},
                                          {104, 34, 148}, {246, 122, 22}, {16, 124, 62}};
    QImage img = canvas(s, scale);
    const int left = s.width / 2 - 2, topRow = s.height / 2 - 3;
    {
        QPainter p;
        beginAtScale(p, img, scale);
        const QPointF centre(s.width / 2.0, s.height / 2.0);
        const double radius = s.width / 2.0 - 0.4;
        // A soft shadow on the felt.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 60, 0, 120));
        p.drawEllipse(centre + QPointF(0.8, 1.2), radius, radius);
        const QColor base = ballColours[value];
        QRadialGradient g(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.45);
        g.setColorAt(0, base.lighter(135));
        g.setColorAt(0.5, base);
        g.setColorAt(1, base.darker(250));
        p.setBrush(g);
        p.drawEllipse(centre, radius, radius);
        p.setBrush(QColor(252, 252, 248));
        p.setPen(QPen(QColor(0, 0, 0, 60), 0.6));
        p.drawEllipse(centre + QPointF(0, 0.5), 6.6, 6.6);
        QRadialGradient shine(centre + QPointF(-6.5, -7.5), 3.5);
        shine.setColorAt(0, QColor(255, 255, 255, 230));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(centre + QPointF(-6.5, -7.5), 3.5, 3.0);
        if (scale > 1) {
            // With pixels to spare the number is a stroked figure in the
            // 5x7 box the 1x font fills.
            const QRectF glyph(left + 0.6, topRow + 0.6, 3.8, 5.8);
            p.setPen(QPen(QColor(12, 12, 12), 1.15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(QTransform(glyph.width(), 0, 0, glyph.height(), glyph.left(), glyph.top()).map(digitStrokes(value)));
            return img;
        }
    }
    // The number in crisp pixels, centred in the white circle.
    const std::uint8_t* rows = pixelDigit(value);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c)
            if (rows[r] & (0x10 >> c)) img.setPixel(left + c, topRow + r, qRgb(12, 12, 12));
    return img;
}

QImage patriotFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    QPainter p;
    beginAtScale(p, img, scale);
    const QPainterPath body = roundedBody(QRectF(0.5, 0.5, s.width - 1, s.height - 1), 4.5);
    p.setClipPath(body);
    // Seven broad stripes, red at top and bottom: narrow ones fight with
    // the pips for the eye.
    for (int stripe = 0; stripe < 7; ++stripe) {
        const int top = stripe * s.height / 7, bottom = (stripe + 1) * s.height / 7;
        p.fillRect(QRect(0, top, s.width, bottom - top), stripe % 2 ? QColor(250, 248, 244) : QColor(200, 26, 40));
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(16, 28, 96), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    const QColor navy(22, 40, 128);
    if (value == 1) {
        const QPointF c(s.width / 2.0, s.height / 2.0);
        p.setPen(QPen(Qt::white, 1.0));
        p.setBrush(navy);
        p.drawEllipse(c, 7.5, 7.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(starPath(c + QPointF(0, 0.6), 6.2, 2.5));
        return img;
    }
    // Big navy pips ringed in white, so they stand out on red and on white,
    // spread wider than other skins' to leave room between them.
    pipsAt(s, value, 8.0, [&](QPointF c) {
        p.setPen(QPen(Qt::white, 1.0));
        p.setBrush(navy);
        p.drawEllipse(c, 3.4, 3.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawPath(starPath(c + QPointF(0, 0.3), 2.2, 0.9));
    });
    return img;
}

QImage bubblesFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    QPainter p;
    beginAtScale(p, img, scale);
    const QPainterPath body = fillBody(p, s, 5, QColor(110, 214, 240), QColor(24, 120, 196));
    Rng rng(77u + std::uint32_t(value) * 13u);
    for (int i = 0; i < 9; ++i) {
        const QPointF c(rng.range(1, s.width - 1), rng.range(1, s.height - 1));
        const double r = rng.range(0.9, 2.2);
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.6));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(c, r, r);
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 70, 130), 1.0));
    p.drawPath(body);
    pipsAt(s, value, 7.0, [&](QPointF c) {
        QRadialGradient g(c, 3.3);
        g.setColorAt(0, QColor(20, 60, 150));
        g.setColorAt(0.75, QColor(10, 40, 120));
        g.setColorAt(1, QColor(200, 240, 255));
        p.setPen(QPen(QColor(255, 255, 255, 220), 0.8));
        p.setBrush(g);
        p.drawEllipse(c, 3.2, 3.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(c + QPointF(-1.1, -1.1), 0.9, 0.9);
    });
    return img;
}

QImage computerFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    {
        QPainter p;
        beginAtScale(p, img, scale);
        QLinearGradient casing(0, 0, 0, s.height);
        casing.setColorAt(0, QColor(206, 202, 186));
        casing.setColorAt(1, QColor(146, 142, 126));
        p.setPen(QPen(QColor(70, 68, 60), 1.0));
        p.setBrush(casing);
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width - 1, s.height - 1), 3.5, 3.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(4, 14, 6));
        p.drawRoundedRect(QRectF(2, 2, s.width - 4, s.height - 4), 2, 2);
    }
    // Glow first, then the lit pixels: each font pixel is a 3x3 cell whose
    // last row is left dark, like a scan line.
    const std::uint8_t* rows = pixelDigit(value);
    const int left = (s.width - 15) / 2, top = (s.height - 21) / 2;
    auto lit = [&](int fx, int fy) { return fx >= 0 && fy >= 0 && fx < 5 && fy < 7 && (rows[fy] & (0x10 >> fx)); };
    if (scale > 1) {
        // The cells and scan lines are squares and bars, sharp at any scale;
        // the glow fades with the distance from the nearest lit cell instead
        // of filling whole cells round it.
        for (int py = 3 * scale; py < (s.height - 3) * scale; ++py)
            for (int px = 3 * scale; px < (s.width - 3) * scale; ++px) {
                const double x = (px + 0.5) / scale, y = (py + 0.5) / scale;
                const double cx = (x - left) / 3, cy = (y - top) / 3;
                const int fx = int(std::floor(cx)), fy = int(std::floor(cy));
                const bool scan = cy - fy >= 2.0 / 3;
                QColor colour = (py / scale % 3 == 2) ? QColor(2, 8, 3) : QColor(4, 16, 6);
                if (lit(fx, fy)) {
                    colour = scan ? QColor(20, 120, 40) : QColor(90, 255, 120);
                } else {
                    double nearest = 9;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (lit(fx + dx, fy + dy)) {
                                const double ox = std::max({0.0, fx + dx - cx, cx - (fx + dx + 1)});
                                const double oy = std::max({0.0, fy + dy - cy, cy - (fy + dy + 1)});
                                nearest = std::min(nearest, 3 * std::hypot(ox, oy));
                            }
                    if (nearest < 3)
                        colour = mix(colour, scan ? QColor(8, 40, 14) : QColor(10, 52, 18), 1.2 - nearest / 2.5);
                }
                img.setPixel(px, py, colour.rgb());
            }
        return img;
    }
    for (int y = 3; y < s.height - 3; ++y)
        for (int x = 3; x < s.width - 3; ++x) {
            const int fx = (x - left + 30) / 3 - 10, fy = (y - top + 30) / 3 - 10;
            const bool scan = (y - top + 30) % 3 == 2;
            QRgb colour = (y % 3 == 2) ? qRgb(2, 8, 3) : qRgb(4, 16, 6);
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) near = lit(fx + dx, fy + dy);
            if (near) colour = scan ? qRgb(8, 40, 14) : qRgb(10, 52, 18);
            if (lit(fx, fy)) colour = scan ? qRgb(20, 120, 40) : qRgb(90, 255, 120);
            img.setPixel(x, y, colour);
        }
    return img;
}

void drawRomanI(QPainter& p, double x, double top, double h) {
    p.drawRect(QRectF(x + 2, top, 2, h));
    p.drawRect(QRectF(x, top, 6, 1.2));
    p.drawRect(QRectF(x, top + h - 1.2, 6, 1.2));
}

void drawRomanV(QPainter& p, double x, double top, double h) {
    QPainterPath v;
    v.moveTo(x + 0.6, top);
    v.lineTo(x + 3.6, top);
    v.lineTo(x + 6.6, top + h - 3.5);
    v.lineTo(x + 9.4, top);
    v.lineTo(x + 10.8, top);
    v.lineTo(x + 6.2, top + h);
    v.lineTo(x + 5.2, top + h);
    v.closeSubpath();
    p.drawPath(v);
    p.drawRect(QRectF(x - 0.6, top, 5.6, 1.2));
    p.drawRect(QRectF(x + 8.0, top, 4.4, 1.2));
}

QImage romanFace(const SkinSpec& s, int value, int scale) {
    QImage img = canvas(s, scale);
    QPainter p;
    beginAtScale(p, img, scale);
    QLinearGradient ivory(0, 0, s.width, s.height);
    ivory.setColorAt(0, QColor(252, 244, 222));
    ivory.setColorAt(1, QColor(214, 196, 158));
    p.setPen(QPen(QColor(96, 70, 36), 1.0));
    p.setBrush(ivory);
    p.drawRoundedRect(QRectF(0.5, 0.5, s.width - 1, s.height - 1), 4.5, 4.5);
    p.setPen(QPen(QColor(176, 146, 96), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, s.width - 5, s.height - 5), 2.5, 2.5);
    // Numerals: I is 6 wide, V 12 wide, one pixel apart.
    static const char* numerals[7] = {"", "I", "II", "III", "IV", "V", "VI"};
    const QString text = numerals[value];
    double width = -1;
    for (QChar ch : text) width += (ch == 'I' ? 6 : 12) + 1;
    const double h = 15, top = std::floor((s.height - h) / 2.0);
    double x = std::floor((s.width - width) / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 26, 18));
    for (QChar ch : text) {
        if (ch == 'I') {
            drawRomanI(p, x, top, h);
            x += 7;
        } else {
            drawRomanV(p, x, top, h);
            x += 13;
        }
    }
    return img;
}

QList<QColor> paletteOf(const SkinSpec& s) {
    const QString name = s.entry;
    if (name == "Digi-1") return segmentPalette(s, digi1Colours);
    if (name == "Digi-2") return segmentPalette(s, digi2Colours);
    return plainPalette(s, plainColoursOf(name));
}

}  // namespace

QImage faceImage(const SkinSpec& s, int value, int scale) {
    const QString name = s.entry;
    if (name == "Clouds") return cloudsFace(s, value, scale);
    if (name == "Marbles") return marblesFace(s, value, scale);
    if (name == "Keys") return keysFace(s, value, scale);
    if (name == "Billiards") return billiardsFace(s, value, scale);
    if (name == "Patriot") return patriotFace(s, value, scale);
    if (name == "Bubbles") return bubblesFace(s, value, scale);
    if (name == "Computer") return computerFace(s, value, scale);
    if (name == "Roman") return romanFace(s, value, scale);
    if (name == "Digi-1") return digi1Face(s, value, scale);
    if (name == "Digi-2") return digi2Face(s, value, scale);
    return plainFace(s, value, plainColoursOf(name), scale);
}

QByteArray faceBitmap(const SkinSpec& skin, int value) {
    const QImage face = faceImage(skin, value, 1);
    return skin.sixteenColours ? writeBmp4(face, paletteOf(skin)) : writeBmp24(face);
}

namespace {

// The divider's columns, dark at the edges and bright in the middle, so it
// reads as a rounded bar.
constexpr QRgb kDividerColumns[5] = {qRgb(40, 40, 70), qRgb(150, 150, 190), qRgb(245, 245, 255),
                                     qRgb(120, 120, 160), qRgb(30, 30, 55)};

}  // namespace

QImage dividerImage(int scale) {
    // A bevelled vertical bar between the dice of this roll and earlier ones,
    // its end rows darker.
    QImage img(5 * scale, 42 * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QColor c(kDividerColumns[x / scale]);
            if (scale > 1) {
                // Shaded smoothly from one column's centre to the next.
                const double at = std::clamp((x + 0.5) / scale - 0.5, 0.0, 4.0);
                const int i = std::min(int(at), 3);
                c = mix(QColor(kDividerColumns[i]), QColor(kDividerColumns[i + 1]), at - i);
            }
            if (y < scale || y >= 41 * scale) c = c.darker(140);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

QImage markerImage(int scale) {
    if (scale == 1) {
        // A small bright dot: yellow core, orange rim, darker corners.
        static const QRgb rows[4][4] = {
            {qRgb(150, 40, 0), qRgb(255, 120, 0), qRgb(255, 120, 0), qRgb(150, 40, 0)},
            {qRgb(255, 120, 0), qRgb(255, 255, 140), qRgb(255, 230, 40), qRgb(255, 120, 0)},
            {qRgb(255, 120, 0), qRgb(255, 230, 40), qRgb(255, 200, 0), qRgb(255, 120, 0)},
            {qRgb(150, 40, 0), qRgb(255, 120, 0), qRgb(255, 120, 0), qRgb(150, 40, 0)},
        };
        QImage img(4, 4, QImage::Format_RGB32);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) img.setPixel(x, y, rows[y][x]);
        return img;
    }
    // The same dot round: an orange disc on the dark corners' colour, its
    // yellow core lit from the upper left.
    QImage img(4 * scale, 4 * scale, QImage::Format_RGB32);
    img.fill(QColor(150, 40, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 0));
    p.drawEllipse(QPointF(2, 2), 2.1, 2.1);
    QRadialGradient core(QPointF(2, 2), 1.3, QPointF(1.5, 1.5));
    core.setColorAt(0, QColor(255, 255, 140));
    core.setColorAt(0.55, QColor(255, 230, 40));
    core.setColorAt(1, QColor(255, 200, 0));
    p.setBrush(core);
    p.drawEllipse(QPointF(2, 2), 1.3, 1.3);
    return img;
}

QByteArray dividerBitmap() { return writeBmp24(dividerImage(1)); }

QByteArray markerBitmap() { return writeBmp24(markerImage(1)); }

}  // namespace resgen
