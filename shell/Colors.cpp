#include "Colors.h"

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

unsigned TrayBackColour(int skinCode) {
    struct Skin {
        int code;
        unsigned tray;
    };
    static constexpr Skin kSkins[16] = {
        {100, 0x8000},   {148, 0xFF0000}, {154, 0xFF8C8C}, {160, 0xFF0000}, {166, 0x8000}, {178, 0x800000},
        {172, 0xFF8000}, {184, 0x0},      {190, 0x0},      {136, 0x0},      {142, 0x0},   {106, 0x0},
        {112, 0xFFFF},   {118, 0xC0},     {124, 0xC0},     {130, 0x0},
    };
    for (const Skin& s : kSkins)
        if (s.code == skinCode) return s.tray;
    return 0x0;
}

}  // namespace zarvel
