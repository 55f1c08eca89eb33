// zarvel-window-bench [games]: test mode plays its games (14 by default) in
// the real main window, as start-up makes it, with real pauses, on a private
// config and temporary folder, offscreen unless a display is asked for (QT_QPA_PLATFORM). It
// prints the pauses the games made beside the time they took, wall and
// processor, and how often the window's widgets were painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <ctime>

#include "Program.h"
#include "TestMode.h"
#include "frmMain.h"

namespace {

// Counts the paint events of every widget.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace zarvel;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir root;
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    // Its games are no player's: they stay out of the player's records.
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
    qputenv("TMPDIR", root.path().toUtf8());
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 14;

    // The window as the program's start-up makes it (its dice seeded from
    // the time of day, so each run plays other games).
    const std::unique_ptr<frmMain> window = Main();
    if (!window) return 1;
    frmMain& w = *window;

    long pausedMs = 0, pauses = 0;
    w.pauseFor = [&](int ms) {
        pausedMs += ms, ++pauses;
        if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
    };
    bool ended = false;
    w.endProgramNow = [&] { ended = true; };
    w.testRun().showReport = [](const std::string&) {};
    PaintCounter counter;
    app.installEventFilter(&counter);

    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpu = std::clock();
    w.testRun().Start({games, 0, 5000, 500});
    while (!ended) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double wallMs = double(wall.elapsed());
    const double cpuMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;

    std::printf("%d test games: %ld pauses, %ld ms paused\n", games, pauses, pausedMs);
    std::printf("took %.0f ms (%.2f x the pauses), %.0f ms of processor time (%.2f x the pauses with it)\n", wallMs,
                wallMs / double(pausedMs), cpuMs, (double(pausedMs) + cpuMs) / double(pausedMs));
    std::printf("%ld widget paints, %.0f a game\n", counter.paints, double(counter.paints) / games);
    return 0;
}
