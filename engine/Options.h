// Every option's default and the values it may take, declared once: the
// settings file's key table reads and corrects stored values by them,
// Restore Default and the dialogs offer them, and test mode and the
// tournament tool accept them.
#pragma once

#include <array>
#include <cstddef>

#include "Catalogue.h"

namespace zarvel {

// A number that must be one of a few values; anything else is `byDefault`.
template <std::size_t N>
struct Choice {
    int byDefault;
    std::array<int, N> values;

    constexpr bool Allows(int v) const {
        for (int allowed : values)
            if (allowed == v) return true;
        return false;
    }
    // The value's place in `values`; the default's for a value not allowed.
    constexpr std::size_t IndexOf(int v) const {
        for (std::size_t i = 0; i < N; ++i)
            if (values[i] == v) return i;
        return IndexOf(byDefault);
    }
    constexpr int Or(int v) const { return Allows(v) ? v : byDefault; }
};

// The score that ends a game, and the score a first banking needs.
inline constexpr Choice<2> kPlayToChoice{5000, {5000, 10000}};
inline constexpr Choice<2> kBreakInChoice{500, {500, 1000}};

// The computers' speed: 0 Normal, 1 Fast, 2 Ridiculous. A stored number
// that fits a byte is kept as it is, even one that names no speed; the
// options tray then selects none.
inline constexpr Choice<3> kSpeedChoice{0, {0, 1, 2}};
inline constexpr int kRidiculous = 2;

inline constexpr bool kSoundOffByDefault = false;
inline constexpr bool kSortDiceByDefault = false;
inline constexpr bool kMarkScorersByDefault = true;

// The die skin of a first start.
inline constexpr int kDefaultSkin = kSkins[0].code;

// The windows' zoom, in percent of the designed size: the View menu's
// steps, and the range a stored zoom may hold (a window resized by the
// player zooms to any percent between). The largest is as far as the
// largest drawn pictures may be enlarged. 0 means none chosen yet: the
// first start's rule picks a step for the screen.
inline constexpr std::array<int, 5> kZoomSteps{100, 150, 200, 250, 300};
inline constexpr int kMinZoom = kZoomSteps.front();
inline constexpr int kMaxZoom = int(kArtScales.back() * kMaxEnlargement * 100);
inline constexpr int kZoomNotChosen = 0;

// Test mode: how many games a run plays, and where Normal sits.
inline constexpr Choice<2> kTestGamesChoice{14, {7, 14}};
inline constexpr Choice<7> kNormalPositionChoice{0, {0, 1, 2, 3, 4, 5, 6}};

}  // namespace zarvel
