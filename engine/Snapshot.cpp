#include "Snapshot.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "Catalogue.h"
#include "Scoring.h"

namespace zarvel {

namespace {

constexpr std::string_view kHeader = "zarvel-state";
// Far beyond eight names of any length a name box takes.
constexpr std::size_t kMaxTextBytes = 1 << 20;
// Every score the rules give is a multiple of this.
constexpr Score kPointStep = 50;

constexpr std::array<std::string_view, 8> kActionTexts{"-", "r", "s", "rs", "p", "rp", "sp", "rsp"};

std::string ActionsText(Actions a) {
    return std::string(kActionTexts[std::size_t((a.Has(Action::Roll) ? 1 : 0) | (a.Has(Action::Select) ? 2 : 0) |
                                                (a.Has(Action::Pass) ? 4 : 0))]);
}

std::optional<Actions> ActionsFromText(std::string_view text) {
    for (std::size_t bits = 0; bits < kActionTexts.size(); ++bits) {
        if (kActionTexts[bits] != text) continue;
        Actions a;
        if (bits & 1) a = a | Action::Roll;
        if (bits & 2) a = a | Action::Select;
        if (bits & 4) a = a | Action::Pass;
        return a;
    }
    return std::nullopt;
}

// A name on one line: line breaks, other control characters and the
// escape itself as %XX.
std::string EscapeName(const std::string& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '%') {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        std::uint32_t cp = len == 1 ? b : b & (0x7F >> len);
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c >> 6) != 0x2) return false;
            cp = cp << 6 | (c & 0x3F);
        }
        // Overlong forms, surrogates and beyond the last code point.
        static constexpr std::uint32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += len;
    }
    return true;
}

std::optional<std::string> UnescapeName(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x20 || b == 0x7F) return std::nullopt;  // written escaped, always
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi << 4 | lo);
        i += 2;
    }
    if (!ValidUtf8(out)) return std::nullopt;
    return out;
}

// Reads the text line by line, each line a key and its fields, in the
// order EncodeState writes them. The first fault found is the reason.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The next line's fields after `key`: exactly `count` of them, split
    // at single blanks; with `lastTakesRest` the last is the rest of the
    // line, blanks and all.
    bool Next(std::string_view key, std::size_t count, std::vector<std::string_view>& fields,
              bool lastTakesRest = false) {
        if (!why.empty()) return false;
        if (pos_ >= text_.size()) return Fail("it ends before \"" + std::string(key) + "\"");
        const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++line_;
        key_ = key;
        if (line.substr(0, key.size()) != key || line.size() <= key.size() || line[key.size()] != ' ')
            return Fail("\"" + std::string(key) + "\" expected");
        line.remove_prefix(key.size() + 1);
        fields.clear();
        while (fields.size() + 1 < count || (!lastTakesRest && fields.size() < count)) {
            const std::size_t blank = line.find(' ');
            if (blank == std::string_view::npos) break;
            fields.push_back(line.substr(0, blank));
            line.remove_prefix(blank + 1);
        }
        fields.push_back(line);
        if (fields.size() != count) return Fail(std::to_string(count) + " values expected");
        return true;
    }

    // A whole number in lo..hi.
    bool Int(std::string_view field, long long lo, long long hi, long long& value) {
        if (!why.empty()) return false;
        const char* end = field.data() + field.size();
        const auto [p, ec] = std::from_chars(field.data(), end, value);
        if (field.empty() || ec != std::errc() || p != end)
            return Fail("\"" + std::string(field) + "\" is not a number");
        if (value < lo || value > hi)
            return Fail(std::to_string(value) + " is not in " + std::to_string(lo) + ".." + std::to_string(hi));
        return true;
    }
    template <class T>
    bool Int(std::string_view field, long long lo, long long hi, T& out) {
        long long v = 0;
        if (!Int(field, lo, hi, v)) return false;
        out = static_cast<T>(v);
        return true;
    }
    bool Points(std::string_view field, Score hi, Score& out) {
        if (!Int(field, 0, hi, out)) return false;
        if (out % kPointStep != 0) return Fail(std::to_string(out) + " is not a multiple of " + std::to_string(kPointStep));
        return true;
    }
    bool Flag(std::string_view field, bool& out) {
        long long v = 0;
        if (!Int(field, 0, 1, v)) return false;
        out = v != 0;
        return true;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }

    // Remembers the first fault, on the line being read.
    bool Fail(const std::string& what) {
        if (why.empty()) why = "line " + std::to_string(line_) + " (" + std::string(key_) + "): " + what;
        return false;
    }

    std::string why;

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 0;
    std::string_view key_ = "start";
};

