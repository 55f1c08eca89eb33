// Chooses the uniform draws behind a roll so that a test decides every face.
// The roll draws, in order: the animation frames (unless the roller is a
// fast computer), then one final face per slot, even slots through the
// 750-draw routine and odd slots through the 300-draw shuffle.
#pragma once

#include <vector>

#include "Random.h"

namespace zarvel::test {

inline double DrawFor(int value, int outOf = 6) { return (value - 0.5) / outOf; }

// The shuffle returns position 1. Rounds of no-op swaps (r = k) keep the
// order 1..6; the last round's first swap brings the wanted face forward.
inline void PushShuffle(ScriptedRandom& rng, int face) {
    for (int round = 0; round < 60; ++round)
        for (int k = 1; k <= 5; ++k)
            rng.Push(DrawFor(round == 59 && k == 1 ? face : k));
}

// The last of 750 draws decides.
inline void PushLastOf750(ScriptedRandom& rng, int face) {
    for (int d = 0; d < 749; ++d) rng.Push(DrawFor(3));
    rng.Push(DrawFor(face));
}

inline constexpr int kFrames[7] = {0, 20, 15, 10, 8, 7, 5};

inline void ScriptRoll(ScriptedRandom& rng, const std::vector<int>& faces, bool animated = true) {
    const int n = static_cast<int>(faces.size());
    if (animated)
        for (int f = 0; f < kFrames[n] * n; ++f) PushShuffle(rng, 1 + f % 6);
    for (int i = 0; i < n; ++i) {
        if (i % 2 == 0)
            PushLastOf750(rng, faces[i]);
        else
            PushShuffle(rng, faces[i]);
    }
}

}  // namespace zarvel::test
