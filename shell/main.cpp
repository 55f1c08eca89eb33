#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "CommandLine.h"
#include "Language.h"
#include "Program.h"
#include "StartupClock.h"
#include "frmMain.h"

namespace {

// Reports once, after the first paint of the main window has finished.
class FirstPaint : public QObject {
public:
    FirstPaint(const zarvel::StartupClock& clock, QWidget* window) : clock_(clock), window_(window) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!seen_ && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == window_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [this] {
                clock_.Report("first window shown");
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    const zarvel::StartupClock& clock_;
    QWidget* window_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const zarvel::StartupClock clock;
    // Under a file size limit a write past it must fail like any other
    // failed write (start-up goes on without that file), not end the
    // program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const zarvel::CommandLine options = zarvel::ReadCommandLine(argc, argv);
    if (options.help || options.version) {
        // Answered without a window, so it works with no display at all.
        QCoreApplication core(argc, argv);
        zarvel::InstallTranslations(core);
        std::fputs(qPrintable(options.help ? zarvel::HelpText() : zarvel::VersionText()), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("zarvel"));
    app.setDesktopFileName(QStringLiteral("zarvel"));
    zarvel::InstallTranslations(app);

    auto window = zarvel::Main();
    if (!window) return 1;
    // The window is painted only once the event loop runs, so the probe
    // still sees its first paint.
    std::unique_ptr<FirstPaint> probe;
    if (options.measureStartup) {
        probe = std::make_unique<FirstPaint>(clock, window.get());
        app.installEventFilter(probe.get());
    }
    const int rc = app.exec();
    window.reset();
    return rc;
}
