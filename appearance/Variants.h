// Sharper variants of the carried pictures for screens with more pixels and
// for the zoomed windows: "@2x", "@3x" and "@6x" beside the picture in the
// resources, drawn from the same artwork at those sizes.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace zarvel {

// The variant drawn for showing a picture at `scale` device pixels to each
// of its carried ones: the smallest drawn at least that large (1 for the
// carried picture itself), else the largest there is.
int VariantScale(qreal scale);

// The variant for showing at a scale, `pattern` with its scale for "%1"
// (e.g. ":/bitmap/101@%1x.png"), loaded once and kept, its device pixel
// ratio its scale; `onex` when there is none or the scale needs none.
QPixmap PictureVariant(const QPixmap& onex, const QString& pattern, qreal scale);

// The picture shown at `size` on a screen of ratio `dpr`, from the variant
// at least as large, scaled smoothly to the screen's pixels (keeping its
// proportions within `size` when asked).
QPixmap PictureAtSize(const QPixmap& onex, const QString& pattern, const QSize& size, qreal dpr,
                      Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);

}  // namespace zarvel
