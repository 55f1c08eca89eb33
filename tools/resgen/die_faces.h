// The sixteen die skins' faces: face v of the skin with code c is bitmap c + v.
#pragma once

#include <QByteArray>
#include <QImage>

#include "Catalogue.h"

namespace resgen {

// The skins are the game's own table.
using SkinSpec = zarvel::Skin;

// BMP file of face `value` (1..6) of the skin.
QByteArray faceBitmap(const SkinSpec& skin, int value);

// Bitmap 198 (divider, 5x42) and 199 (scoring marker, 4x4).
QByteArray dividerBitmap();
QByteArray markerBitmap();

}  // namespace resgen
