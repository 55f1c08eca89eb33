// Window positions are designed in twips; the screen is addressed in
// device-independent pixels at 15 twips each. Qt's device-pixel ratio takes
// care of screens with more pixels per inch.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zarvel {

constexpr int kTwipsPerPixel = 15;
// A window's designed height counts its caption bar; the client area is
// the rest.
constexpr int kCaptionTwips = 405;

// Rounded to the nearest pixel, halves away from zero.
constexpr int Px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QPoint TwipPoint(int left, int top) { return QPoint(Px(left), Px(top)); }

}  // namespace zarvel
