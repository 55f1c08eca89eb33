// zarvel-tournament: the computer styles against each other, headless.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Options.h"
#include "Styles.h"
#include "TableCache.h"
#include "Tournament.h"

namespace {

constexpr const char* kUsage =
    "Usage: zarvel-tournament [options]\n"
    "Plays the computer styles against each other and prints the wins per seat.\n"
    "\n"
    "  --games N            games to play (1 to 1000000; default 14)\n"
    "  --seed S             seed of the dice (0 to 2^64-1; default 1); the same seed\n"
    "                       gives the same result\n"
    "  --target T           score that ends a game: 5000 or 10000 (default 5000)\n"
    "  --break-in B         score needed for the first banking: 500 or 1000 (default 500)\n"
    "  --normal-position P  seat 0 to 6 of the Normal style; the other six styles\n"
    "                       follow it round the table (default 0)\n"
    "  --seats LIST         play these styles instead, one seat each, in seat order:\n"
    "                       2 to 8 names or codes separated by commas, from Normal(1),\n"
    "                       Cautious(2), Fearless(3), Simple(4), Random(5), Genius(6),\n"
    "                       Moron(7), Expert(8); e.g. --seats Normal,Genius,Genius\n"
    "  --alternate          move every player one seat on after each game, so each\n"
    "                       plays from every seat alike, and count each player's\n"
    "                       wins over all seats (the first seat has the advantage\n"
    "                       of rolling first)\n"
    "  --jobs N             threads to play the games on (1 to 1024; default: every\n"
    "                       core this process may use); the result is the same\n"
    "                       whatever N is\n"
    "  --quiet              no progress line on standard error\n"
    "  --csv                print \"seat,style,wins\" and one row per seat\n"
    "  --help               show this text\n"
    "\n"
    "The share of each seat comes with its 95 % Wilson score interval. On a\n"
    "terminal, standard error shows the games played, games per second and the\n"
    "time left while the run lasts.\n"
    "The Expert plays the solved game: its table for the target and break-in is\n"
    "read from $XDG_CACHE_HOME/zarvel (~/.cache/zarvel), or solved and kept there\n"
    "the first time (seconds to a quarter of a minute).\n"
    "Exit status: 0 done; 1 a game did not finish (a computer player stopped it,\n"
    "or it never ended), and the wins count the games before it; 2 bad options.\n";

struct UsageError {
    std::string message;
};

std::uint64_t ParseUnsigned(const std::string& option, const std::string& text, std::uint64_t lo, std::uint64_t hi) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError{option + " needs a whole number, not '" + text + "'"};
    std::uint64_t value = 0;
    for (char c : text) {
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) throw UsageError{option + " value '" + text + "' is too large"};
        value = value * 10 + digit;
    }
    if (value < lo || value > hi)
        throw UsageError{option + " must be from " + std::to_string(lo) + " to " + std::to_string(hi) + ", not " + text};
    return value;
}

// One of the two values the game offers for an option.
int ParseChoice(const std::string& option, const std::string& text, const zarvel::Choice<2>& choice) {
    const auto v = ParseUnsigned(option, text, 0, INT32_MAX);
    if (!choice.Allows(static_cast<int>(v)))
        throw UsageError{option + " must be " + std::to_string(choice.values[0]) + " or " +
                         std::to_string(choice.values[1]) + ", not " + text};
    return static_cast<int>(v);
}

std::vector<int> ParseSeats(const std::string& text) {
    std::vector<int> seats;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        int code = zarvel::StyleCode(item);
        if (code == 0 && item.size() == 1 && item[0] >= '1' && item[0] < '1' + zarvel::kStyleCount) code = item[0] - '0';
        if (code == 0) throw UsageError{"--seats: unknown style '" + item + "'"};
        seats.push_back(code);
    }
    if (!text.empty() && text.back() == ',') throw UsageError{"--seats: empty style at the end of '" + text + "'"};
    if (seats.size() < 2 || seats.size() > 8)
        throw UsageError{"--seats needs 2 to 8 styles, not " + std::to_string(seats.size())};
    return seats;
}

struct Options {
    zarvel::TournamentOptions run;
    bool csv = false;
    bool quiet = false;
    bool help = false;
};

Options Parse(int argc, char** argv) {
    Options o;
    o.run.jobs = zarvel::UsableCores();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        auto flag = [&] {
            if (value) throw UsageError{arg + " takes no value"};
        };
        auto next = [&]() -> std::string {
            if (value) return *value;
            if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            flag();
            o.help = true;
        } else if (arg == "--csv") {
            flag();
            o.csv = true;
        } else if (arg == "--quiet") {
            flag();
            o.quiet = true;
        } else if (arg == "--alternate") {
            flag();
            o.run.alternate = true;
        } else if (arg == "--jobs") {
            o.run.jobs = static_cast<int>(ParseUnsigned(arg, next(), 1, 1024));
        } else if (arg == "--games") {
            o.run.games = static_cast<int>(ParseUnsigned(arg, next(), 1, 1'000'000));
        } else if (arg == "--seed") {
            o.run.seed = ParseUnsigned(arg, next(), 0, UINT64_MAX);
        } else if (arg == "--target") {
            o.run.playTo = ParseChoice(arg, next(), zarvel::kPlayToChoice);
        } else if (arg == "--break-in") {
            o.run.breakIn = ParseChoice(arg, next(), zarvel::kBreakInChoice);
        } else if (arg == "--normal-position") {
            o.run.normalPosition = static_cast<int>(ParseUnsigned(arg, next(), zarvel::kNormalPositionChoice.values.front(),
                                                                  zarvel::kNormalPositionChoice.values.back()));
        } else if (arg == "--seats") {
            o.run.seats = ParseSeats(next());
        } else {
            throw UsageError{"unknown option '" + arg + "'"};
        }
    }
    return o;
}

