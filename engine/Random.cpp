#include "Random.h"

namespace zarvel {

XoshiroJump::XoshiroJump(int steps) : steps_(steps), rows_(std::make_unique<Row[]>(32 * 256)) {
    // Where each single bit of the state goes in `steps` steps: the
    // matrix's columns.
    std::array<Row, 256> column{};
    for (int bit = 0; bit < 256; ++bit) {
        Xoshiro256pp::State s{};
        s[std::size_t(bit / 64)] = std::uint64_t{1} << (bit % 64);
        for (int k = 0; k < steps; ++k) Xoshiro256pp::Step(s);
        column[std::size_t(bit)] = s;
    }
    // A byte's row is the xor of the columns of its set bits.
    for (int byte = 0; byte < 32; ++byte) {
        for (int value = 0; value < 256; ++value) {
            Row& row = rows_[std::size_t(byte * 256 + value)];
            row = {};
            for (int b = 0; b < 8; ++b) {
                if (!(value >> b & 1)) continue;
                const Row& c = column[std::size_t(byte * 8 + b)];
                for (int w = 0; w < 4; ++w) row[std::size_t(w)] ^= c[std::size_t(w)];
            }
        }
    }
}

}  // namespace zarvel
