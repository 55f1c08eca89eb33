// The sixteen die skins' faces: face v of the skin with code c is bitmap c + v.
#pragma once

#include <QByteArray>
#include <QImage>

#include "Catalogue.h"

namespace resgen {

// The skins are the game's own table.
using SkinSpec = zarvel::Skin;

// Face `value` (1..6) of the skin, `scale` (1, 2 or 3) times its size. At 1
// the 16-colour skins are drawn pixel by pixel in their palette; larger,
// their design is painted as smooth shapes in the same colours.
QImage faceImage(const SkinSpec& skin, int value, int scale);

// BMP file of the 1x face, at the skin's depth.
QByteArray faceBitmap(const SkinSpec& skin, int value);

// Bitmap 198 (divider, 5x42) and 199 (scoring marker, 4x4), `scale` times
// that size, and their 1x BMP files.
QImage dividerImage(int scale);
QImage markerImage(int scale);
QByteArray dividerBitmap();
QByteArray markerBitmap();

}  // namespace resgen
