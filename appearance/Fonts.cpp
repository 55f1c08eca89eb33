#include "Fonts.h"

namespace zarvel {

QFont DialogFont() {
    // The design's font is not on every system; the style hint lets the
    // platform pick its ordinary sans-serif face at the same size.
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

QFont CasualFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

}  // namespace zarvel
