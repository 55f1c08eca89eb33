// Colour numbers as the settings and skins store them: &H00BBGGRR, blue in
// the high byte of the three.
#pragma once

#include <QColor>
#include <QString>

#include "Catalogue.h"

namespace zarvel {


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
