// The tables that the generator of the carried files, the program and the
// tests all read: declared here once, without Qt.
#pragma once

#include <array>
#include <cstdint>

namespace zarvel {

// A die skin: face v (1..6) of the skin with code c is bitmap c + v.
struct Skin {
    const char* entry;      // as the theme tray lists it
    int code;
    int width, height;      // face size in pixels
    bool sixteenColours;    // 4-bit indexed bitmaps, else 24-bit
    std::uint32_t trayBack; // the dice trays' back colour, &H00BBGGRR
};

// In the order of the theme tray's list.
inline constexpr std::array<Skin, 16> kSkins{{
    {"Blue", 100, 29, 31, true, 0x8000},
    {"Clouds", 148, 29, 31, false, 0xFF0000},
    {"Marbles", 154, 29, 31, false, 0xFF8C8C},
    {"Keys", 160, 32, 32, false, 0xFF0000},
    {"Billiards", 166, 29, 32, false, 0x8000},
    {"Patriot", 178, 29, 31, false, 0x800000},
    {"Bubbles", 172, 29, 31, false, 0xFF8000},
    {"Computer", 184, 29, 31, false, 0x0},
    {"Roman", 190, 29, 31, false, 0x0},
    {"Digi-1", 136, 29, 31, true, 0x0},
    {"Digi-2", 142, 25, 25, true, 0x0},
    {"Red", 106, 29, 31, true, 0x0},
    {"Purple", 112, 29, 31, true, 0xFFFF},
    {"Gray", 118, 29, 31, true, 0xC0},
    {"Black", 124, 29, 31, true, 0xC0},
    {"Green", 130, 29, 31, true, 0x0},
}};

// The skin with this code; nullptr for a code that is none of them.
constexpr const Skin* FindSkin(int code) {
    for (const Skin& s : kSkins)
        if (s.code == code) return &s;
    return nullptr;
}

// The skin to draw for a stored code: an unknown code (a hand-edited
// settings file) draws the first skin rather than nothing.
constexpr const Skin& SkinToDraw(int code) {
    const Skin* s = FindSkin(code);
    return s ? *s : kSkins[0];
}

}  // namespace zarvel
