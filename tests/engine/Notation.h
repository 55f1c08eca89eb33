// The compact notation the tests write the rules' values in: a die's code as
// the letter it had before it became a type, the open actions as the letters
// r, s, p, and status lines by name. Readable failures for all three.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Board.h"
#include "GameState.h"
#include "Scoring.h"

namespace zarvel {

// "0" scores nothing, "99" no die, "1" and "5" singles, "a".."x" three to
// six of a kind (by face within each block of six), "y" a straight, "z"
// three pairs.
inline ScoringCode Code(std::string_view s) {
    if (s == "0") return ScoringCode::Nothing();
    if (s == "99") return ScoringCode::NoDie();
    if (s == "1" || s == "5") return ScoringCode::Single(s[0] - '0');
    if (s == "y") return ScoringCode::Straight();
    if (s == "z") return ScoringCode::ThreePairs();
    if (s.size() == 1 && s[0] >= 'a' && s[0] <= 'x') return ScoringCode::OfAKind(3 + (s[0] - 'a') / 6, 1 + (s[0] - 'a') % 6);
    throw std::invalid_argument("no such code: " + std::string(s));
}

inline std::string Letters(ScoringCode c) {
    switch (c.kind()) {
        case ScoringCode::Kind::Nothing: return "0";
        case ScoringCode::Kind::NoDie: return "99";
        case ScoringCode::Kind::Single: return std::to_string(c.face());
        case ScoringCode::Kind::OfAKind: return std::string(1, static_cast<char>('a' + 6 * (c.count() - 3) + c.face() - 1));
        case ScoringCode::Kind::Straight: return "y";
        case ScoringCode::Kind::ThreePairs: return "z";
    }
    return "?";
}

inline Actions Acts(std::string_view s) {
    Actions a;
    if (s.find('r') != s.npos) a = a | Action::Roll;
    if (s.find('s') != s.npos) a = a | Action::Select;
    if (s.find('p') != s.npos) a = a | Action::Pass;
    return a;
}

inline std::string Letters(Actions a) {
    std::string s;
    if (a.Has(Action::Roll)) s += 'r';
    if (a.Has(Action::Select)) s += 's';
    if (a.Has(Action::Pass)) s += 'p';
    return s;
}

inline const char* Name(Status s) {
    static const char* const kNames[] = {"Blank",        "Rolling",     "SelectDice",       "SelectOrPass",
                                         "MustRoll",     "RollTheDice", "RollOrPass",       "SelectOrRoll",
                                         "RollSelectOrPass", "PassTheDice", "Zarvel",       "ZarvelPassing",
                                         "PressF2",      "ComputerPlaying", "Banked",       "BreakInNeeded"};
    return kNames[static_cast<int>(s)];
}

inline std::string Text(const StatusLine& l) {
    std::string t = Name(l.status);
    if (l.status == Status::ZarvelPassing) t += " " + std::to_string(l.letters);
    if (l.seat != kNone) t += " seat " + std::to_string(l.seat);
    if (l.points != 0) t += " " + std::to_string(l.points);
    if (l.undo) t += " (Undo)";
    return t;
}

inline void PrintTo(ScoringCode c, std::ostream* os) { *os << '"' << Letters(c) << '"'; }
inline void PrintTo(Actions a, std::ostream* os) { *os << '"' << Letters(a) << '"'; }
inline void PrintTo(const StatusLine& l, std::ostream* os) { *os << Text(l); }
inline void PrintTo(const SlotList& l, std::ostream* os) {
    *os << '{';
    for (int i = 0; i < l.size; ++i) *os << (i ? ", " : "") << l[i];
    *os << '}';
}

}  // namespace zarvel
