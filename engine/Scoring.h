// Scoring a roll: what each die scores, and which dice a click sets aside.
#pragma once

#include <array>

#include "GameState.h"

namespace zarvel {

using Faces = std::array<int, kSlots>;
using Codes = std::array<ScoringCode, kSlots>;

// The codes of a roll of n dice: faces[0..n-1] were rolled (1..6), the
// other slots hold no die. A die belongs to one combination at most;
// straights, three pairs and six of a kind need all six dice.
Codes ScoreRoll(const Faces& faces, int n);
// The same, written into codes.
void ScoreRoll(const Faces& faces, int n, Codes& codes);

// True when no die of the roll scores: a Zarvel.
bool IsZarvel(const Codes& codes);

// Slots, in the order their dice move to the tray.
struct SlotList {
    std::array<std::int8_t, kSlots> slot{};
    int size = 0;

    constexpr SlotList() = default;
    constexpr SlotList(std::initializer_list<int> list) {
        for (int s : list) push_back(s);
    }
    constexpr void push_back(int s) { slot[std::size_t(size++)] = static_cast<std::int8_t>(s); }
    constexpr bool empty() const { return size == 0; }
    constexpr int operator[](int i) const { return slot[std::size_t(i)]; }
    constexpr bool operator==(const SlotList& o) const {
        for (int i = 0; i < size && i < o.size; ++i)
            if (slot[std::size_t(i)] != o.slot[std::size_t(i)]) return false;
        return size == o.size;
    }
    const std::int8_t* begin() const { return slot.data(); }
    const std::int8_t* end() const { return slot.data() + size; }
};

// The free dice a click on free scoring slot i sets aside: the die alone
// for a single; every free die of its group, in slot order; a straight or
// three pairs in order of face, then of slot.
SlotList SelectionSlots(const GameState& g, int i);

}  // namespace zarvel
