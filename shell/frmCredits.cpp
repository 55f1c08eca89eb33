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

// Headings and lines are translated; people's names stay as they are.
QString CreditText() {
    const QString ilse = QStringLiteral("Ilse Marchetti"), ferdinand = QStringLiteral("Ferdinand Quarnaby");
    const QStringList lines{
        QLatin1String(kTitle),
        //: Under the game's name in the credits; %1 is the maker's name.
        frmCredits::tr("a %1 game").arg(QLatin1String(kMakerName)),
        QString(),
        QString(),
        frmCredits::tr("Game Design"),
        ferdinand,
        QString(),
        frmCredits::tr("Programming"),
        ilse,
        ferdinand,
        QString(),
        frmCredits::tr("Dice and Pictures"),
        QStringLiteral("Ruth Abendroth"),
        QString(),
        frmCredits::tr("Sounds"),
        //: Two short lines in the narrow credits; %1 is a person's name.
        frmCredits::tr("Recorded on the kitchen table\nby %1").arg(ilse),
        QString(),
        frmCredits::tr("Computer Players"),
        //: Short lines in the narrow credits: the computer styles' names as the game shows them, and Moron, a joke.
        frmCredits::tr("Normal, Cautious, Fearless,\nSimple, Random, Genius\nand Moron, who tries his best"),
        QString(),
        frmCredits::tr("Play Testing"),
        frmCredits::tr("The Tuesday Night Dice Club"),
        QString(),
        //: Short lines in the narrow credits.
        frmCredits::tr("Special Thanks\nto everyone who ever lost\na good turn to a Zarvel"),
        QString(),
        QString(),
        frmCredits::tr("Thanks for playing!"),
    };
    return lines.join(u'\n');
}

QString AlternateText() {
    //: Short lines in the narrow credits, for two play testers; %1 and %2 are their names.
    return frmCredits::tr("You two again!\n"
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
                          "dice always come up fives.")
        .arg(QLatin1String(kPair[0]), QLatin1String(kPair[1]));
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
    //: The credits' caption; %1 is the game's name.
    setWindowTitle(u' ' + tr("%1 Credits").arg(QLatin1String(kTitle)));
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

    ARButton1 = MakeButton(this, "ARButton1", tr("OK"), QRect((kWidthTwips - 1200) / 2, 4800, 1200, 390));
    ARButton1->setColours(FromColourNumber(0xFFFF), QColor(0x30, 0x30, 0x30));
    ARButton1->setHoverColours(FromColourNumber(0xFF), FromColourNumber(0x800000));
    ARButton1->setAccessibleName(tr("OK"));
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
    lblHeading->setText(pair ? tr("Just for You Two") : tr("Credits & Stuff"));
    SetZoomedFont(lblHeading, CasualFont(22, true));
    lblHeading->setAccessibleName(lblHeading->text());
    picScroll->setAccessibleName(tr("Credits"));
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
        QMessageBox box(QMessageBox::Warning, QLatin1String(kTitle), tr("Error scrolling text"), QMessageBox::Ok,
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
