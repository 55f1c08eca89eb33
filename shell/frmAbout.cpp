#include "frmAbout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QUrl>

#include "Catalogue.h"
#include "Colors.h"
#include "Fonts.h"
#include "GameState.h"
#include "Twips.h"
#include "Variants.h"
#include "frmCredits.h"

namespace zarvel {

namespace {

// One of the two die pictures, at its own size at the zoom, from the
// variant that fits the screen.
QPixmap AboutPicture(int which, qreal dpr) {
    const QString name = QStringLiteral(":/picture/about-die%1").arg(which);
    const QPixmap onex(name + QStringLiteral(".png"));
    return PictureAtSize(onex, name + QStringLiteral("@%1x.png"), QSize(Zoomed(onex.width()), Zoomed(onex.height())), dpr);
}

constexpr int kWidthTwips = 7200, kHeightTwips = 4260;
// The links and the notice stand left of the column of buttons.
constexpr int kLeftWidthTwips = 4560;
constexpr int kButtonWidthTwips = 2040;

// The two link frames, and the middle of the room below their captions.
constexpr int kLinkFrameWidthTwips = kLeftWidthTwips - 240, kLinkFrameHeightTwips = 690, kLinkMiddleTwips = 450;

// Told when F12 is held while the rattling dice are clicked.
const char* const kJoke[5] = {
    QT_TRANSLATE_NOOP("zarvel::frmAbout", "Knock knock."),
    QT_TRANSLATE_NOOP("zarvel::frmAbout", "Who's there?"),
    QT_TRANSLATE_NOOP("zarvel::frmAbout", "Zarvel."),
    QT_TRANSLATE_NOOP("zarvel::frmAbout", "Zarvel who?"),
    QT_TRANSLATE_NOOP("zarvel::frmAbout", "Zarvel! Not one die scored. Pass the dice, please."),
};

// Placed in twips.
QLabel* FixedText(QWidget* parent, const QString& text, const QRect& twips, int pixelSize, bool bold = false) {
    auto* l = new QLabel(text, parent);
    SetZoomedFont(l, CasualFont(pixelSize, bold));
    Place(l, twips.x(), twips.y(), twips.width(), twips.height());
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setAccessibleName(text);
    return l;
}

}  // namespace

// ---- ClickLabel ---------------------------------------------------------------

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) { e->accept(); }

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
}

// Taken here, so the frame around the label does not see the move too.
void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    if (onMouseMove) onMouseMove();
}

void ClickLabel::leaveEvent(QEvent* e) {
    QLabel::leaveEvent(e);
    if (onLeave) onLeave();
}

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if ((k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) && onClick) {
        e->accept();
        onClick();
        return;
    }
    QLabel::keyPressEvent(e);
}

// A label shows no focus by itself; the keyboard user needs to see it.
void ClickLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

// ---- frmAbout -------------------------------------------------------------------

QColor frmAbout::LinkHotColour() { return FromColourNumber(0xFF); }
QColor frmAbout::LinkColour() { return FromColourNumber(0x800000); }

