// Window positions are designed in twips; the screen is addressed in
// device-independent pixels at 15 twips each, times the windows' zoom.
// Qt's device-pixel ratio takes care of screens with more pixels per inch.
//
// The zoom is one factor for every window of the game, held here. A length
// at a zoom is the designed length in whole pixels (as at 100 %) times the
// factor, rounded: so every place and size is the 100 % one times the
// factor, within a pixel, and 100 % is exactly the design.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zarvel {

constexpr int kTwipsPerPixel = 15;
// A window's designed height counts its caption bar; the client area is
// the rest.
constexpr int kCaptionTwips = 405;

// Twips in whole pixels at 100 %, halves away from zero.
constexpr int DesignPx(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
// Pixels of the screen in twips (places on the screen are not zoomed).
constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

// ---- the zoom --------------------------------------------------------------

// The windows' zoom in percent of the designed size; 100 until set.
int ZoomPercent();
double ZoomFactor();
// Sets the zoom (clamped to the allowed range). Windows already built
// follow once Rezoom runs over them; windows built later are built at it.
void SetZoomPercent(int percent);

// A length of the design in pixels at 100 %, at the zoom given or today's.
constexpr int Zoomed(int designPixels, int percent) {
    const int scaled = designPixels * percent;
    return scaled >= 0 ? (scaled + 50) / 100 : -((-scaled + 50) / 100);
}
inline int Zoomed(int designPixels) { return Zoomed(designPixels, ZoomPercent()); }
// A font's pixel size at the zoom: never larger than the factor makes it,
// so a text that fits its control at 100 % keeps fitting.
constexpr int ZoomedFontPx(int designPixels, int percent) { return designPixels * percent / 100; }

// Twips to pixels at today's zoom.
inline int Px(int twips) { return Zoomed(DesignPx(twips)); }
inline QRect TwipRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QPoint TwipPoint(int left, int top) { return QPoint(Px(left), Px(top)); }

// ---- windows that follow the zoom -------------------------------------------

// Places the widget at a rectangle in twips, now and again at every later
// zoom (Rezoom).
void Place(QWidget* w, int left, int top, int width, int height);
// The rectangle in twips the widget was placed at; an empty one if none.
QRect PlacedTwips(const QWidget* w);
// A widget of a fixed size in twips, now and at every later zoom.
void FixSize(QWidget* w, int widthTwips, int heightTwips);
// The font, given at its designed pixel size, at the zoom now and at every
// later one; bold, italics and the like set on the widget later are kept.
void SetZoomedFont(QWidget* w, const QFont& designed);
// Lays out the widget and every widget inside it for today's zoom: places,
// fixed sizes and fonts set by the three calls above.
void Rezoom(QWidget* root);
// Lays out a window of fixed size at today's zoom or, where that would not
// fit into `room`, at the largest zoom below it that does (a window taller
// than the screen would hide its own buttons). Returns the zoom used.
int RezoomToFit(QWidget* window, QSize room);

}  // namespace zarvel
