#include "TrayColumn.h"

#include <QAction>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QLayout>

#include "ARButton.h"
#include "GameTray.h"
#include "OptionsTray.h"
#include "ThemeTray.h"
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

ThemeTray* TrayColumn::themeTray() {
    if (!theme_) {
        // The player's own pictures: a folder beside the program, and the
        // same folder name in the user's data folder.
        const QStringList folders = {
            QCoreApplication::applicationDirPath() + QStringLiteral("/Background"),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Background")};
        theme_ = new ThemeTray(window_.settings(), window_.settingsFile(), *window_.gameTray(), folders, column_);
        theme_->setGeometry(column_->rect());
        theme_->hide();
        connect(theme_, &ThemeTray::saveClicked, this, [this] { CloseTheme(true); });
        connect(theme_, &ThemeTray::cancelClicked, this, [this] { CloseTheme(false); });
    }
    return theme_;
}

void TrayColumn::OpenTheme() {
    ThemeTray* theme = themeTray();
    Open(theme);
    GameTray* game = window_.gameTray();
    for (int i = 0; i < kSlots; ++i) saved_.markers[std::size_t(i)] = game->MarkerVisible(i);
    saved_.roll = game->RollEnabled();
    saved_.pass = game->PassEnabled();
    saved_.passCount = window_.state().PassCount;
    saved_.actions = window_.state().AllowedActions;
    game->SetRollEnabled(false);
    game->SetPassEnabled(false);
    theme->Open();
    // The roll area shows the sample faces now: its markers would mislead.
    for (int i = 0; i < kSlots; ++i) game->ShowMarker(i, false);
    game->ShowSampleDice(true);
}

void TrayColumn::CloseTheme(bool save) {
    Close([this, save] {
        GameTray* game = window_.gameTray();
        // A computer's selection under way when the tray opened may
        // have moved the game on: then the buttons and markers are the
        // game's of now, not those of the opening, or the next human could
        // not roll.
        const GameState& g = window_.state();
        const bool movedOn = g.PassCount != saved_.passCount || g.AllowedActions != saved_.actions;
        if (!movedOn)
            for (int i = 0; i < kSlots; ++i) game->ShowMarker(i, saved_.markers[std::size_t(i)]);
        if (save)
            theme_->Save();
        else
            theme_->Cancel();
        game->ShowSampleDice(false);
        const int skin = window_.settings().DieColor;
        game->PaintTrayColours(skin);
        game->RedrawDice(g, skin);
        if (movedOn) {
            const bool human = g.GameRunning() && !g.IsComputerTurn();
            game->SetRollEnabled(human && g.AllowedActions.find('r') != std::string::npos);
            game->SetPassEnabled(human && g.AllowedActions.find('p') != std::string::npos);
        } else {
            game->SetRollEnabled(saved_.roll);
            game->SetPassEnabled(saved_.pass);
        }
    });
}

void TrayColumn::OpenOptions() {
    Open(optionsTray());
    options_->ShowOptions();
}

void TrayColumn::Fit(bool withColumn) {
    // The right edge stays put: the window moves left by what it grows. A
    // window back from a tray returns exactly where it was, unless the
    // player moved it meanwhile (a platform's rounding must not walk it
    // a pixel along with every tray).
    const int grow = Px(kWidthTwips) * (withColumn ? 1 : -1);
    QPoint place = window_.pos() - QPoint(grow, 0);
    if (withColumn) {
        beforeTray_ = window_.pos();
    } else if ((window_.pos() - withTray_).manhattanLength() <= 2) {
        place = beforeTray_;
    }
    window_.setUpdatesEnabled(false);
    column_->setVisible(withColumn);
    window_.gameTray()->move(withColumn ? Px(kWidthTwips) : 0, 0);
    client_->setFixedSize(Px(withColumn ? kWidthTwips : 0) + window_.gameTray()->width(), window_.gameTray()->height());
    window_.layout()->activate();
    if (window_.isVisible()) window_.move(place);
    if (withColumn) withTray_ = window_.pos();
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
    tray->setFocus(Qt::TabFocusReason);
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
    window_.TakeFocusBack();
}

}  // namespace zarvel
