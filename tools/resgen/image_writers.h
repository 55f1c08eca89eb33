// Writers for the picture formats the game carries: Windows bitmaps with the
// exact bit depth of each die skin (through Qt's own writer), and GIF data
// for the one background that is stored in that format (Qt has no writer).
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

namespace resgen {

// 24-bit bottom-up BMP of the image (alpha ignored).
QByteArray writeBmp24(const QImage& image);

// 4-bit bottom-up BMP. Every pixel is mapped to the nearest of the palette's
// colours (at most 16).
QByteArray writeBmp4(const QImage& image, const QList<QColor>& palette);

// GIF89a with a global palette of at most 256 colours chosen by median cut.
QByteArray writeGif(const QImage& image);

// Index of the palette colour nearest to c (squared RGB distance).
int nearestIndex(const QList<QColor>& palette, QRgb c);

}  // namespace resgen