// Six values on a line, each read by `one`.
template <class Read>
bool SixOf(Reader& in, std::string_view key, Read one) {
    std::vector<std::string_view> f;
    if (!in.Next(key, kSlots, f)) return false;
    for (int i = 0; i < kSlots; ++i)
        if (!one(i, f[std::size_t(i)])) return false;
    return true;
}

// What AfterRoll leaves open after the roll the state shows, with the
// tray as it was (`held` dice) and the turn's points as they were.
Actions ActionsAfterRoll(const GameState& g, int n, bool canPass) {
    bool nonScorer = false;
    for (int i = 0; i < n; ++i) nonScorer |= g.DieCode[i] == ScoringCode::Nothing();
    if (!nonScorer) return {Action::Select};
    if (IsZarvel(g.DieCode)) return {Action::Pass};
    if (canPass && g.HeldCount > 0) return {Action::Select, Action::Pass};
    return {Action::Select};
}

// What AfterSelect leaves open with the dice as they lie now.
Actions ActionsAfterSelect(const GameState& g, bool canPass) {
    bool any = false, scorer = false, nonScorer = false;
    for (int i = 0; i < kSlots; ++i) {
        if (!g.DieFree[i]) continue;
        any = true;
        scorer |= g.DieCode[i].Scores();
        nonScorer |= g.DieCode[i] == ScoringCode::Nothing();
    }
    if (any && !nonScorer) return {Action::Select};
    if (!any || (!scorer && !canPass)) return {Action::Roll};
    if (!scorer) return {Action::Roll, Action::Pass};
    if (!canPass) return {Action::Roll, Action::Select};
    return {Action::Roll, Action::Select, Action::Pass};
}

// The dice, the tray and the turn's values against each other and the rules.
bool CheckTurn(Reader& in, const GameState& g) {
    const auto fail = [&in](const std::string& what) { return in.Fail(what); };
    const int cp = g.CurrentPlayer;
    const Score banked = g.PlayerScore[cp];
    int trayed = 0;
    while (trayed < kSlots && g.TraySlotUsed[trayed]) ++trayed;
    for (int s = trayed; s < kSlots; ++s)
        if (g.TraySlotUsed[s]) return fail("the tray has a gap at slot " + std::to_string(trayed));
    // The dice of the last roll (of this turn, or the turn before: a pass
    // leaves them) fill the lowest slots.
    int n = 0;
    while (n < kSlots && g.Dice[n] != kNone) ++n;
    for (int i = n; i < kSlots; ++i)
        if (g.Dice[i] != kNone) return fail("a die lies beyond the roll at slot " + std::to_string(i));
    if (!(n == 0 && g.HeldCount == 0) && n != kSlots - g.HeldCount)
        return fail(std::to_string(n) + " dice rolled with " + std::to_string(g.HeldCount) + " held");

    if (!g.TurnUnderway()) {
        // Between a pass and the next roll.
        for (int i = 0; i < kSlots; ++i)
            if (g.RolledDice[i] != 0) return fail("a die is shown before the turn's first roll");
        if (g.TurnScore != 0 || g.TurnScoreAtRoll != 0) return fail("points before the turn's first roll");
        if (g.AllowedActions != Actions{Action::Roll} || !g.SavedActions.None())
            return fail("only rolling is open before the turn's first roll");
        return true;
    }

    if (n == 0) return fail("the turn has no roll");
    if (ScoreRoll(g.Dice, n) != g.DieCode) return fail("the codes are not those of the dice");
    if (trayed < g.HeldCount) return fail("fewer dice in the tray than were held at the roll");
    std::array<int, 7> taken{}, inTray{};
    // By a group's letter: a combination goes to the tray whole or not at all.
    std::array<bool, 26> groupTaken{}, groupLeft{};
    const auto group = [](ScoringCode code) { return std::size_t(CodeText(code)[0] - 'a'); };
    Score points = 0;
    for (int i = 0; i < kSlots; ++i) {
        if (g.DieFree[i] && i >= n) return fail("slot " + std::to_string(i) + " is free but was not rolled");
        const int shown = i < n && g.DieFree[i] ? g.Dice[i] : 0;
        if (g.RolledDice[i] != shown) return fail("slot " + std::to_string(i) + " shows another face");
        if (i >= n) continue;
        const ScoringCode code = g.DieCode[i];
        if (g.DieFree[i]) {
            if (code.IsGroup()) groupLeft[group(code)] = true;
            continue;
        }
        if (!code.Scores()) return fail("slot " + std::to_string(i) + " was set aside but scores nothing");
        ++taken[std::size_t(g.Dice[i])];
        if (!code.IsGroup()) {
            points += code.Points();
        } else if (!groupTaken[group(code)]) {
            groupTaken[group(code)] = true;
            points += code.Points();
        }
    }
    for (std::size_t k = 0; k < groupTaken.size(); ++k)
        if (groupTaken[k] && groupLeft[k]) return fail("part of a combination was left behind");
    for (int s = g.HeldCount; s < trayed; ++s) ++inTray[std::size_t(g.TrayDice[s])];
    if (taken != inTray) return fail("the tray does not hold the dice set aside from this roll");
    if (g.TurnScore - g.TurnScoreAtRoll != points) return fail("the turn's points are not those of the dice set aside");
    if (g.Zarveled != IsZarvel(g.DieCode)) return fail("the bust flag does not match the roll");

    const bool canPassAtRoll = banked >= g.BreakInScore || g.TurnScoreAtRoll >= g.BreakInScore;
    if (g.SavedActions != ActionsAfterRoll(g, n, canPassAtRoll)) return fail("the actions after the roll are not the rules'");
    if (trayed == g.HeldCount) {
        // Right after the roll, or after an undo.
        if (g.AllowedActions != g.SavedActions) return fail("the open actions are not those of the roll");
        return true;
    }
    const bool canPass = banked >= g.BreakInScore || g.TurnScore >= g.BreakInScore;
    if (g.CanPass != canPass) return fail("the pass flag does not match the points");
    if (g.AllowedActions != ActionsAfterSelect(g, canPass)) return fail("the open actions are not the rules'");
    return true;
}

}  // namespace

