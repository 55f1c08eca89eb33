// Solved tables kept on disk, so each setting is solved once per machine.
//
// Solving takes about 2 s of one core at 5000 points and 9 to 13 s at 10000
// (measured): too long to make every build (and every sanitizer build) pay
// for all four settings, short enough to do once per machine, with progress
// shown, the first time a setting is needed.
// The files live in the user's cache folder ($XDG_CACHE_HOME/zarvel, else
// ~/.cache/zarvel), one per setting, written whole or not at all, and
// checked when read: a missing, damaged or outdated file is solved afresh.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Solver.h"

namespace zarvel::solver {

// $XDG_CACHE_HOME/zarvel, else $HOME/.cache/zarvel; empty when neither is set.
std::string DefaultCacheFolder();
// The file of a setting's table in a folder.
std::string TablePath(const std::string& folder, const Rules& rules);

// Writes the table to `path` through a file beside it that is renamed over
// it, so the file is never seen half-written. False when it cannot be written.
bool SaveTable(const Table& table, const std::string& path);
// The table in `path` for these rules; empty when the file is missing, of
// another setting or version, cut short or damaged.
Table LoadTable(const Rules& rules, const std::string& path);

// The table of a setting: from memory, else from the folder's file, else
// solved (on `threads` threads, telling `progress`) and saved there. One
// table per setting for the whole process, safe to ask from any thread; an
// empty folder keeps nothing on disk. Null for rules that do not fit.
std::shared_ptr<const Table> TableFor(const Rules& rules, const std::string& folder,
                                      const std::function<void(double)>& progress = {}, int threads = 1);

}  // namespace zarvel::solver
