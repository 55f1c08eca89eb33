#include "Variants.h"

#include <QHash>

namespace zarvel {

int VariantScale(qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0) return 1;
    return devicePixelRatio <= 2.0 ? 2 : 3;
}

QPixmap PictureVariant(const QPixmap& onex, const QString& pattern, qreal devicePixelRatio) {
    const int scale = VariantScale(devicePixelRatio);
    if (pattern.isEmpty() || scale == 1) return onex;
    static QHash<QString, QPixmap> cache;
    // The wanted variant, else the largest smaller one there is.
    for (int s = scale; s > 1; --s) {
        const QString path = pattern.arg(s);
        auto it = cache.constFind(path);
        if (it == cache.constEnd()) {
            QPixmap variant(path);
            variant.setDevicePixelRatio(s);
            it = cache.insert(path, variant);
        }
        if (!it->isNull()) return *it;
    }
    return onex;
}

}  // namespace zarvel
