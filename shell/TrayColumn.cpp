#include "TrayColumn.h"

#include <QAction>
#include <QLayout>

#include "ARButton.h"
#include "GameTray.h"
#include "OptionsTray.h"
#include "Twips.h"
#include "frmMain.h"

namespace zarvel {

TrayColumn::TrayColumn(frmMain& window, QWidget* client) : QObject(&window), window_(window), client_(client) {
    column_ = new QWidget(client);
    column_->setObjectName(QStringLiteral("trayColumn"));
    column_->setGeometry(TwipRect(0, 0, kWidthTwips, GameTray::kHeightTwips));
    Fit(false);  // the window opens narrowed to the game tray
}

OptionsTray* TrayColumn::optionsTray() {
    if (!options_) {
        options_ = new OptionsTray(window_.settings(), window_.settingsFile(),
                                   [this](const QString& path) { window_.PlaySoundFile(path); }, column_);
        options_->setGeometry(column_->rect());
        options_->hide();
        connect(options_, &OptionsTray::saveClicked, this, [this] { Close([this] { options_->SaveOptions(); }); });
        connect(options_, &OptionsTray::cancelClicked, this, [this] { Close(); });
        connect(options_, &OptionsTray::markersOff, this, [this] {
            for (int slot = 0; slot < kSlots; ++slot) window_.ShowMarker(slot, false);
        });
    }
    return options_;
}

void TrayColumn::OpenOptions() {
    Open(optionsTray());
    options_->ShowOptions();
}

void TrayColumn::Fit(bool withColumn) {
    // The right edge stays put: the window moves left by what it grows.
    const int grow = Px(kWidthTwips) * (withColumn ? 1 : -1);
    const QPoint place = window_.pos() - QPoint(grow, 0);
    window_.setUpdatesEnabled(false);
    column_->setVisible(withColumn);
    window_.gameTray()->move(withColumn ? Px(kWidthTwips) : 0, 0);
    client_->setFixedSize(Px(withColumn ? kWidthTwips : 0) + window_.gameTray()->width(), window_.gameTray()->height());
    window_.layout()->activate();
    if (window_.isVisible()) window_.move(place);
    window_.setUpdatesEnabled(true);
}

void TrayColumn::Open(QWidget* tray) {
    GameState& g = window_.state();
    g.TrayOpen = true;
    g.TrayMoving = true;
    for (QWidget* other : column_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        other->setVisible(other == tray);
    Fit(true);
    g.TrayMoving = false;

    GameTray* game = window_.gameTray();
    for (QWidget* w : {static_cast<QWidget*>(game->cmdSkins), static_cast<QWidget*>(game->cmdOptions),
                       static_cast<QWidget*>(game->cmdExit), static_cast<QWidget*>(game),
                       static_cast<QWidget*>(game->ARCmdNewGame)})
        w->setEnabled(false);
    for (QAction* a : {window_.mnuNewGame, window_.mnuThemes, window_.mnuOptions}) a->setEnabled(false);
}

void TrayColumn::Close(const std::function<void()>& save) {
    GameState& g = window_.state();
    g.TrayMoving = true;
    GameTray* game = window_.gameTray();
    for (QWidget* w : {static_cast<QWidget*>(game->cmdSkins), static_cast<QWidget*>(game->cmdOptions),
                       static_cast<QWidget*>(game->cmdExit), static_cast<QWidget*>(game->ARCmdNewGame)})
        w->setEnabled(true);
    for (QAction* a : {window_.mnuNewGame, window_.mnuThemes, window_.mnuOptions}) a->setEnabled(true);
    Fit(false);
    game->setEnabled(true);
    g.TrayMoving = false;
    if (save) save();
    g.TrayOpen = false;
}

}  // namespace zarvel
