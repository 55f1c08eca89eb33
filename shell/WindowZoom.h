// The main window's zoom: the View menu and its keys, the board fitted to
// the window when the player resizes or maximises it, the first start's
// choice for the screen, and the zoom remembered in the settings file.
// The factor itself is Twips.h's, one for every window of the game.
#pragma once

#include <QObject>
#include <QSize>
#include <array>

#include "Options.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QMenuBar;
class QTimer;

namespace zarvel {

class BoardArea;
class GameTray;
class SettingsFile;
struct Settings;

class WindowZoom : public QObject {
    Q_OBJECT
public:
    WindowZoom(QMainWindow& window, BoardArea& area, GameTray& tray, Settings& settings, SettingsFile& file);
    // A zoom the player resized to and that is not written yet is written now.
    ~WindowZoom() override;

    // The View menu: zoom in and out, the steps and Fit to Screen.
    QMenu* BuildMenu(QMenuBar* bar);
    QMenu* mnuView = nullptr;
    QAction* mnuZoomIn = nullptr;   // Ctrl++
    QAction* mnuZoomOut = nullptr;  // Ctrl+-
    std::array<QAction*, kZoomSteps.size()> mnuZoom{};  // 100 % (Ctrl+0) to 300 %
    QAction* mnuFitToScreen = nullptr;

    // At start: the stored zoom, as far as the screen holds it, or the first
    // start's rule; every window laid out at it and the window sized to
    // the board.
    void Start();
    // A zoom the player chose: the window leaves maximised and takes the
    // board's size at it, about its middle and on the screen; remembered.
    void ZoomTo(int percent);
    // The next step up or down from today's zoom.
    void ZoomIn();
    void ZoomOut();
    // The largest zoom at which the window, with a tray open, fits the screen.
    void FitToScreen();

    // The board changed its size (a tray opened or closed): the window takes
    // it (true), or, maximised, the zoom fits the board into the window (false).
    bool FitWindowToBoard();

    // ---- the rules ----
    // The board's size at a zoom (with the column as it is now).
    QSize BoardSizeAt(int percent) const;
    // The largest zoom at which the board fits into an area of this size.
    int FitPercent(QSize area) const;
    // The largest zoom on this window's screen: the largest drawn pictures
    // are never shown enlarged past kMaxEnlargement.
    int MaxPercent() const;
    // The first start's zoom: the largest step at which the main window
    // (its board and, besides, its menu bar and frame: mainChrome) and the
    // score pad of eight players (with its frame: padChrome), standing
    // beside it and reaching above it as it is placed, fit into two thirds
    // of the screen's available height; the smallest step when none does.
    static int FirstStartPercent(int availableHeight, int mainChrome, int padChrome);

signals:
    // Every window is laid out at another zoom, and the main window sized.
    void zoomed();

private:
    // The factor set and every window laid out at it.
    void Apply(int percent);
    void SizeWindowToBoard();
    // The area was resized: the zoom follows the window.
    void AreaResized();
    // The zoom into the settings file, now or once the player stops resizing.
    void Remember(bool now);
    void Write();
    bool Maximised() const;
    // The window's frame and menu bar: what it needs beside its board.
    QSize Chrome() const;
    // The menu bar's height at a width of the window.
    int MenuHeight(int width) const;
    // The largest zoom at which the window fits the screen's available area.
    int ScreenFitPercent(bool roomForTray) const;
    void ShowChecks();

    QMainWindow& window_;
    BoardArea& area_;
    GameTray& tray_;
    Settings& settings_;
    SettingsFile& file_;
    QActionGroup* steps_ = nullptr;
    QTimer* remember_ = nullptr;  // writes the zoom once a resize has settled
    int chosen_ = kZoomNotChosen;  // the zoom to write
    bool sizing_ = false;         // the window is being sized to the board
};

}  // namespace zarvel
