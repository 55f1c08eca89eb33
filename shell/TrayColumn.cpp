#include "TrayColumn.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QWidget>

#include "ARButton.h"
#include "GameTray.h"
#include "OptionsTray.h"
#include "ThemeTray.h"
#include "Twips.h"

namespace zarvel {

TrayColumn::TrayColumn(TrayHost& host, QWidget* board) : QObject(host.mainWindow()), host_(host), board_(board) {
    column_ = new QWidget(board);
    column_->setObjectName(QStringLiteral("trayColumn"));
    Place(column_, 0, 0, kWidthTwips, GameTray::kHeightTwips);
    Fit(false);  // the window opens narrowed to the game tray
}

OptionsTray* TrayColumn::optionsTray() {
    if (!options_) {
        options_ = new OptionsTray(host_.settings(), host_.settingsFile(),
                                   [this](const QString& path) { host_.PlaySoundFile(path); }, column_);
        Place(options_, 0, 0, kWidthTwips, GameTray::kHeightTwips);
        options_->hide();
        connect(options_, &OptionsTray::saveClicked, this, [this] { Close([this] { options_->SaveOptions(); }); });
        connect(options_, &OptionsTray::cancelClicked, this, [this] { Close(); });
        connect(options_, &OptionsTray::markersOff, this, [this] {
            for (int slot = 0; slot < kSlots; ++slot) host_.gameTray()->ShowMarker(slot, false);
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
        theme_ = new ThemeTray(host_.settings(), host_.settingsFile(), *host_.gameTray(), folders, column_);
        Place(theme_, 0, 0, kWidthTwips, GameTray::kHeightTwips);
        theme_->hide();
        connect(theme_, &ThemeTray::saveClicked, this, [this] { CloseTheme(true); });
        connect(theme_, &ThemeTray::cancelClicked, this, [this] { CloseTheme(false); });
    }
    return theme_;
}

void TrayColumn::OpenTheme() {
    ThemeTray* theme = themeTray();
    Open(theme);
    GameTray* game = host_.gameTray();
    for (int i = 0; i < kSlots; ++i) saved_.markers[std::size_t(i)] = game->MarkerVisible(i);
    saved_.roll = game->RollEnabled();
    saved_.pass = game->PassEnabled();
    saved_.game = host_.state();
    game->SetRollEnabled(false);
    game->SetPassEnabled(false);
    theme->Open();
    // The roll area shows the sample faces now: its markers would mislead.
    for (int i = 0; i < kSlots; ++i) game->ShowMarker(i, false);
    game->ShowSampleDice(true);
}

void TrayColumn::CloseTheme(bool save) {
    Close([this, save] {
        GameTray* game = host_.gameTray();
        // A computer's selection under way when the tray opened may
        // have moved the game on: then the buttons and markers are the
        // game's of now, not those of the opening, or the next human could
        // not roll.
        const GameState& g = host_.state();
        const bool movedOn = g != saved_.game;
        if (!movedOn)
            for (int i = 0; i < kSlots; ++i) game->ShowMarker(i, saved_.markers[std::size_t(i)]);
        if (save)
            theme_->Save();
        else
            theme_->Cancel();
        game->ShowSampleDice(false);
        const int skin = host_.settings().DieSkin;
        game->PaintTrayColours(skin);
        game->RedrawDice(g, skin);
        if (movedOn) {
            const bool human = g.GameRunning() && !g.IsComputerTurn();
            game->SetRollEnabled(human && g.AllowedActions.Has(Action::Roll));
            game->SetPassEnabled(human && g.AllowedActions.Has(Action::Pass));
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
    QWidget& window = *host_.mainWindow();
    GameTray& game = *host_.gameTray();
    const int grow = Px(kWidthTwips) * (withColumn ? 1 : -1);
    QPoint place = window.pos() - QPoint(grow, 0);
    if (withColumn) {
        beforeTray_ = window.pos();
    } else if ((window.pos() - withTray_).manhattanLength() <= 2) {
        place = beforeTray_;
    }
    window.setUpdatesEnabled(false);
    column_->setVisible(withColumn);
    const int left = withColumn ? kWidthTwips : 0;
    Place(&game, left, 0, GameTray::kWidthTwips, GameTray::kHeightTwips);
    if (host_.FitWindowToBoard() && window.isVisible()) window.move(place);
    if (withColumn) withTray_ = window.pos();
    window.setUpdatesEnabled(true);
}

void TrayColumn::ZoomChanged() { withTray_ = QPoint(-100000, -100000); }

namespace {

// The buttons that open a tray, end the program or start a game.
std::array<QWidget*, 4> TrayOpeners(GameTray& game) {
    return {game.cmdSkins, game.cmdOptions, game.cmdExit, game.ARCmdNewGame};
}

}  // namespace

void TrayColumn::Open(QWidget* tray) {
    host_.SetTrayFlags(true, true);
    for (QWidget* other : column_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        other->setVisible(other == tray);
    Fit(true);
    host_.SetTrayFlags(true, false);

    GameTray& game = *host_.gameTray();
    for (QWidget* w : TrayOpeners(game)) w->setEnabled(false);
    game.setEnabled(false);
    host_.EnableTrayMenus(false);
    tray->setFocus(Qt::TabFocusReason);
}

void TrayColumn::Close(const std::function<void()>& save) {
    host_.SetTrayFlags(true, true);
    GameTray& game = *host_.gameTray();
    for (QWidget* w : TrayOpeners(game)) w->setEnabled(true);
    host_.EnableTrayMenus(true);
    Fit(false);
    game.setEnabled(true);
    host_.SetTrayFlags(true, false);
    if (save) save();
    host_.SetTrayFlags(false, false);
    host_.TakeFocusBack();
}

}  // namespace zarvel