std::string CodeText(ScoringCode c) {
    switch (c.kind()) {
        case ScoringCode::Kind::Nothing: return "0";
        case ScoringCode::Kind::NoDie: return "99";
        case ScoringCode::Kind::Single: return std::to_string(c.face());
        case ScoringCode::Kind::OfAKind: return std::string(1, static_cast<char>('a' + 6 * (c.count() - 3) + c.face() - 1));
        case ScoringCode::Kind::Straight: return "y";
        case ScoringCode::Kind::ThreePairs: return "z";
    }
    return "0";
}

std::optional<ScoringCode> CodeFromText(std::string_view s) {
    if (s == "0") return ScoringCode::Nothing();
    if (s == "99") return ScoringCode::NoDie();
    if (s == "1" || s == "5") return ScoringCode::Single(s[0] - '0');
    if (s == "y") return ScoringCode::Straight();
    if (s == "z") return ScoringCode::ThreePairs();
    if (s.size() == 1 && s[0] >= 'a' && s[0] <= 'x') return ScoringCode::OfAKind(3 + (s[0] - 'a') / 6, 1 + (s[0] - 'a') % 6);
    return std::nullopt;
}

std::string EncodeState(const GameState& g) {
    std::string out;
    const auto line = [&out](std::string_view key, const std::string& value) {
        out.append(key).append(" ").append(value).append("\n");
    };
    const auto six = [](auto value) {
        std::string s;
        for (int i = 0; i < kSlots; ++i) s += (i ? " " : "") + value(i);
        return s;
    };
    const auto num = [](long long v) { return std::to_string(v); };
    line(kHeader, num(kStateFormat));
    line("target", num(g.PlayToScore));
    line("break-in", num(g.BreakInScore));
    line("players", num(g.NumPlayers));
    for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
        line("seat", num(p) + (g.PlayerIsComputer[p] ? " computer " : " human ") + num(g.PlayerStyle[p]) + " " +
                         num(g.PlayerScore[p]) + " " + EscapeName(g.PlayerName[p]));
    line("turn", num(g.CurrentPlayer));
    line("went-out", g.WentOut == kNone ? std::string("none") : num(g.WentOut));
    line("turn-score", num(g.TurnScore));
    line("turn-score-at-roll", num(g.TurnScoreAtRoll));
    line("actions", ActionsText(g.AllowedActions));
    line("saved-actions", ActionsText(g.SavedActions));
    line("zarveled", num(g.Zarveled));
    line("can-pass", num(g.CanPass));
    line("held", num(g.HeldCount));
    line("dice", six([&](int i) { return num(g.Dice[i]); }));
    line("codes", six([&](int i) { return CodeText(g.DieCode[i]); }));
    line("free", six([&](int i) { return num(g.DieFree[i]); }));
    line("rolled", six([&](int i) { return num(g.RolledDice[i]); }));
    line("tray", six([&](int i) { return num(g.TrayDice[i]); }));
    return out;
}

