// zarvel-solver: solves the two-player game for the settings of the new game
// dialog, keeps the tables in the cache folder, and lets the best play meet
// itself to check the table by counting.
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "Simulator.h"
#include "TableCache.h"

namespace {

constexpr const char* kUsage =
    "Usage: zarvel-solver [options]\n"
    "Solves the two-player game (the best play for either seat), keeps the table\n"
    "in the cache folder, and plays the best play against itself.\n"
    "\n"
    "  --target T     5000 or 10000 (default 5000)\n"
    "  --break-in B   500 or 1000 (default 500)\n"
    "  --all          every setting: 5000/500, 5000/1000, 10000/500, 10000/1000\n"
    "  --games N      self-play games to count (0 to 10000000; default 0)\n"
    "  --seed S       seed of the self-play dice (default 1)\n"
    "  --cache DIR    folder of the tables (default $XDG_CACHE_HOME/zarvel)\n"
    "  --fresh        solve even when the folder holds the table, and keep it\n"
    "  --threads N    threads to solve on (1 to 64; default: every core)\n"
    "  --help         show this text\n";

bool ParseNumber(const std::string& text, long long low, long long high, long long& out) {
    try {
        std::size_t used = 0;
        const long long v = std::stoll(text, &used);
        if (used != text.size() || v < low || v > high) return false;
        out = v;
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zarvel::solver;
    std::vector<Rules> settings;
    Rules rules;
    long long games = 0, seed = 1, threads = std::max(1u, std::thread::hardware_concurrency());
    std::string folder = DefaultCacheFolder();
    bool all = false, fresh = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long v = 0;
        if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--all") {
            all = true;
        } else if (arg == "--fresh") {
            fresh = true;
        } else if (arg == "--target" && hasValue && ParseNumber(argv[++i], 0, 1 << 30, v) && (v == 5000 || v == 10000)) {
            rules.target = int(v);
        } else if (arg == "--break-in" && hasValue && ParseNumber(argv[++i], 0, 1 << 30, v) && (v == 500 || v == 1000)) {
            rules.breakIn = int(v);
        } else if (arg == "--games" && hasValue && ParseNumber(argv[++i], 0, 10000000, v)) {
            games = v;
        } else if (arg == "--seed" && hasValue && ParseNumber(argv[++i], 0, INT64_MAX, v)) {
            seed = v;
        } else if (arg == "--threads" && hasValue && ParseNumber(argv[++i], 1, 64, v)) {
            threads = v;
        } else if (arg == "--cache" && hasValue) {
            folder = argv[++i];
        } else {
            std::cerr << "zarvel-solver: bad option or value: " << arg << "\n" << kUsage;
            return 2;
        }
    }
    if (all)
        settings.assign(std::begin(kSettings), std::end(kSettings));
    else
        settings.push_back(rules);

    for (const Rules& r : settings) {
        const auto start = std::chrono::steady_clock::now();
        Table table = fresh ? Table::FromValues(r, {}) : LoadTable(r, TablePath(folder, r));
        const bool solved = table.Empty();
        if (solved) {
            // Progress on a terminal only, once per percent.
            int shown = -1;
            auto progress = [&](double done) {
                const int percent = int(100 * done);
                if (percent == shown || !::isatty(STDERR_FILENO)) return;
                shown = percent;
                std::fprintf(stderr, "\rsolving %d/%d: %3d %%", r.target, r.breakIn, percent);
            };
            table = Table::Solve(r, progress, int(threads));
            if (shown >= 0) std::fprintf(stderr, "\r%*s\r", 30, "");
            if (!folder.empty() && !SaveTable(table, TablePath(folder, r)))
                std::cerr << "zarvel-solver: could not write " << TablePath(folder, r) << "\n";
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%d/%d: %s in %.2f s, %zu values (%zu bytes); first seat's chance %.5f\n", r.target, r.breakIn,
                    solved ? "solved" : "read", seconds, table.Values().size(), table.Values().size() * sizeof(double),
                    table.Win(0, 0));
        if (games > 0) {
            const SelfPlay play = SimulateSelfPlay(table, long(games), std::uint64_t(seed));
            const bool agrees = std::abs(play.Share() - table.Win(0, 0)) <= play.HalfWidth95();
            std::printf("  self-play: %ld games, first seat won %.5f +- %.5f (95 %%): %s the table\n", play.games,
                        play.Share(), play.HalfWidth95(), agrees ? "agrees with" : "DISAGREES with");
        }
    }
    return 0;
}
