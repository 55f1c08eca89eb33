// Sharper variants of the carried pictures for screens with more pixels:
// "@2x" and "@3x" beside the picture in the resources, drawn from the same
// artwork at those sizes.
#pragma once

#include <QPixmap>
#include <QString>

namespace zarvel {

// The variant drawn for a device pixel ratio: 1, 2 or 3. A ratio between
// takes the next larger variant, drawn smaller and smoothly.
int VariantScale(qreal devicePixelRatio);

// The variant for a ratio, `pattern` with its scale for "%1" (e.g.
// ":/bitmap/101@%1x.png"), loaded once and kept; `onex` when there is none
// or the ratio needs none.
QPixmap PictureVariant(const QPixmap& onex, const QString& pattern, qreal devicePixelRatio);

}  // namespace zarvel
