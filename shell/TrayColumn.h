// The tray column left of the game tray, and the way a tray opens and
// closes: the window grows to the left by the column's width with its right
// edge where it was, the game is disabled and computer turns wait
// (TrayOpen); closing puts everything back.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>

#include "GameState.h"

class QWidget;

namespace zarvel {

class GameTray;
class OptionsTray;
class SettingsFile;
class ThemeTray;

// What the tray column needs from the main window.
class TrayHost {
public:
    virtual ~TrayHost() = default;
    // The window that grows by the column, right edge fixed.
    virtual QWidget* mainWindow() = 0;
    virtual GameTray* gameTray() const = 0;
    virtual Settings& settings() = 0;
    virtual SettingsFile& settingsFile() = 0;
    virtual const GameState& state() const = 0;
    // Plays a file whatever the sound option says (the sound dialog's Test).
    virtual void PlaySoundFile(const QString& path) = 0;
    // A tray is open (the game waits) / the window is changing size for one.
    virtual void SetTrayFlags(bool open, bool moving) = 0;
    // The menu's ways to a new game and to the trays.
    virtual void EnableTrayMenus(bool enabled) = 0;
    // The board changed its size for the column: the window takes the
    // board's size (true), or, maximised, keeps its own and the zoom fits
    // the board into it (false).
    virtual bool FitWindowToBoard() = 0;
    virtual void TakeFocusBack() = 0;
};

class TrayColumn : public QObject {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 1650;

    // Builds the (hidden) column on the board, left of the game tray.
    TrayColumn(TrayHost& host, QWidget* board);

    QWidget* column() const { return column_; }
    OptionsTray* optionsTray();
    ThemeTray* themeTray();

    // The Options and Theme buttons and menu entries.
    void OpenOptions();
    void OpenTheme();

    // Opening steps for any tray: the flags, the wider window, the tray
    // shown, the game and the ways to open another tray disabled.
    void Open(QWidget* tray);
    // Closing steps; then save (Save only), then TrayOpen is cleared.
    void Close(const std::function<void()>& save = {});
    // The window was zoomed: closing a tray keeps the right edge where it
    // is now, not where the window stood before the tray opened.
    void ZoomChanged();

private:
    // The board with or without the column; the window's right edge fixed.
    void Fit(bool withColumn);
    // Save or Cancel of the theme tray: the game pane as it was, the dice
    // in the skin kept.
    void CloseTheme(bool save);

    TrayHost& host_;
    QWidget* board_;
    QWidget* column_;
    QPoint beforeTray_, withTray_;  // the window's place before and with a tray
    OptionsTray* options_ = nullptr;
    ThemeTray* theme_ = nullptr;
    // What the game pane showed when the theme tray opened, and the game
    // it showed.
    struct {
        std::array<bool, kSlots> markers{};
        bool roll = false, pass = false;
        GameState game;
    } saved_;
};

}  // namespace zarvel
