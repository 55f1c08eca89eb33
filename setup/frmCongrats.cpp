#include "frmCongrats.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "Fonts.h"
#include "GameHost.h"
#include "NameLabel.h"
#include "Table.h"
#include "Twips.h"
#include "Variants.h"
#include "WindowPlace.h"

namespace zarvel {

frmCongrats::frmCongrats(GameHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(u' ' + tr("Congratulations !!!"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FixSize(this, kWidthTwips, kHeightTwips);

    picture = new QLabel(this);
    Place(picture, 0, 0, kWidthTwips, 4500);
    picture->setAlignment(Qt::AlignCenter);
    ShowPicture();

    lblChampion = new QLabel(tr("Zarvel Champion"), this);
    SetZoomedFont(lblChampion, CasualFont(22, true));
    lblChampion->setAlignment(Qt::AlignCenter);
    Place(lblChampion, 0, 4560, kWidthTwips, 480);
    lblChampion->setStyleSheet(QStringLiteral("color: #000080"));

    //: Shown a moment before the winner's name appears, as if engraved on a trophy.
    lblWinner = new QLabel(tr("Engraving..."), this);
    SetZoomedFont(lblWinner, CasualFont(20, true));
    lblWinner->setTextFormat(Qt::PlainText);
    lblWinner->setAlignment(Qt::AlignCenter);
    Place(lblWinner, 120, 5070, kWidthTwips - 240, 450);
    lblWinner->setStyleSheet(QStringLiteral("color: #FF0000"));

    cmdOK = new QPushButton(tr("OK"), this);
    SetZoomedFont(cmdOK, cmdOK->font());
    Place(cmdOK, (kWidthTwips - 1200) / 2, 5580, 1200, 420);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmCongrats::cmdOK_Click);
}

// The cream back is painted rather than set as a palette: a palette of its
// own would give every new window's button new cache keys in the style's
// pixmap cache, which then grows with every game.
void frmCongrats::paintEvent(QPaintEvent* e) {
    QPainter(this).fillRect(rect(), QColor(0xFF, 0xF8, 0xE1));
    QDialog::paintEvent(e);
}

// The picture as sharp as the screen and the zoom allow, from the variant
// that fits it.
void frmCongrats::ShowPicture() {
    static const QPixmap onex(QStringLiteral(":/picture/congrats.png"));
    picture->setPixmap(PictureAtSize(onex, QStringLiteral(":/picture/congrats@%1x.png"), picture->size(),
                                     devicePixelRatioF(), Qt::KeepAspectRatio));
}

QString frmCongrats::WinnerText(const QString& name) { return QStringLiteral("* ") + name + QStringLiteral(" *"); }

void frmCongrats::Form_Activate() {
    // The pause below lets events through; an activation during it must
    // not start a second one.
    if (activating_) return;
    activating_ = true;
    if (QWidget* main = host_.mainWindow()) {
        const QRect m = main->frameGeometry();
        const int width = FrameSize(this, main).width();
        MoveFrameTo(this, QPoint(m.left() + (m.width() - width) / 2, m.top() - Px(350)), main);
    }
    update();
    Table& table = host_.table();
    const GameState& g = table.state();
    const int winner = g.Winner >= 0 && g.Winner < kSeats ? g.Winner : 0;
    // A long name is shortened to the window; the whole of it is the tooltip
    // and what a screen reader reads.
    const QString name = QString::fromStdString(g.PlayerName[winner]);
    lblWinner->setAccessibleName(WinnerText(name));
    lblWinner->setText(FitName(&frmCongrats::WinnerText, name, lblWinner->fontMetrics(), lblWinner->contentsRect().width()));
    lblWinner->setToolTip(lblWinner->text() == WinnerText(name) ? QString() : WinnerText(name));
    lblWinner->repaint();
    table.board().Sleep(500);
    if (!table.settings().SoundFXOFF) host_.PlaySoundFile(QString::fromStdString(table.settings().GameOverSound));
    activating_ = false;
}

void frmCongrats::cmdOK_Click() {
    host_.ShowGameButtons(false);
    accept();
}

// Closing the window any other way is OK as well, so the buttons come back.
void frmCongrats::reject() { cmdOK_Click(); }

void frmCongrats::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FitToScreen(this, host_.mainWindow());
    ShowPicture();  // on the screen it is shown on, at the size it has there
    cmdOK->setFocus();
    // Once the window is on screen, so it is seen during the pause.
    QTimer::singleShot(0, this, &frmCongrats::Form_Activate);
}

bool frmCongrats::event(QEvent* e) {
    // Coming back to the window from another one runs the activation again.
    if (e->type() == QEvent::WindowDeactivate) left_ = true;
    if (e->type() == QEvent::WindowActivate && left_) {
        left_ = false;
        const bool result = QDialog::event(e);
        Form_Activate();
        return result;
    }
    return QDialog::event(e);
}

}  // namespace zarvel
