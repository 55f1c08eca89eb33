#include "Colors.h"

#include "Catalogue.h"
#include "StoredNumber.h"

namespace zarvel {

QColor FromColourNumber(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

unsigned ToColourNumber(const QColor& c) {
    return unsigned(c.red()) | (unsigned(c.green()) << 8) | (unsigned(c.blue()) << 16);
}

unsigned ColourNumberFromText(const QString& text) {
    const auto n = RoundedInRange(StoredNumber(text.toStdString()), 0, 0xFFFFFF);
    return n ? static_cast<unsigned>(*n) : kDefaultTextColour;
}

bool IsHeadingCaption(const QString& caption) {
    static const QString kHeadings[] = {
        QStringLiteral("Background"), QStringLiteral("Dice"),          QStringLiteral("Text Color"),
        QStringLiteral("Speed"),      QStringLiteral("Misc."),         QStringLiteral("Sound Effects"),
        QStringLiteral("(Sample Dice)"), QString(QChar(0x00FC)),       QString(),
    };
    for (const QString& h : kHeadings)
        if (caption == h) return true;
    return false;
}

unsigned TrayBackColour(int skinCode) { return SkinToDraw(skinCode).trayBack; }

}  // namespace zarvel
