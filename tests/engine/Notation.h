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
#include "Snapshot.h"

namespace zarvel {

// A die's code by its letters, as snapshots write it.
inline ScoringCode Code(std::string_view s) {
    if (const auto code = CodeFromText(s)) return *code;
    throw std::invalid_argument("no such code: " + std::string(s));
}

inline std::string Letters(ScoringCode c) { return CodeText(c); }

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
