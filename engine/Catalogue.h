// The tables that the generator of the carried files, the program and the
// tests all read: declared here once, without Qt.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "Version.h"

// Marks a table's shown names for the translation tools, which find them by
// this name; the windows translate them under the same scope. Qt's own
// definition is the same, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace zarvel {

// ---- the program ---------------------------------------------------------

#define ZARVEL_PRODUCT "Quarnaby Zarvel"
inline constexpr std::string_view kProduct = ZARVEL_PRODUCT;
// "Quarnaby Zarvel 2.0": the window's caption (after a blank) and the title
// of its messages. The version comes from the build.
inline constexpr std::string_view kTitle = ZARVEL_PRODUCT " " ZARVEL_VERSION;

// The maker, as the about box, the credits and the help name it.
inline constexpr const char* kMakerName = "Quarnaby Software";
inline constexpr const char* kMakerWeb = "www.quarnaby.example";
inline constexpr const char* kMakerMail = "support@quarnaby.example";

// ---- die skins -------------------------------------------------------------

// A die skin: face v (1..6) of the skin with code c is bitmap c + v.
struct Skin {
    const char* entry;       // as the theme tray lists it (translated there, scope "Skins")
    int code;
    int width, height;       // face size in pixels
    bool sixteenColours;     // 4-bit indexed bitmaps, else 24-bit
    std::uint32_t trayBack;  // the dice trays' back colour, &H00BBGGRR
};

