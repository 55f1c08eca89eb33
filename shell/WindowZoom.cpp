#include "WindowZoom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "BoardArea.h"
#include "GameTray.h"
#include "SettingKeys.h"
#include "SettingsFile.h"
#include "TrayColumn.h"
#include "Twips.h"
#include "frmScorePad.h"

namespace zarvel {

namespace {

// A window the window manager has not framed yet is reckoned with a frame
// of about this size (a caption bar and thin borders).
constexpr QMargins kExpectedFrame(4, 28, 4, 4);

// How long a resize must have rested before its zoom is written.
constexpr int kRememberAfterMs = 500;

int At(int twips, int percent) { return Zoomed(DesignPx(twips), percent); }

}  // namespace

WindowZoom::WindowZoom(QMainWindow& window, BoardArea& area, GameTray& tray, Settings& settings, SettingsFile& file)
    : QObject(&window), window_(window), area_(area), tray_(tray), settings_(settings), file_(file) {
    remember_ = new QTimer(this);
    remember_->setSingleShot(true);
    remember_->setInterval(kRememberAfterMs);
    connect(remember_, &QTimer::timeout, this, &WindowZoom::Write);
    connect(&area_, &BoardArea::resized, this, &WindowZoom::AreaResized);
}

WindowZoom::~WindowZoom() {
    if (remember_->isActive()) Write();
}

QMenu* WindowZoom::BuildMenu(QMenuBar* bar) {
    mnuView = bar->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    // From any of the game's windows but a modal one, like F1.
    const auto add = [this](const QString& caption, const char* name, auto slot) {
        QAction* a = mnuView->addAction(caption, this, slot);
        a->setObjectName(QLatin1String(name));
        a->setShortcutContext(Qt::ApplicationShortcut);
        return a;
    };
    mnuZoomIn = add(tr("Zoom &In"), "mnuZoomIn", &WindowZoom::ZoomIn);
    // Ctrl and the plus key, with or without Shift, or on the keypad.
    const auto keypad = [](Qt::Key key) { return QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key)); };
    mnuZoomIn->setShortcuts(QList<QKeySequence>{QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                                                keypad(Qt::Key_Plus)});
    mnuZoomOut = add(tr("Zoom &Out"), "mnuZoomOut", &WindowZoom::ZoomOut);
    mnuZoomOut->setShortcuts(QList<QKeySequence>{QKeySequence(QKeySequence::ZoomOut), keypad(Qt::Key_Minus)});
    mnuView->addSeparator();
    steps_ = new QActionGroup(this);
    steps_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
        const int percent = kZoomSteps[i];
        const QByteArray name = "mnuZoom" + QByteArray::number(percent);
        QAction* a = add(tr("%1 %").arg(percent), name.constData(), [this, percent] { ZoomTo(percent); });
        a->setCheckable(true);
        steps_->addAction(a);
        mnuZoom[i] = a;
    }
    mnuZoom[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    mnuView->addSeparator();
    mnuFitToScreen = add(tr("&Fit to Screen"), "mnuFitToScreen", &WindowZoom::FitToScreen);
    ShowChecks();
    return mnuView;
}

// ---- the rules -------------------------------------------------------------------

QSize WindowZoom::BoardSizeAt(int percent) const {
    // The column (when the tray stands right of it) and the game tray, each
    // rounded as the window rounds them.
    const QRect tray = PlacedTwips(&tray_);
    return QSize(At(tray.x(), percent) + At(tray.width(), percent), At(tray.height(), percent));
}

int WindowZoom::FitPercent(QSize area) const {
    for (int percent = MaxPercent(); percent > kMinZoom; --percent) {
        const QSize board = BoardSizeAt(percent);
        if (board.width() <= area.width() && board.height() <= area.height()) return percent;
    }
    return kMinZoom;
}

int WindowZoom::MaxPercent() const {
    const double ratio = std::max(1.0, window_.devicePixelRatioF());
    const int largest = int(std::floor(kArtScales.back() * kMaxEnlargement * 100 / ratio + 1e-9));
    return std::clamp(largest, kMinZoom, kMaxZoom);
}

int WindowZoom::FirstStartPercent(int availableHeight, int mainChrome, int padChrome) {
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        const int main = At(GameTray::kHeightTwips, *step) + mainChrome;
        const int pad = At(frmScorePad::HeightTwips(frmScorePad::kRows), *step) + padChrome;
        const int rise = At(frmScorePad::kAboveMainTwips, *step);
        // From the pad's top, above the main window's, to the lower bottom.
        if (std::max(main + rise, pad) * 3 <= availableHeight * 2) return *step;
    }
    return kZoomSteps.front();
}

QSize WindowZoom::Chrome() const {
    const QWindow* handle = window_.windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    const QMargins frame = known.isNull() ? kExpectedFrame : known;
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom() + MenuHeight(area_.board()->width()));
}

int WindowZoom::MenuHeight(int width) const {
    const QWidget* menu = window_.menuWidget();
    if (!menu) return 0;
    return menu->hasHeightForWidth() ? menu->heightForWidth(width) : menu->sizeHint().height();
}