DecodedState DecodeState(std::string_view text) {
    using Trouble = DecodedState::Trouble;
    Reader in(text);
    const auto refused = [&in] { return DecodedState{std::nullopt, Trouble::Damaged, in.why}; };
    const auto refuse = [&](const std::string& why) {
        in.Fail(why);
        return refused();
    };
    if (text.size() > kMaxTextBytes) return refuse("the text is too long");

    std::vector<std::string_view> f;
    int format = 0;
    if (!in.Next(kHeader, 1, f) || !in.Int(f[0], 1, 1'000'000, format)) return refused();
    if (format > kStateFormat)
        return {std::nullopt, Trouble::Newer, "layout " + std::to_string(format) + " is newer than " +
                                                  std::to_string(kStateFormat)};
    if (format != kStateFormat) return refuse("layout " + std::to_string(format) + " is not known");

    GameState g;
    if (!in.Next("target", 1, f) || !in.Points(f[0], kMaxSavedScore, g.PlayToScore)) return refused();
    if (g.PlayToScore == 0) return refuse("a target of 0");
    if (!in.Next("break-in", 1, f) || !in.Points(f[0], g.PlayToScore, g.BreakInScore)) return refused();
    if (!in.Next("players", 1, f) || !in.Int(f[0], 1, kMaxSavedPlayers, g.NumPlayers)) return refused();
    const long long styles = static_cast<long long>(kStyleNames.size());
    for (int p = 0; p < g.NumPlayers; ++p) {
        int seat = -1;
        if (!in.Next("seat", 5, f, true) || !in.Int(f[0], p, p, seat)) return refused();
        if (f[1] != "human" && f[1] != "computer") return refuse("\"" + std::string(f[1]) + "\" is neither human nor computer");
        g.PlayerIsComputer[p] = f[1] == "computer";
        // Every seat keeps the style list's choice; a computer seat must have a style.
        if (!in.Int(f[2], g.PlayerIsComputer[p] ? 1 : 0, styles, g.PlayerStyle[p])) return refused();
        if (!in.Points(f[3], kMaxSavedScore, g.PlayerScore[p])) return refused();
        const auto name = UnescapeName(f[4]);
        if (!name) return refuse("the name is not written as names are");
        g.PlayerName[p] = *name;
    }
    if (!in.Next("turn", 1, f) || !in.Int(f[0], 0, g.NumPlayers - 1, g.CurrentPlayer)) return refused();
    if (!in.Next("went-out", 1, f)) return refused();
    if (f[0] != "none" && !in.Int(f[0], 0, g.NumPlayers - 1, g.WentOut)) return refused();
    if (!in.Next("turn-score", 1, f) || !in.Points(f[0], kMaxSavedScore, g.TurnScore)) return refused();
    if (!in.Next("turn-score-at-roll", 1, f) || !in.Points(f[0], g.TurnScore, g.TurnScoreAtRoll)) return refused();
    for (auto [key, actions] : {std::pair{"actions", &g.AllowedActions}, std::pair{"saved-actions", &g.SavedActions}}) {
        if (!in.Next(key, 1, f)) return refused();
        const auto a = ActionsFromText(f[0]);
        if (!a) return refuse("\"" + std::string(f[0]) + "\" names no actions");
        *actions = *a;
    }
    if (!in.Next("zarveled", 1, f) || !in.Flag(f[0], g.Zarveled)) return refused();
    if (!in.Next("can-pass", 1, f) || !in.Flag(f[0], g.CanPass)) return refused();
    if (!in.Next("held", 1, f) || !in.Int(f[0], 0, kSlots - 1, g.HeldCount)) return refused();
    if (!SixOf(in, "dice", [&](int i, std::string_view v) {
            return in.Int(v, 1, kNone, g.Dice[i]) && (g.Dice[i] <= 6 || g.Dice[i] == kNone || in.Fail("no face " + std::string(v)));
        }))
        return refused();
    if (!SixOf(in, "codes", [&](int i, std::string_view v) {
            const auto code = CodeFromText(v);
            if (code) g.DieCode[i] = *code;
            return code || in.Fail("no code \"" + std::string(v) + "\"");
        }))
        return refused();
    if (!SixOf(in, "free", [&](int i, std::string_view v) { return in.Flag(v, g.DieFree[i]); })) return refused();
    if (!SixOf(in, "rolled", [&](int i, std::string_view v) { return in.Int(v, 0, 6, g.RolledDice[i]); })) return refused();
    if (!SixOf(in, "tray", [&](int i, std::string_view v) {
            g.TraySlotUsed[i] = v != "0";
            return in.Int(v, 0, 6, g.TrayDice[i]);
        }))
        return refused();
    if (!in.AtEnd()) return refuse("more follows the tray");

    // The game as a whole.
    for (int p = 0; p < g.NumPlayers; ++p)
        if (g.WentOut == kNone && g.PlayerScore[p] >= g.PlayToScore)
            return refuse("seat " + std::to_string(p) + " reached the target but nobody went out");
    if (g.WentOut != kNone && g.PlayerScore[g.WentOut] < g.PlayToScore)
        return refuse("the seat that went out is below the target");
    if (g.WentOut != kNone && g.WentOut == g.CurrentPlayer) return refuse("the seat that went out is to roll: the game is over");
    if (!CheckTurn(in, g)) return refused();
    return {std::move(g), Trouble::None, {}};
}

}  // namespace zarvel
