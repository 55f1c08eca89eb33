// A bare Qt Widgets window that reports, like zarvel --measure-startup,
// how long it took until its first paint had finished, then quits.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "StartupClock.h"

namespace {

class Window : public QWidget {
public:
    explicit Window(const zarvel::StartupClock& clock) : clock_(clock) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Hello"), this));
        resize(257, 335);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QWidget::paintEvent(e);
        if (reported_) return;
        reported_ = true;
        QTimer::singleShot(0, qApp, [this] {
            clock_.Report("first window shown");
            QCoreApplication::exit(0);
        });
    }

private:
    const zarvel::StartupClock& clock_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const zarvel::StartupClock clock;
    QApplication app(argc, argv);
    Window w(clock);
    w.show();
    return app.exec();
}