frmAbout::frmAbout(AboutHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("frmAbout"));
    //: The about box's caption; %1 is the game's name.
    setWindowTitle(u' ' + tr("About %1").arg(QLatin1String(kTitle)));
    setAccessibleName(windowTitle().trimmed());
    // Modal to the game only: the licence opens in the help window, which
    // must take the mouse and keys while this box is still open.
    setWindowModality(Qt::WindowModal);
    // A caption and a close box: the window has one size and is never put away.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FixSize(this, kWidthTwips, kHeightTwips);
    openLink = [](const QString& target) { QDesktopServices::openUrl(QUrl::fromUserInput(target)); };

    const QColor navy = LinkColour();
    Picture1 = new ClickLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(AboutPicture(1, devicePixelRatioF()));
    Place(Picture1, 300, 240, 720, 720);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAccessibleName(tr("Roll several dice"));
    Picture1->setToolTip(Picture1->accessibleName());
    Picture1->onClick = [this] { Picture1_Click(); };

    Picture2 = new ClickLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setPixmap(AboutPicture(2, devicePixelRatioF()));
    Place(Picture2, kWidthTwips - 300 - 720, 240, 720, 720);
    Picture2->setAlignment(Qt::AlignCenter);
    Picture2->setAccessibleName(tr("Roll one die"));
    Picture2->setToolTip(Picture2->accessibleName());
    Picture2->onClick = [this] { Picture2_Click(); };

    lblTitle = FixedText(this, QLatin1String(kTitle), QRect(1140, 150, 4920, 540), 26, true);
    lblTitle->setStyleSheet(QStringLiteral("color: %1").arg(navy.name()));
    lblMaker = FixedText(this, //: %1 is the maker's name.
                         tr("by %1").arg(QLatin1String(kMakerName)), QRect(1140, 690, 4920, 330), 15);
    lblBlurb = FixedText(this, tr("A dice game for one to eight players."),
                       QRect(300, 1080, 6600, 300), 13);
    lblFreeware = FixedText(this, tr("Freeware: pass it on to your friends, whole and unchanged."),
                       QRect(300, 1380, 6600, 300), 13);

    // The links sit in two captioned frames inside a third, plain one: the
    // mouse reaches a link only across a frame, which puts the link back.
    fraLinks = new QGroupBox(this);
    fraLinks->setObjectName(QStringLiteral("fraLinks"));
    fraLinks->setAccessibleName(tr("Links"));
    Place(fraLinks, 240, 1800, kLeftWidthTwips, 1560);
    fraWeb = new QGroupBox(tr("www"), fraLinks);
    fraWeb->setObjectName(QStringLiteral("fraWeb"));
    Place(fraWeb, 120, 60, kLinkFrameWidthTwips, kLinkFrameHeightTwips);
    fraMail = new QGroupBox(tr("e-mail"), fraLinks);
    fraMail->setObjectName(QStringLiteral("fraMail"));
    Place(fraMail, 120, 810, kLinkFrameWidthTwips, kLinkFrameHeightTwips);
    for (QGroupBox* f : {fraLinks, fraWeb, fraMail}) {
        SetZoomedFont(f, DialogFont());
        f->setMouseTracking(true);
        f->installEventFilter(this);
    }
    fraWeb->setAccessibleName(tr("Web site"));
    fraMail->setAccessibleName(tr("E-mail"));

    // what: how a screen reader names the link, with the link's own text.
    auto link = [&](QGroupBox* frame, const char* name, const QString& text, const QString& what) {
        auto* l = new ClickLabel(frame);
        l->setObjectName(QLatin1String(name));
        l->setText(text);
        QFont f = CasualFont(14);
        f.setUnderline(true);
        SetZoomedFont(l, f);
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
        l->setAccessibleName(what);
        l->setToolTip(l->accessibleName());
        SetLinkColour(l, navy);
        // The text's own size at 100 %, centred in the frame below its
        // caption: the frame around it is where the mouse turns it back.
        QLabel probe(text);
        probe.setFont(f);
        const QSize size = probe.sizeHint();
        Place(l, Twips((DesignPx(kLinkFrameWidthTwips) - size.width()) / 2),
              Twips(DesignPx(kLinkMiddleTwips) - size.height() / 2), Twips(size.width()), Twips(size.height()));
        l->onLeave = [this] { BothLinksNavy(); };
        return l;
    };
    //: %1 is the maker's web address.
    lblURL = link(fraWeb, "lblURL", QLatin1String(kMakerWeb), tr("Web site %1").arg(QLatin1String(kMakerWeb)));
    lblURL->onClick = [this] { lblURL_Click(); };
    lblURL->onMouseMove = [this] { lblURL_MouseMove(); };
    //: %1 is the maker's mail address.
    lblMail = link(fraMail, "lblMail", QLatin1String(kMakerMail), tr("Write to %1").arg(QLatin1String(kMakerMail)));
    lblMail->onClick = [this] { lblMail_Click(); };
    lblMail->onMouseMove = [this] { lblMail_MouseMove(); };

    lblDisclaimer = FixedText(this,
                              tr("This game comes as it is, without warranty. "
                                 "Please read the License Agreement before you share it."),
                              QRect(240, 3420, kLeftWidthTwips, 660), 12);
    lblDisclaimer->setStyleSheet(QStringLiteral("color: #505050"));

    auto button = [&](const char* name, const QString& caption, void (frmAbout::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        SetZoomedFont(b, DialogFont());
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    cmdOK = button("cmdOK", tr("&OK"), &frmAbout::cmdOK_Click);
    cmdSysInfo = button("cmdSysInfo", tr("&System Info"), &frmAbout::cmdSysInfo_Click);
    cmdEULA = button("cmdEULA", tr("License Agreement"), &frmAbout::cmdEULA_Click);
    cmdCredits = button("cmdCredits", tr("Credits"), &frmAbout::cmdCredits_Click);
    // A column at the right, wide enough for the longest caption.
    const QList<QPushButton*> column{cmdOK, cmdSysInfo, cmdEULA, cmdCredits};
    int width = kButtonWidthTwips;
    for (QPushButton* b : column) {
        QPushButton probe(b->text());  // as large as at 100 %
        probe.setFont(DialogFont());
        width = qMax(width, Twips(probe.sizeHint().width()));
    }
    int top = 1860;
    for (QPushButton* b : column) {
        Place(b, kWidthTwips - 240 - width, top, width, 390);
        top += 390 + 120;
    }
    cmdOK->setDefault(true);
    cmdOK->setAccessibleName(tr("OK"));
    cmdSysInfo->setAccessibleName(tr("System Info"));
    cmdEULA->setAccessibleName(cmdEULA->text());
    cmdCredits->setAccessibleName(cmdCredits->text());
    cmdOK->setFocus();
}

// ---- links ------------------------------------------------------------------------

void frmAbout::SetLinkColour(QLabel* link, const QColor& colour) {
    QPalette p = link->palette();
    if (p.color(QPalette::WindowText) == colour) return;
    p.setColor(QPalette::WindowText, colour);
    link->setPalette(p);
}

void frmAbout::BothLinksNavy() {
    SetLinkColour(lblURL, LinkColour());
    SetLinkColour(lblMail, LinkColour());
}

void frmAbout::lblURL_MouseMove() { SetLinkColour(lblURL, LinkHotColour()); }
void frmAbout::lblMail_MouseMove() { SetLinkColour(lblMail, LinkHotColour()); }
void frmAbout::fraWeb_MouseMove() { BothLinksNavy(); }
void frmAbout::fraMail_MouseMove() { BothLinksNavy(); }
void frmAbout::fraLinks_MouseMove() { BothLinksNavy(); }

void frmAbout::lblURL_Click() {
    if (openLink) openLink(QStringLiteral("http://") + QLatin1String(kMakerWeb));
}

void frmAbout::lblMail_Click() {
    if (openLink) openLink(QStringLiteral("mailto:") + QLatin1String(kMakerMail));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == fraWeb) fraWeb_MouseMove();
        else if (watched == fraMail) fraMail_MouseMove();
        else if (watched == fraLinks) fraLinks_MouseMove();
    }
    return QDialog::eventFilter(watched, event);
}

