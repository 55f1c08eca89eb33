// Colour numbers as the settings and skins store them: &H00BBGGRR, blue in
// the high byte of the three.
#pragma once

#include <QColor>
#include <QString>

namespace zarvel {

// Dark blue, the colour of heading labels.
constexpr unsigned kHeadingColour = 0x800000;
// The text colour used when the stored one is unusable (light cyan).
constexpr unsigned kDefaultTextColour = 0xFFFF80;

QColor FromColourNumber(unsigned bgr);
unsigned ToColourNumber(const QColor& c);

// The stored colour text ("&HFF", "16777088", ...) as a colour number; a
// text that gives no 24-bit number takes the default text colour.
unsigned ColourNumberFromText(const QString& text);

// Headings keep dark blue whatever the text colour: the tray headings,
// the sample-dice caption, the check mark of the chosen swatch, and "".
bool IsHeadingCaption(const QString& caption);

// Back colour of the dice trays for a skin code, as the skin drawn for it.
unsigned TrayBackColour(int skinCode);

}  // namespace zarvel
