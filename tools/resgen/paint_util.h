// Small drawing helpers shared by the face, picture and background painters.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cstdint>

class QPainter;

namespace resgen {

// Deterministic generator (xorshift) so every build writes the same bytes.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint32_t state_;
};

// Smooth value noise in [0, 1] and its fractal sum; seed picks the lattice.
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);

// A colour number written &H00BBGGRR.
QColor fromBgr(std::uint32_t bgr);

QColor mix(const QColor& a, const QColor& b, double t);

// Path of digit 1..6 as strokes in the unit square (to be stroked, not filled).
QPainterPath digitStrokes(int digit);

// 5x7 pixel-font rows for digit 1..6, bit 4 the leftmost column.
const std::uint8_t* pixelDigit(int digit);

// Seven-segment lit mask for digit 0..9, bit 0 = a (top) ... bit 6 = g (middle).
int sevenSegmentMask(int digit);
// Whether pixel (px, py) lies in segment 0..6 of a digit filling the box:
// bars `thickness` pixels thick with bevelled ends, a pixel's notch where
// two bars meet at a corner but none where the two upright bars of a side
// meet, so that a 1 is one stroke and not two dots.
bool inSevenSegment(int segment, int px, int py, const QRect& box, int thickness);
// The same segment as a shape in the same coordinates, for drawing smooth
// at a larger scale.
QPolygonF sevenSegmentShape(int segment, const QRect& box, int thickness);

// Pip centres for face 1..6 in the unit square (0.5, 0.5 the centre).
QList<QPointF> pipLayout(int value);

// Fills a disc pixel by pixel, without antialiasing, so small pips come out
// symmetric: every pixel whose centre lies within radius of (cx, cy).
void fillDiscAliased(QImage& image, double cx, double cy, double radius, QColor colour);

// Begins painting on `image`, antialiased, in the coordinates of the same
// picture at 1x: `image` is `scale` times its size.
void beginAtScale(QPainter& p, QImage& image, int scale);

// Five-pointed star path centred at c.
QPainterPath starPath(QPointF c, double outer, double inner, double rotationDegrees = -90);

// An isometric die: the top, left and right faces of a cube whose top corner is
// at `top`, with the given edge length, showing the three values.
void drawIsoDie(QPainter& p, QPointF top, double edge, const QColor& body, const QColor& pip,
                int topValue, int leftValue, int rightValue);

}  // namespace resgen
