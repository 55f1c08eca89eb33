#include "Variants.h"

#include <QHash>
#include <algorithm>

#include "Catalogue.h"

namespace zarvel {

int VariantScale(qreal scale) {
    if (scale <= 1.0) return 1;
    for (const int s : kArtScales)
        if (scale <= s) return s;
    return kArtScales.back();
}

QPixmap PictureVariant(const QPixmap& onex, const QString& pattern, qreal scale) {
    const int wanted = VariantScale(scale);
    if (pattern.isEmpty() || wanted == 1) return onex;
    static QHash<QString, QPixmap> cache;
    // The wanted variant, else the largest smaller one there is.
    for (auto s = std::find(kArtScales.rbegin(), kArtScales.rend(), wanted); s != kArtScales.rend(); ++s) {
        const QString path = pattern.arg(*s);
        auto it = cache.constFind(path);
        if (it == cache.constEnd()) {
            QPixmap variant(path);
            variant.setDevicePixelRatio(*s);
            it = cache.insert(path, variant);
        }
        if (!it->isNull()) return *it;
    }
    return onex;
}

QPixmap PictureAtSize(const QPixmap& onex, const QString& pattern, const QSize& size, qreal dpr,
                      Qt::AspectRatioMode mode) {
    if (onex.isNull() || size.isEmpty()) return {};
    const QSize target = (QSizeF(size) * dpr).toSize();
    const qreal across = qreal(target.width()) / onex.width(), down = qreal(target.height()) / onex.height();
    const qreal scale = mode == Qt::KeepAspectRatio ? std::min(across, down) : std::max(across, down);
    const QPixmap source = PictureVariant(onex, pattern, scale);
    QPixmap shown = source.size() == target ? source : source.scaled(target, mode, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(dpr);
    return shown;
}

}  // namespace zarvel
