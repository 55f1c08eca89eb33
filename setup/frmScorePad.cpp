#include "frmScorePad.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "Fonts.h"
#include "GameHost.h"
#include "NameLabel.h"
#include "Table.h"
#include "Twips.h"
#include "WindowPlace.h"

namespace zarvel {

namespace {

const QString kBack = QStringLiteral("#FFFF80");  // light yellow
const QString kNavy = QStringLiteral("#000080");
const QString kRed = QStringLiteral("#FF0000");

// Placed in twips.
template <class Label = QLabel>
Label* PadLabel(QWidget* parent, QRect twips, int pixelSize = 14) {
    auto* l = new Label(parent);
    Place(l, twips.x(), twips.y(), twips.width(), twips.height());
    SetZoomedFont(l, CasualFont(pixelSize));
    l->setTextFormat(Qt::PlainText);
    l->setStyleSheet(QStringLiteral("color: %1").arg(kNavy));
    return l;
}

void Paint(QLabel* l, bool current) {
    QFont f = l->font();
    f.setBold(current);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: %1").arg(current ? kRed : kNavy));
}

}  // namespace

frmScorePad::frmScorePad(GameHost& host, QWidget* parent)
    // A tool window: it stays with the game, out of the task bar.
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      host_(host) {
    setWindowTitle(u' ' + tr("Score Pad"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(kBack));
    setPalette(pal);

    lblGoal = PadLabel(this, QRect(120, 90, 2250, 300), 13);
    lblGoal->setAlignment(Qt::AlignCenter);
    lblPlayerHeading = PadLabel(this, QRect(240, 480, 1300, 300));
    //: Column heading over the players' names.
    lblPlayerHeading->setText(tr("Player"));
    // As wide as the scores below it.
    lblScoreHeading = PadLabel(this, QRect(1680, 480, 750, 300));
    //: Column heading over the players' scores.
    lblScoreHeading->setText(tr("Score"));
    for (QLabel* heading : {lblPlayerHeading, lblScoreHeading}) {
        QFont f = heading->font();
        f.setUnderline(true);
        heading->setFont(f);
    }
    for (int i = 0; i < kRows; ++i) {
        // The name stops short of the score column.
        lblPlayer[i] = PadLabel<NameLabel>(this, QRect(240, 900 + 420 * i, 1320, 330));
        lblScore[i] = PadLabel(this, QRect(1680, 900 + 420 * i, 750, 330));
        lblScore[i]->setText(QStringLiteral("0"));
        lblPlayer[i]->installEventFilter(this);
        lblScore[i]->installEventFilter(this);
    }
    FixSize(this, kWidthTwips, HeightTwips(2));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1800);
    connect(Timer1, &QTimer::timeout, this, &frmScorePad::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

int frmScorePad::HeightTwips(int numPlayers) {
    // The designed window heights, less the caption bar.
    static constexpr int kHeights[9] = {0, 2115, 2115, 2535, 2955, 3375, 3795, 4215, 4635};
    return numPlayers >= 1 && numPlayers <= 8 ? kHeights[numPlayers] - kCaptionTwips : 0;
}

QString frmScorePad::TargetText() const {
    //: %1 is the target score that ends the game.
    return tr("(Playing to %1)").arg(host_.table().state().PlayToScore);
}

QString frmScorePad::BreakInText() const {
    //: %1 is the points a player must make in one turn before the first banking.
    return tr("(%1 to break in)").arg(host_.table().state().BreakInScore);
}

void frmScorePad::Form_Load() {
    const GameState& g = host_.table().state();
    if (g.CurrentPlayer >= 0 && g.CurrentPlayer < kRows) setHighlight(g.CurrentPlayer, true);
    update();
    if (const int games = host_.TestRunGames()) setWindowTitle(u' ' + tr("Game %1 of %2").arg(1).arg(games));
}

void frmScorePad::Form_Activate() {
    const GameState& g = host_.table().state();
    lblGoal->setText(TargetText());
    const int n = std::clamp(g.NumPlayers, 0, kRows);
    for (int i = 0; i < n; ++i) {
        lblPlayer[i]->setName(QString::fromStdString(g.PlayerName[i]));
        lblScore[i]->setText(QString::number(g.PlayerScore[i]));
        setHighlight(i, false);
    }
    // Only the seats of the game are shown; rows below the height stay out
    // of sight anyway, but hidden they can't be read by a screen reader.
    for (int i = 0; i < kRows; ++i) {
        lblPlayer[i]->setVisible(i < n);
        lblScore[i]->setVisible(i < n);
    }
    if (const int h = HeightTwips(g.NumPlayers); h > 0) FixSize(this, kWidthTwips, h);
    if (g.CurrentPlayer != kNone) setHighlight(g.CurrentPlayer, true);
    update();
}

void frmScorePad::Timer1_Timer() {
    const GameState& g = host_.table().state();
    bool everyoneIn = true;
    for (int i = 0; i < std::clamp(g.NumPlayers, 0, kRows); ++i)
        if (g.PlayerScore[i] == 0) everyoneIn = false;
    if (everyoneIn)
        lblGoal->setText(TargetText());
    else
        lblGoal->setText(lblGoal->text() == TargetText() ? BreakInText() : TargetText());
}

void frmScorePad::setScore(int seat, const QString& text) {
    if (seat >= 0 && seat < kRows) lblScore[seat]->setText(text);
}

void frmScorePad::setHighlight(int seat, bool current) {
    if (seat < 0 || seat >= kRows) return;
    Paint(lblPlayer[seat], current);
    Paint(lblScore[seat], current);
}

void frmScorePad::setItalic(int seat, bool italic) {
    if (seat < 0 || seat >= kRows) return;
    QFont f = lblPlayer[seat]->font();
    f.setItalic(italic);
    lblPlayer[seat]->setFont(f);
}

void frmScorePad::repaintPad() { update(); }

void frmScorePad::placeBeside(QWidget* mainWindow) {
    if (!mainWindow) return;
    const QRect main = mainWindow->frameGeometry();
    const QScreen* screen = mainWindow->screen() ? mainWindow->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize pad = FrameSize(this, mainWindow);
    int top = main.top() - Px(kAboveMainTwips);
    int left = main.left() + main.width() + Px(kBesideMainTwips);
    if (left >= avail.left() + avail.width()) left = main.left() - Px(kBesideMainTwips) - pad.width();
    // A main window as wide as the screen (maximised) leaves no room on
    // either side: the pad then stands over it, at the screen's edge.
    if (left < avail.left()) left = std::max(avail.left(), avail.right() + 1 - pad.width());
    // Above or below the screen is no place for it: keep the caption bar
    // within the screen.
    if (top >= avail.bottom() - 30 || top < avail.top())
        top = std::clamp(main.top(), avail.top(), std::max(avail.top(), avail.bottom() - pad.height()));
    MoveFrameTo(this, QPoint(left, top), mainWindow);
    repaintPad();
}

void frmScorePad::showRebuilt() {
    if (isVisible())
        Form_Activate();
    else
        show();  // shown, the pad rebuilds itself
}

void frmScorePad::closeEvent(QCloseEvent* e) {
    // Closing only hides the pad: the game menu, or the next game, shows it again.
    e->accept();
    if (!host_.Quitting()) emit closedByPlayer();
}

void frmScorePad::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) emit shownChanged(false);
}

bool frmScorePad::event(QEvent* e) {
    // Coming back to the pad redraws it from the game state.
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void frmScorePad::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Form_Activate();
    if (!e->spontaneous()) emit shownChanged(true);
}

// A click on the pad redraws it from the game state.
void frmScorePad::mousePressEvent(QMouseEvent* e) {
    Form_Activate();
    QWidget::mousePressEvent(e);
}

// The game's keys work while the pad has the focus too.
void frmScorePad::keyPressEvent(QKeyEvent* e) {
    if (QWidget* main = host_.mainWindow()) QApplication::sendEvent(main, e);
}

void frmScorePad::keyReleaseEvent(QKeyEvent* e) {
    if (QWidget* main = host_.mainWindow()) QApplication::sendEvent(main, e);
}

bool frmScorePad::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && watched != this) Form_Activate();
    return QWidget::eventFilter(watched, e);
}

}  // namespace zarvel