// Wilson score interval of a share, 95 %.
std::pair<double, double> Wilson(int wins, int games) {
    if (games <= 0) return {0.0, 0.0};
    const double z = 1.959963984540054, n = games, p = wins / n;
    const double denom = 1 + z * z / n;
    const double centre = (p + z * z / (2 * n)) / denom;
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / denom;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string Percent(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f%%", 100 * x);
    return buf;
}

// One row of the table: a place (a column `width` wide), its wins, the share
// and its interval.
void PrintRow(int width, const std::string& place, const std::string& style, int wins, int games) {
    const auto [lo, hi] = Wilson(wins, games);
    const double share = games ? static_cast<double>(wins) / games : 0.0;
    char line[160];
    std::snprintf(line, sizeof line, "%-*s %-9s %7d %7s  %s - %s\n", width, place.c_str(), style.c_str(), wins,
                  Percent(share).c_str(), Percent(lo).c_str(), Percent(hi).c_str());
    std::cout << line;
}

void PrintHeading(int width, const char* place, const char* style) {
    char line[128];
    std::snprintf(line, sizeof line, "%-*s %-9s %7s %7s  %s\n", width, place, style, "Wins", "Share", "95% CI");
    std::cout << line;
}

void Print(const Options& o, const zarvel::TournamentResult& r) {
    const bool alternate = o.run.alternate;
    if (o.csv) {
        // Alternating, a row is a player as listed, wherever it sat.
        std::cout << (alternate ? "player,style,wins\n" : "seat,style,wins\n");
        for (std::size_t p = 0; p < r.styles.size(); ++p)
            std::cout << p << ',' << zarvel::StyleName(r.styles[p]) << ',' << r.wins[p] << '\n';
        return;
    }
    std::cout << "Games " << r.gamesPlayed << ", seed " << o.run.seed << ", target " << o.run.playTo
              << ", break-in " << o.run.breakIn << (alternate ? ", seats alternating" : "") << "\n\n";
    const int width = alternate ? 6 : 5;
    PrintHeading(width, alternate ? "Player" : "Seat", "Style");
    int total = 0;
    for (std::size_t p = 0; p < r.styles.size(); ++p) {
        PrintRow(width, std::to_string(p), zarvel::StyleName(r.styles[p]), r.wins[p], r.gamesPlayed);
        total += r.wins[p];
    }
    char line[64];
    std::snprintf(line, sizeof line, "%-*s %-9s %7d\n", width, "", "Total", total);
    std::cout << line;
    if (!alternate) return;
    // What each seat won, whoever sat there.
    std::cout << '\n';
    PrintHeading(width, "Seat", "");
    for (std::size_t p = 0; p < r.seatWins.size(); ++p) PrintRow(width, std::to_string(p), "", r.seatWins[p], r.gamesPlayed);
}

// The Expert's table for the run's setting: read from the cache folder, or
// solved there (with its progress on a terminal). Empty when it cannot be had.
std::shared_ptr<const zarvel::solver::Table> ExpertTable(const Options& o, bool showProgress) {
    const zarvel::solver::Rules rules{o.run.playTo, o.run.breakIn};
    int shown = -1;
    auto progress = [&](double done) {
        const int percent = static_cast<int>(100 * done);
        if (!showProgress || percent == shown) return;
        shown = percent;
        std::cerr << "\rsolving the Expert's table for " << rules.target << '/' << rules.breakIn << ": " << percent
                  << " %\x1b[K" << std::flush;
    };
    auto table = zarvel::solver::TableFor(rules, zarvel::solver::DefaultCacheFolder(), progress,
                                          std::min(o.run.jobs, zarvel::UsableCores()));
    if (shown >= 0) std::cerr << "\r\x1b[K" << std::flush;
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    try {
        o = Parse(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "zarvel-tournament: " << e.message << "\nTry 'zarvel-tournament --help'.\n";
        return 2;
    }
    if (o.help) {
        std::cout << kUsage;
        return 0;
    }
    zarvel::TournamentHooks hooks;
    const bool showProgress = !o.quiet && isatty(STDERR_FILENO) == 1;
    if (zarvel::SeatsExpert(o.run)) o.run.expertTable = ExpertTable(o, showProgress);
    const auto start = std::chrono::steady_clock::now();
    if (showProgress) {
        hooks.progress = [&](int done) {
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            // Back to the line's start and clear what is left of the last one.
            std::cerr << '\r' << zarvel::ProgressLine(done, o.run.games, elapsed.count()) << "\x1b[K" << std::flush;
        };
    }
    const zarvel::TournamentResult r = zarvel::RunTournament(o.run, hooks);
    if (showProgress) std::cerr << "\r\x1b[K" << std::flush;
    Print(o, r);
    if (r.expertMisses > 0)
        std::cerr << "zarvel-tournament: the Expert's advice did not fit the game " << r.expertMisses
                  << " times; it played those steps as Simple\n";
    if (!r.completed) {
        std::cerr << "zarvel-tournament: stopped after " << r.gamesPlayed << " games: game " << r.gamesPlayed + 1
                  << " did not finish: " << r.error << '\n';
        return 1;
    }
    return 0;
}
