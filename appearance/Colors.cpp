#include "Colors.h"

#include <QCoreApplication>

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
    if (caption.isEmpty() || caption == QString(QChar(0x00FC))) return true;
    // The headings as the trays show them, in English or in the language the
    // game speaks.
    static const struct {
        const char* scope;
        const char* text;
    } kHeadings[] = {
        {"zarvel::ThemeTray", "Background"},      {"zarvel::ThemeTray", "Dice"},
        {"zarvel::ThemeTray", "Text Color"},      {"zarvel::OptionsTray", "Speed"},
        {"zarvel::OptionsTray", "Misc."},         {"zarvel::OptionsTray", "Sound Effects"},
        {"zarvel::GameTray", "(Sample Dice)"},
    };
    for (const auto& h : kHeadings)
        if (caption == QLatin1String(h.text) || caption == QCoreApplication::translate(h.scope, h.text)) return true;
    return false;
}

unsigned TrayBackColour(int skinCode) { return SkinToDraw(skinCode).trayBack; }

}  // namespace zarvel