int WindowZoom::ScreenFitPercent(bool roomForTray) const {
    const QScreen* screen = window_.screen();
    if (!screen) return kMinZoom;
    const QSize room = screen->availableGeometry().size() - Chrome();
    const bool columnShown = PlacedTwips(&tray_).x() > 0;
    for (int percent = MaxPercent(); percent > kMinZoom; --percent) {
        QSize board = BoardSizeAt(percent);
        if (roomForTray && !columnShown) board.rwidth() += At(TrayColumn::kWidthTwips, percent);
        if (board.width() <= room.width() && board.height() <= room.height()) return percent;
    }
    return kMinZoom;
}

bool WindowZoom::Maximised() const {
    return window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

// ---- zooming ----------------------------------------------------------------------

void WindowZoom::Start() {
    int percent = settings_.Zoom;
    if (percent >= kMinZoom && percent <= kMaxZoom) {
        // A zoom chosen on a larger screen holds as far as this one has room.
        percent = std::min(percent, ScreenFitPercent(false));
    } else {
        const QScreen* screen = window_.screen();
        const int height = screen ? screen->availableGeometry().height() : 0;
        const QSize chrome = Chrome();
        percent = FirstStartPercent(height, chrome.height(), kExpectedFrame.top() + kExpectedFrame.bottom());
    }
    Apply(std::min(percent, MaxPercent()));
    SizeWindowToBoard();
    emit zoomed();
}

void WindowZoom::Apply(int percent) {
    SetZoomPercent(percent);
    for (QWidget* w : QApplication::topLevelWidgets()) Rezoom(w);
    area_.FitBoard();
    area_.setMinimumSize(BoardSizeAt(kMinZoom));
    ShowChecks();
}

void WindowZoom::SizeWindowToBoard() {
    sizing_ = true;
    area_.FitBoard();
    area_.setMinimumSize(BoardSizeAt(kMinZoom));
    // The board fills the window below the menu bar.
    const QSize board = area_.board()->size();
    window_.resize(board.width(), board.height() + MenuHeight(board.width()));
    if (window_.isVisible()) {
        // What the window's own layout makes of it, should that differ.
        window_.layout()->activate();
        if (area_.size() != board) window_.resize(window_.size() + (board - area_.size()));
    }
    sizing_ = false;
}

void WindowZoom::AreaResized() {
    if (sizing_) return;
    const int percent = FitPercent(area_.size());
    if (percent == ZoomPercent()) return;
    Apply(percent);
    emit zoomed();
    Remember(false);
}

void WindowZoom::ZoomTo(int percent) {
    percent = std::clamp(percent, kMinZoom, MaxPercent());
    if (Maximised()) window_.showNormal();
    const QPoint centre = window_.frameGeometry().center();
    Apply(percent);
    SizeWindowToBoard();
    // The window grows or shrinks about its middle, and stays on the screen.
    if (const QScreen* screen = window_.screen(); screen && window_.isVisible()) {
        const QRect avail = screen->availableGeometry();
        const QRect frame = window_.frameGeometry();
        const QSize size = frame.size().expandedTo(window_.size().grownBy(kExpectedFrame));
        const QPoint wanted = centre - QPoint(size.width() / 2, size.height() / 2);
        const int left = std::clamp(wanted.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - size.width()));
        const int top = std::clamp(wanted.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - size.height()));
        if (QPoint(left, top) != frame.topLeft()) window_.move(left, top);
    }
    emit zoomed();
    Remember(true);
}

void WindowZoom::ZoomIn() {
    for (const int step : kZoomSteps)
        if (step > ZoomPercent() && step <= MaxPercent()) return ZoomTo(step);
}

void WindowZoom::ZoomOut() {
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
        if (*step < ZoomPercent()) return ZoomTo(*step);
}

void WindowZoom::FitToScreen() {
    ZoomTo(ScreenFitPercent(true));
    // Room on the left for a tray to open into.
    const QScreen* screen = window_.screen();
    if (!screen || !window_.isVisible() || PlacedTwips(&tray_).x() > 0) return;
    const int room = window_.frameGeometry().left() - screen->availableGeometry().left();
    const int column = Px(TrayColumn::kWidthTwips);
    if (room < column) window_.move(window_.frameGeometry().topLeft() + QPoint(column - room, 0));
}

bool WindowZoom::FitWindowToBoard() {
    if (Maximised()) {
        area_.FitBoard();
        if (const int percent = FitPercent(area_.size()); percent != ZoomPercent()) {
            Apply(percent);
            emit zoomed();
        }
        return false;
    }
    SizeWindowToBoard();
    return true;
}

void WindowZoom::Remember(bool now) {
    // A maximised window's zoom is the screen's, not a choice: a choice
    // still waiting to be written stays the one written.
    if (Maximised()) return;
    chosen_ = ZoomPercent();
    if (now)
        Write();
    else
        remember_->start();
}

void WindowZoom::Write() {
    remember_->stop();
    settings_.Zoom = chosen_;
    WriteSetting(file_, settings_, Key::Zoom);
}

void WindowZoom::ShowChecks() {
    if (!mnuView) return;
    const int largest = MaxPercent();
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
        mnuZoom[i]->setChecked(kZoomSteps[i] == ZoomPercent());
        mnuZoom[i]->setEnabled(kZoomSteps[i] <= largest);
    }
    mnuZoomIn->setEnabled(ZoomPercent() < std::min(largest, kZoomSteps.back()));
    mnuZoomOut->setEnabled(ZoomPercent() > kMinZoom);
}

}  // namespace zarvel
