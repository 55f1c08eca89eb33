#include "CommandLine.h"

#include <QCoreApplication>
#include <cstring>

#include "Version.h"

namespace zarvel {

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine c;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) c.help = true;
        else if (std::strcmp(a, "--version") == 0) c.version = true;
        else if (std::strcmp(a, "--measure-startup") == 0) c.measureStartup = true;
    }
    return c;
}

QString HelpText() {
    const auto translated = [](const char* text) { return QCoreApplication::translate("CommandLine", text); };
    // The options' own names stay as they are; only what they do is translated.
    const auto option = [](const char* names, const QString& what) {
        return QStringLiteral("  ") + QString::fromLatin1(names).leftJustified(24) + what + u'\n';
    };
    // Each text is marked where it stands, so the translators' tools find it.
    return translated(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [option]")).arg(QStringLiteral("zarvel")) + u'\n' +
           translated(QT_TRANSLATE_NOOP("CommandLine", "A dice game for one to eight players at one computer.")) +
           QStringLiteral("\n\n") +
           option("-h, --help", translated(QT_TRANSLATE_NOOP("CommandLine", "show this help and quit"))) +
           option("    --version", translated(QT_TRANSLATE_NOOP("CommandLine", "show the version and quit"))) +
           option("    --measure-startup",
                  translated(QT_TRANSLATE_NOOP("CommandLine", "open the window, print how long start-up took, and quit"))) +
           u'\n' + translated(QT_TRANSLATE_NOOP("CommandLine", "Without an option the game opens its window.")) + u'\n';
}

QString VersionText() {
    return QStringLiteral("zarvel " ZARVEL_VERSION "\n");
}

}  // namespace zarvel
