// How well text of one colour reads on a picture: the WCAG relative
// luminance and contrast, and the contrast that most of a box reaches.
#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zarvel::test {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
inline double Luminance(QRgb c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

inline double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// The contrast with text of luminance `text` that 98% of the pixels of
// `box` in `picture` reach; that allows for a few pixels of JPEG ringing, a
// speck or a thin line crossing the box, not for an edge or a stripe along
// it (a one-pixel line along a 17-pixel row is 6% of the box). The worst
// pixel's contrast goes to `worst`. 0 for a box outside the picture.
inline double ContrastOfMostOf(const QImage& picture, const QRect& box, double text, double* worst = nullptr) {
    const QRect r = box.intersected(picture.rect());
    std::vector<double> ratios;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) ratios.push_back(Contrast(text, Luminance(picture.pixel(x, y))));
    if (ratios.empty()) return 0;
    std::sort(ratios.begin(), ratios.end());
    if (worst) *worst = ratios.front();
    return ratios[ratios.size() / 50];
}

}  // namespace zarvel::test
