// The main window: the game tray beside the tray column, the menus, the
// keyboard and the quit rule. It is the board the table draws on (through
// the game tray) and hears what happened at the table; the set-up windows,
// the computer seats, the trays and the about box reach it only through
// their narrow hosts.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <functional>
#include <memory>

#include "Board.h"
#include "ComputerPlayers.h"
#include "GameHost.h"
#include "GameState.h"
#include "Random.h"
#include "Table.h"
#include "TrayColumn.h"
#include "frmAbout.h"

class QAction;
class QMenu;

namespace zarvel {

class BoardArea;
class ComputerDriver;
class ExpertTables;
class GameTray;
class Hint;
class KeyHeldFilter;
class RecordKeeper;
class ModalPaint;
class SettingsFile;
class SetupWindows;
class SoundPlayer;
class TestRun;
class WindowZoom;
class frmHelp;

// The shell's own flags; the rules' state knows nothing of them.
struct ShellFlags {
    bool Quitting = false;       // the program is closing: computers stop
    bool TrayOpen = false;       // a tray is open: the game waits
    bool TrayMoving = false;     // the window is changing size for a tray
    bool ScorePadShown = false;  // a game has shown the score pad
    bool ScorePadClosed = false; // the player closed it: it stays hidden until shown again
};

class frmMain : public QMainWindow,
                public Board,
                public TableListener,
                public GameHost,
                public ComputerHost,
                public TrayHost,
                public AboutHost {
    Q_OBJECT
public:
    // Takes the opened settings file, the settings read from it and the
    // random source of the dice; runs the window's loading (narrowed to
    // the game tray, centred, status line).
    frmMain(std::unique_ptr<SettingsFile> file, const Settings& settings, std::unique_ptr<RandomSource> random,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- controls (named as the window's design names them) ----
    GameTray* gameTray() const override { return tray_; }
    TrayColumn* trays() const { return trays_; }
    // The client area, the board in its middle.
    BoardArea* boardArea() const { return area_; }
    // The View menu and the zoom of every window.
    WindowZoom& zoom() { return *zoom_; }
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuHint = nullptr;
    QAction* mnuThemes = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuStatistics = nullptr;
    QAction* mnuScorePad = nullptr;  // checked while the pad shows
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuGoHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // ---- the game and its parts ----
    GameState& state() { return state_; }
    const GameState& state() const override { return state_; }
    Settings& settings() override { return settings_; }
    const Settings& settings() const override { return settings_; }
    ShellFlags& flags() { return flags_; }
    Table& table() override { return table_; }
    SettingsFile& settingsFile() override { return *file_; }
    SoundPlayer& sound() { return *sound_; }
    ComputerDriver& driver();
    TestRun& testRun();
    RecordKeeper& records() { return *records_; }
    Hint& hint() { return *hint_; }
    ExpertTables& expertTables();

    // No game: the table as at start, no score pad.
    void ResetDice();

    // ---- handlers ----
    void mnuNewGame_Click();
    void ARCmdNewGame_Click();
    void cmdSkins_Click();
    void cmdOptions_Click();
    void mnuScorePad_Click(bool shown);
    void mnuGoHelp_Click();
    void mnuAbout_Click();
    // The help window at a topic: 1 how to play, 7 the licence.
    void ShowHelpTopic(int context) override;

    // ---- shared routines ----
    // Closes every other top-level window, then ends the program.
    void UnloadAllForms();
    bool IsKeyHeld() override;
    // The window's title without its leading blank, for message boxes.
    QString AppTitle() const;
    // After a modal window, the game's keys reach this window again.
    void TakeFocusBack() override;
    void HideNewGameDialog();
    // The modal winner window.
    void ShowWinner();
    // Ends the program at once: Esc, or the end of a test run.
    void EndProgramNow() override;

    // What ends the program; tests replace them so the test run goes on.
    std::function<void()> endProgram;     // after UnloadAllForms
    std::function<void()> endProgramNow;  // Esc
    // Replaces the pauses' waiting; tests count pauses instead of waiting.
    std::function<void(int ms)> pauseFor;
    // Told of every sound the game asks for, before it plays.
    std::function<void(const QString& path)> onPlaySound;

    // The score pad's place when the window was minimised, in twips.
    int ScorePadLeft = 0;
    int ScorePadTop = 0;

    // ---- Board ----
    void ShowDie(int index, int face) override;
    void ShowMarker(int slot, bool visible) override;
    void ShowDividerAt(int leftTwips) override;
    void HideDivider() override;
    void SetStatus(const StatusLine& status) override;
    void SetStatusTop(int twips) override;
    void ShowLastRoll(bool visible) override;
    void SetTurnScore(Score points) override;
    void SetPlayerText(const std::string& text) override;
    void SetRollEnabled(bool enabled) override;
    void SetPassEnabled(bool enabled) override;
    bool RollEnabled() const override;
    bool PassEnabled() const override;
    void SetBusyPointer(bool busy) override;
    void Beep() override;
    void Sleep(int ms) override;
    void PlaySoundFile(const std::string& path) override;
    void ScorePadScore(int seat, Score score) override;
    void ScorePadHighlight(int seat, bool current) override;
    void ScorePadRepaint() override;

    // ---- TableListener ----
    void GameSeated() override;
    void GoneOut(int seat) override;
    void GameOver(int winner) override;
    void NewGameRequested() override;
    void EndProgramRequested() override;

    // ---- GameHost ----
    frmScorePad& scorePad() override;
    bool scorePadBuilt() const;
    QWidget* mainWindow() override { return this; }
    void ShowGameButtons(bool gameRunning) override;
    void PlaySoundFile(const QString& path) override;
    void RunTestGame() override;
    int TestRunGames() const override;
    bool Quitting() const override { return flags_.Quitting; }
    SeatMemory* seatMemory() override;

    // ---- ComputerHost ----
    bool TrayOpen() const override { return flags_.TrayOpen; }
    void SetRollAreaEnabled(bool enabled) override;
    void ShowTestGame() override;
    void SetScorePadCaption(const QString& caption) override;

    // ---- TrayHost ----
    void SetTrayFlags(bool open, bool moving) override;
    void EnableTrayMenus(bool enabled) override;
    bool FitWindowToBoard() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void BuildControls();
    void BuildMenus();
    void Form_Load();
    void Form_Resize();
    bool AskQuitGame();
    void ShowNewGameDialog();
    void ShowMessage(const QString& text);

    GameState state_;
    Settings settings_;
    ShellFlags flags_;
    std::unique_ptr<RandomSource> random_;
    Table table_;
    std::unique_ptr<SettingsFile> file_;
    std::unique_ptr<SetupWindows> setup_;
    std::unique_ptr<ComputerPlayers> computers_;
    std::unique_ptr<RecordKeeper> records_;
    BoardArea* area_ = nullptr;
    GameTray* tray_ = nullptr;
    TrayColumn* trays_ = nullptr;
    std::unique_ptr<WindowZoom> zoom_;
    SoundPlayer* sound_ = nullptr;
    Hint* hint_ = nullptr;
    KeyHeldFilter* keys_ = nullptr;
    ModalPaint* modalPaint_ = nullptr;
    QPointer<frmHelp> help_;
    bool busy_ = false;
    bool unloading_ = false;  // every window is being closed; no more questions
    bool scorePadPlaceSaved_ = false;
    QSet<int> pressedHere_;  // keys pressed while this window had the focus
};

}  // namespace zarvel
