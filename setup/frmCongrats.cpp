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
    setWindowTitle(QStringLiteral(" Congratulations !!!"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(Px(kWidthTwips), Px(kHeightTwips));

    picture = new QLabel(this);
    picture->setGeometry(0, 0, width(), Px(4500));
    picture->setAlignment(Qt::AlignCenter);
    ShowPicture();

    lblChampion = new QLabel(QStringLiteral("Zarvel Champion"), this);
    lblChampion->setFont(CasualFont(22, true));
    lblChampion->setAlignment(Qt::AlignCenter);
    lblChampion->setGeometry(0, Px(4560), width(), Px(480));
    lblChampion->setStyleSheet(QStringLiteral("color: #000080"));

    lblWinner = new QLabel(QStringLiteral("Engraving..."), this);
    lblWinner->setFont(CasualFont(20, true));
    lblWinner->setTextFormat(Qt::PlainText);
    lblWinner->setAlignment(Qt::AlignCenter);
    lblWinner->setGeometry(Px(120), Px(5070), width() - Px(240), Px(450));
    lblWinner->setStyleSheet(QStringLiteral("color: #FF0000"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry((width() - Px(1200)) / 2, Px(5580), Px(1200), Px(420));
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

// The picture as sharp as the screen allows, from the variant that fits it.
void frmCongrats::ShowPicture() {
    static const QPixmap onex(QStringLiteral(":/picture/congrats.png"));
    const qreal dpr = devicePixelRatioF();
    const QPixmap art = PictureVariant(onex, QStringLiteral(":/picture/congrats@%1x.png"), dpr);
    QPixmap shown = art.scaled((QSizeF(picture->size()) * dpr).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(dpr);
    picture->setPixmap(shown);
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
    ShowPicture();  // on the screen it is shown on
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
