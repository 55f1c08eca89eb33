#include "Twips.h"

#include <QFontInfo>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "Options.h"

namespace zarvel {

namespace {

int zoomPercent = kMinZoom;

// What each widget was given in design units, so that it can be laid out
// again at another zoom.
constexpr char kPlaceProperty[] = "zarvel.twips";
constexpr char kFixedSizeProperty[] = "zarvel.fixedTwips";
constexpr char kFontProperty[] = "zarvel.fontPx";

void ApplyPlace(QWidget* w, const QRect& twips) {
    w->setGeometry(TwipRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void ApplyFixedSize(QWidget* w, const QSize& twips) { w->setFixedSize(Px(twips.width()), Px(twips.height())); }

void ApplyFont(QWidget* w, int designPx) {
    QFont f = w->font();
    const int px = std::max(1, ZoomedFontPx(designPx, zoomPercent));
    if (f.pixelSize() == px) return;
    f.setPixelSize(px);
    w->setFont(f);
}

}  // namespace

int ZoomPercent() { return zoomPercent; }
double ZoomFactor() { return zoomPercent / 100.0; }

void SetZoomPercent(int percent) { zoomPercent = std::clamp(percent, kMinZoom, kMaxZoom); }

void Place(QWidget* w, int left, int top, int width, int height) {
    const QRect twips(left, top, width, height);
    w->setProperty(kPlaceProperty, twips);
    ApplyPlace(w, twips);
}

QRect PlacedTwips(const QWidget* w) { return w->property(kPlaceProperty).toRect(); }

void FixSize(QWidget* w, int widthTwips, int heightTwips) {
    const QSize twips(widthTwips, heightTwips);
    w->setProperty(kFixedSizeProperty, twips);
    ApplyFixedSize(w, twips);
}

void SetZoomedFont(QWidget* w, const QFont& designed) {
    // A font given in points (the platform's) is held at the pixels it has now.
    const int designPx = designed.pixelSize() > 0 ? designed.pixelSize() : QFontInfo(designed).pixelSize();
    w->setProperty(kFontProperty, designPx);
    QFont f = designed;
    f.setPixelSize(std::max(1, ZoomedFontPx(designPx, zoomPercent)));
    w->setFont(f);
}

void Rezoom(QWidget* root) {
    if (!root) return;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        // A parent's font first reaches the children that take it from there.
        if (const QVariant px = w->property(kFontProperty); px.isValid()) ApplyFont(w, px.toInt());
    }
    for (QWidget* w : widgets) {
        if (const QVariant size = w->property(kFixedSizeProperty); size.isValid()) ApplyFixedSize(w, size.toSize());
        if (const QVariant place = w->property(kPlaceProperty); place.isValid()) ApplyPlace(w, place.toRect());
        w->update();
    }
}

int RezoomToFit(QWidget* window, QSize room) {
    int percent = zoomPercent;
    if (const QVariant size = window->property(kFixedSizeProperty); size.isValid()) {
        const QSize twips = size.toSize();
        const auto fits = [&](int p) {
            return Zoomed(DesignPx(twips.width()), p) <= room.width() && Zoomed(DesignPx(twips.height()), p) <= room.height();
        };
        while (percent > kMinZoom && !fits(percent)) percent = std::max(kMinZoom, percent - 5);
    }
    const int game = zoomPercent;
    zoomPercent = percent;
    Rezoom(window);
    zoomPercent = game;
    return percent;
}

}  // namespace zarvel
