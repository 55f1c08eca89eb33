// The main window: the game tray beside the tray column, the menus, the
// keyboard and the quit rule. It is the board the engine draws on (through
// the game tray) and the host of the set-up windows.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <functional>
#include <memory>

#include "Board.h"
#include "GameHost.h"
#include "GameState.h"
#include "Random.h"
#include "Table.h"

class QAction;
class QMenu;

namespace zarvel {

class ComputerDriver;
class ComputerPlayers;
class GameTray;
class KeyHeldFilter;
class SettingsFile;
class SetupWindows;
class SoundPlayer;
class TestRun;
class TrayColumn;
class frmHelp;

class frmMain : public QMainWindow, public Board, public GameHost {
    Q_OBJECT
public:
    // Takes the opened settings file, the settings read from it and the
    // random source of the dice; runs the window's loading (narrowed to
    // the game tray, centred, status line).
    frmMain(std::unique_ptr<SettingsFile> file, const Settings& settings, std::unique_ptr<RandomSource> random,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- controls (named as the window's design names them) ----
    GameTray* gameTray() const { return tray_; }
    TrayColumn* trays() const { return trays_; }
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuThemes = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuGoHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // ---- the game and its parts ----
    GameState& state() { return state_; }
    Settings& settings() { return settings_; }
    Table& table() override { return table_; }
    SettingsFile& settingsFile() override { return *file_; }
    SoundPlayer& sound() { return *sound_; }
    ComputerDriver& driver();
    TestRun& testRun();

    // No game: dice codes cleared, CurrentPlayer 99, nobody out, no score pad.
    void ResetDice();

    // ---- handlers ----
    void mnuNewGame_Click();
    void ARCmdNewGame_Click();
    void cmdSkins_Click();
    void cmdOptions_Click();
    void mnuGoHelp_Click();
    void mnuAbout_Click();
    // The help window at a topic: 1 how to play, 7 the licence.
    void ShowHelpTopic(int context);

    // ---- shared routines ----
    // Closes every other top-level window, then ends the program.
    void UnloadAllForms();
    bool IsKeyHeld() override;
    static void OpenLink(const QString& target);
    // The window's title without its leading blank, for message boxes.
    QString AppTitle() const;
    // After a modal window, the game's keys reach this window again.
    void TakeFocusBack();
    void HideNewGameDialog();

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
    bool MarkerVisible(int slot) const override;
    void ShowDividerAt(int leftTwips) override;
    void HideDivider() override;
    void SetStatusText(const std::string& text) override;
    void SetStatusTop(int twips) override;
    void ShowLastRoll(bool visible) override;
    void SetTurnScoreText(const std::string& text) override;
    void SetPlayerText(const std::string& text) override;
    void SetRollEnabled(bool enabled) override;
    void SetPassEnabled(bool enabled) override;
    bool RollEnabled() const override;
    bool PassEnabled() const override;
    void SetBusyPointer(bool busy) override;
    void Beep() override;
    void Sleep(int ms) override;
    void PlaySoundFile(const std::string& path) override;
    void ShowMessage(const std::string& text) override;
    void ShowWinner() override;
    void ScorePadScore(int seat, const std::string& text) override;
    void ScorePadHighlight(int seat, bool current) override;
    void ScorePadRepaint() override;
    void RequestNewGame() override;
    void EndProgramNow() override;

    // ---- GameHost ----
    frmScorePad& scorePad() override;
    bool scorePadBuilt() const;
    QWidget* mainWindow() override { return this; }
    void ShowGameButtons(bool gameRunning) override;
    // Schedules the current computer seat's turn on the event loop.
    void StartComputerTurn() override;
    void PlaySoundFile(const QString& path) override;
    void RunTestGame() override;

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

    GameState state_;
    Settings settings_;
    std::unique_ptr<RandomSource> random_;
    Table table_;
    std::unique_ptr<SettingsFile> file_;
    std::unique_ptr<SetupWindows> setup_;
    std::unique_ptr<ComputerPlayers> computers_;
    GameTray* tray_ = nullptr;
    TrayColumn* trays_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    KeyHeldFilter* keys_ = nullptr;
    QPointer<frmHelp> help_;
    bool busy_ = false;
    bool unloading_ = false;  // every window is being closed; no more questions
    bool scorePadPlaceSaved_ = false;
    QSet<int> pressedHere_;  // keys pressed while this window had the focus
};

}  // namespace zarvel