// ---- die pictures -------------------------------------------------------------------

// These two rattle whatever the sound option says: they are there to be heard.
void frmAbout::Picture1_Click() {
    host_.PlaySoundFile(QString::fromStdString(host_.settings().MultiDieSound));
    if (!host_.IsKeyHeld()) return;
    for (const char* part : kJoke) {
        QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle), tr(part), QMessageBox::Ok, this);
        box.exec();
    }
}

void frmAbout::Picture2_Click() {
    host_.PlaySoundFile(QString::fromStdString(host_.settings().OneDieSound));
}

// ---- buttons ---------------------------------------------------------------------------

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
    const QString path = sysInfo.Find();
    if (!path.isEmpty() && sysInfo.start && sysInfo.start(path)) return;
    QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle), tr("System Information Is Unavailable At This Time"),
                    QMessageBox::Ok, this);
    box.exec();
}

void frmAbout::cmdEULA_Click() { host_.ShowHelpTopic(7); }

void frmAbout::cmdCredits_Click() {
    const GameState& g = host_.state();
    auto* credits = new frmCredits(QString::fromStdString(g.PlayerName[0]), QString::fromStdString(g.PlayerName[1]),
                                   this);  // deletes itself once closed
    credits->exec();
}

}  // namespace zarvel