// In the order of the theme tray's list.
inline constexpr std::array<Skin, 16> kSkins{{
    {QT_TRANSLATE_NOOP("Skins", "Blue"), 100, 29, 31, true, 0x8000},
    {QT_TRANSLATE_NOOP("Skins", "Clouds"), 148, 29, 31, false, 0xFF0000},
    {QT_TRANSLATE_NOOP("Skins", "Marbles"), 154, 29, 31, false, 0xFF8C8C},
    {QT_TRANSLATE_NOOP("Skins", "Keys"), 160, 32, 32, false, 0xFF0000},
    {QT_TRANSLATE_NOOP("Skins", "Billiards"), 166, 29, 32, false, 0x8000},
    {QT_TRANSLATE_NOOP("Skins", "Patriot"), 178, 29, 31, false, 0x800000},
    {QT_TRANSLATE_NOOP("Skins", "Bubbles"), 172, 29, 31, false, 0xFF8000},
    {QT_TRANSLATE_NOOP("Skins", "Computer"), 184, 29, 31, false, 0x0},
    {QT_TRANSLATE_NOOP("Skins", "Roman"), 190, 29, 31, false, 0x0},
    {QT_TRANSLATE_NOOP("Skins", "Digi-1"), 136, 29, 31, true, 0x0},
    {QT_TRANSLATE_NOOP("Skins", "Digi-2"), 142, 25, 25, true, 0x0},
    {QT_TRANSLATE_NOOP("Skins", "Red"), 106, 29, 31, true, 0x0},
    {QT_TRANSLATE_NOOP("Skins", "Purple"), 112, 29, 31, true, 0xFFFF},
    {QT_TRANSLATE_NOOP("Skins", "Gray"), 118, 29, 31, true, 0xC0},
    {QT_TRANSLATE_NOOP("Skins", "Black"), 124, 29, 31, true, 0xC0},
    {QT_TRANSLATE_NOOP("Skins", "Green"), 130, 29, 31, true, 0x0},
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

// The scoring marker and the tray divider.
inline constexpr int kDividerBitmap = 198;
inline constexpr int kMarkerBitmap = 199;

// Besides its carried size, every bitmap and picture of the game's own is
// drawn from the same design at these many times its size: 2 and 3 for
// screens with more pixels, 6 for the zoomed windows on them (300 % on a
// screen at a scale of 2). Each is shown from the smallest one at least as
// large as it is shown, scaled down.
inline constexpr std::array<int, 3> kArtScales{2, 3, 6};
// What a picture may be shown enlarged past its largest drawn size.
inline constexpr double kMaxEnlargement = 1.25;

// ---- text colours ------------------------------------------------------------

// The theme tray's eight colour squares, in index order. A square shows
// `square`; choosing it applies `text` (squares 0 and 6 apply another
// colour than they show).
struct TextColour {
    std::uint32_t square;  // &H00BBGGRR
    const char* text;      // the stored colour text
    const char* name;      // what a screen reader calls it (translated, scope "TextColours")
};

inline constexpr std::array<TextColour, 8> kTextColours{{
    {0x0, "&H404040", QT_TRANSLATE_NOOP("TextColours", "Dark grey")},
    {0xFF, "&HFF", QT_TRANSLATE_NOOP("TextColours", "Red")},
    {0xFF00, "&HFF00", QT_TRANSLATE_NOOP("TextColours", "Green")},
    {0xFFFF, "&HFFFF", QT_TRANSLATE_NOOP("TextColours", "Yellow")},
    {0xFF0000, "&HFF0000", QT_TRANSLATE_NOOP("TextColours", "Blue")},
    {0xFF00FF, "&HFF00FF", QT_TRANSLATE_NOOP("TextColours", "Magenta")},
    {0xFFFF00, "&HFFFF80", QT_TRANSLATE_NOOP("TextColours", "Light cyan")},
    {0xFFFFFF, "&HFFFFFF", QT_TRANSLATE_NOOP("TextColours", "White")},
}};

// Dark blue, the colour of heading labels whatever the text colour.
inline constexpr std::uint32_t kHeadingColour = 0x800000;
// The stored text colour of a first start (light cyan), and the colour used
// when a stored one is unusable.
inline constexpr const char* kDefaultTextColourText = "16777088";
inline constexpr std::uint32_t kDefaultTextColour = 0xFFFF80;

// ---- carried files: sounds and backgrounds -------------------------------------

// A file carried as resource ":/custom/<id>" and written into the
// temporary folder under its name at every start.
struct CarriedFile {
    int id;
    const char* name;
};

// The sound events a player can give files of their own, in the order of
// the sound dialog's list (entries translated, scope "SoundEvents"). `key`
// is also the settings key.
struct SoundEvent {
    const char* entry;
    const char* key;
    CarriedFile builtIn;
};

inline constexpr std::array<SoundEvent, 8> kSoundEvents{{
    {QT_TRANSLATE_NOOP("SoundEvents", "Zarvel"), "ZarvelSound", {106, "bust.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Game Over"), "GameOverSound", {108, "gameover.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Move Dice"), "MoveDieSound", {103, "moveit.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Pass Dice (w/ points)"), "Passem1Sound", {104, "passem1.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Pass Dice (w/o points)"), "Passem2Sound", {105, "passem2.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Roll Multiple Dice"), "MultiDieSound", {102, "33d.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Roll One Die"), "OneDieSound", {101, "11d.wav"}},
    {QT_TRANSLATE_NOOP("SoundEvents", "Undo"), "UndoSound", {107, "undo.wav"}},
}};

// Played when a player goes out first; not listed, not changeable.
inline constexpr CarriedFile kOverTopSound{109, "overtop.wav"};

// The theme tray's built-in backgrounds, in list order: "(None)" and the
// eleven carried pictures, each with the text colour chosen with it. The
// entries are shown translated (scope "Backgrounds"); "(None)" is also the
// stored value for no picture and is stored as it stands.
struct Background {
    const char* entry;
    CarriedFile picture;  // id 0: no picture
    int textColour;       // index into kTextColours
};

inline constexpr std::array<Background, 12> kBackgrounds{{
    {QT_TRANSLATE_NOOP("Backgrounds", "(None)"), {0, ""}, 0},
    {QT_TRANSLATE_NOOP("Backgrounds", "Autumn"), {201, "2xuvsk1.jpg"}, 3},
    {QT_TRANSLATE_NOOP("Backgrounds", "Blonde Chick"), {202, "2xuvsk2.jpg"}, 4},
    {QT_TRANSLATE_NOOP("Backgrounds", "Blueprints"), {203, "2xuvsk3.jpg"}, 4},
    {QT_TRANSLATE_NOOP("Backgrounds", "Baby Seal"), {204, "2xuvsk4.jpg"}, 7},
    {QT_TRANSLATE_NOOP("Backgrounds", "Evergreen"), {205, "2xuvsk5.jpg"}, 2},
    {QT_TRANSLATE_NOOP("Backgrounds", "Nautical"), {206, "2xuvsk6.jpg"}, 6},
    {QT_TRANSLATE_NOOP("Backgrounds", "Old Glory"), {207, "2xuvsk7.jpg"}, 1},
    {QT_TRANSLATE_NOOP("Backgrounds", "Quacker"), {208, "2xuvsk8.jpg"}, 6},
    {QT_TRANSLATE_NOOP("Backgrounds", "Satin"), {209, "2xuvsk9.jpg"}, 6},
    {QT_TRANSLATE_NOOP("Backgrounds", "Strawberries"), {210, "2xuvsk10.jpg"}, 3},
    {QT_TRANSLATE_NOOP("Backgrounds", "Jov Wumble"), {211, "2xuvsk11.jpg"}, 6},
}};

// The background of a first start.
inline constexpr const Background& kFirstBackground = kBackgrounds[9];
// The one background carried as GIF data under its ".jpg" name: whatever
// loads these files goes by the content, not the name.
inline constexpr int kGifBackground = 204;

// All twenty carried files in the order they are written: the sounds by
// id, then the pictures.
constexpr std::array<CarriedFile, 20> CarriedFiles() {
    std::array<CarriedFile, 20> files{};
    std::size_t n = 0;
    for (const SoundEvent& e : kSoundEvents) files[n++] = e.builtIn;
    files[n++] = kOverTopSound;
    std::sort(files.begin(), files.begin() + n, [](const CarriedFile& a, const CarriedFile& b) { return a.id < b.id; });
    for (const Background& b : kBackgrounds)
        if (b.picture.id != 0) files[n++] = b.picture;
    return files;
}
inline constexpr std::array<CarriedFile, 20> kCarriedFiles = CarriedFiles();

// ---- computer styles -----------------------------------------------------------

// Style names in code order: the code of a style is its position + 1. Shown
// translated (scope "Styles"); a computer seat's player name keeps them as
// they stand.
inline constexpr std::array<const char*, 8> kStyleNames{
    QT_TRANSLATE_NOOP("Styles", "Normal"), QT_TRANSLATE_NOOP("Styles", "Cautious"),
    QT_TRANSLATE_NOOP("Styles", "Fearless"), QT_TRANSLATE_NOOP("Styles", "Simple"),
    QT_TRANSLATE_NOOP("Styles", "Random"), QT_TRANSLATE_NOOP("Styles", "Genius"),
    QT_TRANSLATE_NOOP("Styles", "Moron"), QT_TRANSLATE_NOOP("Styles", "Expert")};

}  // namespace zarvel
