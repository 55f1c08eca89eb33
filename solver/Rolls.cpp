#include "Rolls.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zarvel::solver {

namespace {

// Three of a kind of a face; each further die of that face doubles it.
int TriplePoints(int face) { return face == 1 ? 1000 : 100 * face; }

Group GroupOf(int face, int size, int points) {
    Group g;
    g.dice[face] = size;
    g.size = size;
    g.points = points;
    return g;
}

// All six dice as one group (straight or three pairs).
Group WholeRoll(const FaceCounts& counts, int points) {
    Group g;
    g.dice = counts;
    g.size = kDice;
    g.points = points;
    return g;
}

std::vector<RollsOf> BuildRolls() {
    std::vector<RollsOf> all(kDice + 1);
    std::array<double, kDice + 1> factorial{1};
    for (int i = 1; i <= kDice; ++i) factorial[i] = factorial[i - 1] * i;

    for (int k = 1; k <= kDice; ++k) {
        double sixToK = 1;
        for (int i = 0; i < k; ++i) sixToK *= 6;
        // Classes keyed by what they offer, so equal offers add up.
        std::map<std::pair<bool, std::vector<std::pair<int, int>>>, double> offers;
        RollsOf& rolls = all[k];

        // Every count of faces summing to k, with its multinomial chance.
        FaceCounts c{};
        auto visit = [&](auto&& self, int face, int left) -> void {
            if (face == 6) {
                c[6] = left;
                double ways = factorial[k];
                for (int f = 1; f <= 6; ++f) ways /= factorial[c[f]];
                const double chance = ways / sixToK;
                const RollScore score = ScoreRoll(c);
                if (score.IsZarvel()) {
                    rolls.zarvel += chance;
                    return;
                }
                if (score.AllScore()) rolls.allScore += chance;
                std::vector<std::pair<int, int>> key;
                for (const Take& t : Takes(score)) key.emplace_back(t.points / kStep, t.size);
                offers[{score.nonScoring > 0, key}] += chance;
                return;
            }
            for (int n = 0; n <= left; ++n) {
                c[face] = n;
                self(self, face + 1, left - n);
            }
        };
        visit(visit, 1, k);

        for (const auto& [key, chance] : offers) {
            RollClass rc;
            rc.chance = chance;
            rc.hasNonScoring = key.first;
            for (const auto& [points, size] : key.second) rc.takes.push_back({points, size});
            rolls.classes.push_back(std::move(rc));
        }
    }
    return all;
}

}  // namespace

FaceCounts CountFaces(const std::vector<int>& faces) {
    FaceCounts c{};
    for (int f : faces)
        if (f >= 1 && f <= 6) ++c[f];
    return c;
}

int DiceIn(const FaceCounts& counts) {
    int n = 0;
    for (int f = 1; f <= 6; ++f) n += counts[f];
    return n;
}

RollScore ScoreRoll(const FaceCounts& counts) {
    RollScore s;
    FaceCounts left = counts;
    if (DiceIn(counts) == kDice) {
        bool straight = true, pairs = true;
        for (int f = 1; f <= 6; ++f) {
            straight = straight && counts[f] == 1;
            pairs = pairs && (counts[f] == 0 || counts[f] == 2);
        }
        if (straight || pairs) {
            s.groups.push_back(WholeRoll(counts, straight ? 1500 : 500));
            return s;
        }
        for (int f = 1; f <= 6; ++f)
            if (counts[f] == 6) {
                s.groups.push_back(GroupOf(f, 6, TriplePoints(f) * 8));
                return s;
            }
    }
    // Three, four or five of a kind: a face shows at most one of these.
    for (int f = 1; f <= 6; ++f)
        if (counts[f] >= 3) {
            s.groups.push_back(GroupOf(f, counts[f], TriplePoints(f) << (counts[f] - 3)));
            left[f] = 0;
        }
    // What is left of the 1s and 5s scores die by die.
    for (int i = 0; i < left[1]; ++i) s.groups.push_back(GroupOf(1, 1, 100));
    for (int i = 0; i < left[5]; ++i) s.groups.push_back(GroupOf(5, 1, 50));
    s.nonScoring = DiceIn(counts);
    for (const Group& g : s.groups) s.nonScoring -= g.size;
    return s;
}

std::vector<Take> Takes(const RollScore& score) {
    std::vector<Take> takes;
    const int n = int(score.groups.size());
    const unsigned all = (1u << n) - 1;
    for (unsigned mask = 1; mask <= all; ++mask) {
        if (score.nonScoring == 0 && mask != all) continue;
        Take t;
        for (int g = 0; g < n; ++g)
            if (mask & (1u << g)) {
                const Group& group = score.groups[g];
                for (int f = 1; f <= 6; ++f) t.dice[f] += group.dice[f];
                t.points += group.points;
                t.size += group.size;
            }
        const bool seen = std::any_of(takes.begin(), takes.end(), [&](const Take& o) {
            return o.points == t.points && o.size == t.size;
        });
        if (!seen) takes.push_back(t);
    }
    std::sort(takes.begin(), takes.end(), [](const Take& a, const Take& b) {
        return a.points != b.points ? a.points > b.points : a.size < b.size;
    });
    return takes;
}

const RollsOf& Rolls(int k) {
    static const std::vector<RollsOf> all = BuildRolls();
    return all.at(k);
}

}  // namespace zarvel::solver
