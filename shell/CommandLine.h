// What the command line asks of the program before any window opens.
#pragma once

#include <QString>

namespace zarvel {

struct CommandLine {
    bool help = false;            // -h, --help: print the options and quit
    bool version = false;         // --version: print the version and quit
    bool measureStartup = false;  // --measure-startup: report the first paint and quit
};

// Reads the program's own options; anything else is left to Qt, which takes
// its own (-platform, -style, ...), and is otherwise ignored.
CommandLine ReadCommandLine(int argc, const char* const* argv);

// The texts printed for --help (in the user's language) and --version.
QString HelpText();
QString VersionText();

}  // namespace zarvel
