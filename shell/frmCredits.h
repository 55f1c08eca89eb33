// The credits window: a text that climbs up its picture one pixel per step
// and starts again from the bottom, until the window is closed. The steps
// are a timer's: nothing runs between them, and nothing once it is closed.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>

class QLabel;
class QTimer;

namespace zarvel {

class ARButton;

class frmCredits : public QDialog {
    Q_OBJECT
public:
    // At most one step per this many milliseconds.
    static constexpr int kStepMs = 40;

    // Deletes itself once closed. The names of seats 0 and 1 choose the text.
    frmCredits(const QString& firstPlayer, const QString& secondPlayer, QWidget* parent);

    // ---- controls (Label1 is lblHeading) ----
    QLabel* lblHeading = nullptr;
    QWidget* picScroll = nullptr;
    ARButton* ARButton1 = nullptr;

    // Seats 0 and 1 named as this pair, in either order and any capitals,
    // get a text of their own.
    static bool IsThePair(const QString& first, const QString& second);

    // Measures the text and starts the steps; on a text that cannot be
    // measured, says so and closes.
    void ScrollCredits();
    // One pixel up at 100 % (a pixel times the zoom at any other); back to
    // the bottom edge once the text has left the top.
    void Step();
    void ARButton1_Click();

    const QString& text() const { return text_; }
    // Where the text is drawn, in picScroll's pixels.
    QRect textRect() const { return rect_; }
    int textHeight() const { return textHeight_; }
    int steps() const { return steps_; }
    QTimer* timer() const { return timer_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void reject() override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Stop();
    void PaintText(QPainter& p);

    QString first_, second_;
    QString text_;
    QFont textFont_;
    QPixmap rendered_;  // the text drawn once; each step only moves it
    QRect rect_;
    double top_ = 0;  // the text's top, between whole pixels at some zooms
    int textHeight_ = 0;
    int steps_ = 0;
    QElapsedTimer lastStep_;
    QTimer* timer_ = nullptr;
    bool started_ = false;
    bool stop_ = false;
};

}  // namespace zarvel
