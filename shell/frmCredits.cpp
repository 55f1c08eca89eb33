#include "frmCredits.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <cmath>
#include <functional>

#include "ARButton.h"
#include "Catalogue.h"
#include "Colors.h"
#include "Fonts.h"
#include "Twips.h"


namespace zarvel {

namespace {

constexpr int kWidthTwips = 4800, kHeightTwips = 5400;

// The pair of players the alternate text is for.
const char* const kPair[2] = {"Marisol", "Tobin"};

QString CreditText() {
    return QLatin1String(kTitle) + QStringLiteral(
        "\n"
        "a %1 game\n"
        "\n"
        "\n"
        "Game Design\n"
        "Ferdinand Quarnaby\n"
        "\n"
        "Programming\n"
        "Ilse Marchetti\n"
        "Ferdinand Quarnaby\n"
        "\n"
        "Dice and Pictures\n"
        "Ruth Abendroth\n"
        "\n"
        "Sounds\n"
        "Recorded on the kitchen table\n"
        "by Ilse Marchetti\n"
        "\n"
        "Computer Players\n"
        "Normal, Cautious, Fearless,\n"
        "Simple, Random, Genius\n"
        "and Moron, who tries his best\n"
        "\n"
        "Play Testing\n"
        "The Tuesday Night Dice Club\n"
        "\n"
        "Special Thanks\n"
        "to everyone who ever lost\n"
        "a good turn to a Zarvel\n"
        "\n"
        "\n"
        "Thanks for playing!").arg(QLatin1String(kMakerName));
}

QString AlternateText() {
    return QStringLiteral(
        "You two again!\n"
        "\n"
        "%1 and %2,\n"
        "this game was tried out\n"
        "at your kitchen table\n"
        "over many long evenings.\n"
        "\n"
        "Every Zarvel you rolled\n"
        "made it a better game.\n"
        "\n"
        "Thank you, and may your\n"
        "dice always come up fives.").arg(QLatin1String(kPair[0]), QLatin1String(kPair[1]));
}

// The scrolling picture; its owner draws the text.
class ScrollPicture : public QWidget {
public:
    ScrollPicture(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), paint_(std::move(paint)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

}  // namespace

bool frmCredits::IsThePair(const QString& first, const QString& second) {
    auto is = [](const QString& name, const char* wanted) {
        return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
    };
    return (is(first, kPair[0]) && is(second, kPair[1])) || (is(first, kPair[1]) && is(second, kPair[0]));
}

frmCredits::frmCredits(const QString& firstPlayer, const QString& secondPlayer, QWidget* parent)
    : QDialog(parent), first_(firstPlayer), second_(secondPlayer) {
    setObjectName(QStringLiteral("frmCredits"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u' ' + QLatin1String(kTitle) + QStringLiteral(" Credits"));
    setAccessibleName(windowTitle().trimmed());
    setWindowModality(Qt::WindowModal);
    // A caption and a close box: the window has one size and is never put away.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FixSize(this, kWidthTwips, kHeightTwips);

    lblHeading = new QLabel(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    Place(lblHeading, 120, 150, kWidthTwips - 240, 510);
    lblHeading->setAlignment(Qt::AlignCenter);
    lblHeading->setStyleSheet(QStringLiteral("color: %1").arg(FromColourNumber(0xFFFF).name()));

    picScroll = new ScrollPicture(this, [this](QPainter& p) { PaintText(p); });
    picScroll->setObjectName(QStringLiteral("picScroll"));
    Place(picScroll, 240, 720, kWidthTwips - 480, 3960);

    ARButton1 = MakeButton(this, "ARButton1", QStringLiteral("OK"), QRect((kWidthTwips - 1200) / 2, 4800, 1200, 390));
    ARButton1->setColours(FromColourNumber(0xFFFF), QColor(0x30, 0x30, 0x30));
    ARButton1->setHoverColours(FromColourNumber(0xFF), FromColourNumber(0x800000));
    ARButton1->setAccessibleName(QStringLiteral("OK"));
    connect(ARButton1, &ARButton::clicked, this, &frmCredits::ARButton1_Click);

    // One step at a time, each armed after the last, so two steps are never
    // closer than kStepMs however late a step ran.
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &frmCredits::Timer1_Timer);

    Form_Load();
}

void frmCredits::Form_Load() {
    setWindowIcon(QIcon(QStringLiteral(":/icon/zarvel.png")));
    const bool pair = IsThePair(first_, second_);
    // The pair's own text is longer in its lines, so it is set smaller.
    textFont_ = CasualFont(pair ? 13 : 16);
    textFont_.setPixelSize(ZoomedFontPx(textFont_.pixelSize(), ZoomPercent()));
    text_ = pair ? AlternateText() : CreditText();
    lblHeading->setText(pair ? QStringLiteral("Just for You Two") : QStringLiteral("Credits & Stuff"));
    SetZoomedFont(lblHeading, CasualFont(22, true));
    lblHeading->setAccessibleName(lblHeading->text());
    picScroll->setAccessibleName(QStringLiteral("Credits"));
    picScroll->setAccessibleDescription(text_);
}

void frmCredits::paintEvent(QPaintEvent* e) {
    QPainter(this).fillRect(rect(), Qt::black);
    QDialog::paintEvent(e);
}

void frmCredits::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Once the window is up, so that a message about the text has a window
    // to stand over.
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &frmCredits::ScrollCredits);
    }
}

void frmCredits::ScrollCredits() {
    if (stop_) return;
    update();
    const QFontMetrics fm(textFont_, picScroll);
    textHeight_ = text_.isEmpty() ? 0 : fm.boundingRect(QRect(), Qt::AlignHCenter, text_).height();
    if (textHeight_ <= 0) {
        QMessageBox box(QMessageBox::Warning, QLatin1String(kTitle), QStringLiteral("Error scrolling text"), QMessageBox::Ok,
                        this);
        box.exec();
        Stop();
        close();
        return;
    }

    // Drawn once: a step then only moves the picture.
    const qreal dpr = picScroll->devicePixelRatioF();
    rendered_ = QPixmap(QSize(picScroll->width(), textHeight_) * dpr);
    rendered_.setDevicePixelRatio(dpr);
    rendered_.fill(Qt::transparent);
    {
        QPainter p(&rendered_);
        p.setFont(textFont_);
        p.setPen(FromColourNumber(0xFFFF));
        p.drawText(QRect(0, 0, picScroll->width(), textHeight_), Qt::AlignHCenter | Qt::AlignTop, text_);
    }

    top_ = picScroll->height();
    rect_ = QRect(QPoint(0, picScroll->height()), QSize(picScroll->width(), textHeight_));
    picScroll->update();
    lastStep_.start();
    timer_->start(kStepMs);
}

void frmCredits::Timer1_Timer() {
    if (stop_) return;
    // A timer that came early waits out the rest.
    const qint64 since = lastStep_.elapsed();
    if (since < kStepMs) {
        timer_->start(static_cast<int>(kStepMs - since));
        return;
    }
    Step();
    lastStep_.start();
    timer_->start(kStepMs);
}

void frmCredits::Step() {
    // The text climbs as fast for the eye at every zoom.
    top_ -= ZoomFactor();
    rect_.moveTop(int(std::floor(top_ + 0.5)));
    if (rect_.top() < -textHeight_) {
        top_ = picScroll->height();
        rect_.moveTop(picScroll->height());
    }
    ++steps_;
    picScroll->update();
}

void frmCredits::PaintText(QPainter& p) {
    if (!rendered_.isNull()) p.drawPixmap(rect_.topLeft(), rendered_);
}

void frmCredits::Stop() {
    stop_ = true;
    timer_->stop();
}

void frmCredits::ARButton1_Click() {
    QApplication::beep();
    Stop();
    accept();
}

void frmCredits::reject() {
    Stop();
    QDialog::reject();
}

void frmCredits::closeEvent(QCloseEvent* e) {
    Stop();
    QDialog::closeEvent(e);
}

}  // namespace zarvel
