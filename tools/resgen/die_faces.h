// The sixteen die skins: face v of the skin with code c is bitmap c + v.
#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstdint>

namespace resgen {

struct SkinSpec {
    const char* name;
    int code;
    int width;
    int height;
    bool sixteenColours;   // 4-bit indexed bitmap, else 24-bit
    std::uint32_t trayBgr;  // the tray back colour, &H00BBGGRR
};

// In the order of the theme tray's list.
const std::array<SkinSpec, 16>& skinTable();

// BMP file of face `value` (1..6) of the skin.
QByteArray faceBitmap(const SkinSpec& skin, int value);

// Bitmap 198 (divider, 5x42) and 199 (scoring marker, 4x4).
QByteArray dividerBitmap();
QByteArray markerBitmap();

}  // namespace resgen
