// The main window: the game tray with the dice, the labels and the shell
// buttons, the menus, the keyboard, and the quit rule. It is the board the
// engine draws on and the host of the set-up windows.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <array>
#include <functional>
#include <memory>

#include "Board.h"
#include "GameHost.h"
#include "GameState.h"
#include "Random.h"
#include "Table.h"

class QAction;
class QLabel;
class QMenu;

namespace zarvel {

class ARButton;
class ComputerDriver;
class QtScheduler;
class TestRun;
class KeyHeldFilter;
class PictureBox;
class SettingsFile;
class SetupWindows;
class SoundPlayer;
class frmHelp;

class frmMain : public QMainWindow, public Board, public GameHost {
    Q_OBJECT
public:
    // Takes the opened settings file and the settings read from it; runs
    // the window's loading (narrowed to the game tray, centred, status line).
    frmMain(std::unique_ptr<SettingsFile> file, const Settings& settings, std::uint64_t seed,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // ---- controls (named as the window's design names them) ----
    QWidget* picThemeTray = nullptr;    // left tray column, hidden placeholder
    QWidget* picOptionsTray = nullptr;  // left tray column, hidden placeholder
    QWidget* picGameTray = nullptr;
    PictureBox* Image1 = nullptr;       // background, stretched, under everything
    PictureBox* picTray1 = nullptr;     // roll area
    PictureBox* picTray2 = nullptr;     // set-aside tray
    PictureBox* picSampleDice = nullptr;  // hidden; the theme tray shows it
    PictureBox* pctDivider = nullptr;
    std::array<PictureBox*, kSlots> picMarker{};
    QLabel* lblStatus = nullptr;
    QLabel* lblLastRoll = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPlayer = nullptr;
    QLabel* lblTurnScoreLabel = nullptr;
    QLabel* lblTurnScore = nullptr;
    ARButton* ARCmdNewGame = nullptr;
    ARButton* cmdRoll = nullptr;
    ARButton* cmdPassDice = nullptr;
    ARButton* cmdSkins = nullptr;
    ARButton* cmdOptions = nullptr;
    ARButton* cmdExit = nullptr;
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuThemes = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuGoHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // Die box by index: 0..5 roll area, 10..15 tray; nullptr otherwise.
    PictureBox* Picture1(int index) const;

    // ---- engine objects ----
    GameState& state() { return state_; }
    Settings& settings() { return settings_; }
    UniformRandom& random() { return random_; }
    Table& table() override { return table_; }
    ComputerDriver& driver() { return *driver_; }
    TestRun& testRun() { return *testRun_; }
    SettingsFile& settingsFile() override { return *file_; }
    SoundPlayer& sound() { return *sound_; }

    // ---- start-up ----
    // The background picture, stretched over the game tray; a null image clears it.
    void SetBackgroundPicture(const QImage& picture);
    // Every label: heading captions in dark blue, the others in textColour
    // (&H00BBGGRR).
    void ColourLabels(unsigned textColour);
    // No game: dice codes cleared, CurrentPlayer 99, nobody out, no score pad.
    void ResetDice();
    // Tray and die-box back colours from the current skin.
    void PaintTrayColours();
    // Every die box drawn again from RolledDice / TrayDice in the current skin.
    void RedrawDice();
    // Shows the left tray column (a tray open) or only the game tray.
    void ShowTrayColumn(bool shown);

    // ---- handlers ----
    void mnuNewGame_Click();
    void ARCmdNewGame_Click();
    void cmdSkins_Click();
    void cmdOptions_Click();
    void mnuExit_Click();
    void cmdExit_Click();
    void mnuGoHelp_Click();
    void mnuAbout_Click();
    // The help window at a topic: 1 how to play, 7 the licence.
    void ShowHelpTopic(int context);

    // ---- shared routines ----
    // Closes every other top-level window, then ends the program.
    void UnloadAllForms();
    bool IsKeyHeld() override;
    static void OpenLink(const QString& target);

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
    // The score pad as a window (built on first use); whether it exists yet.
    QWidget* scorePadWindow();
    bool scorePadBuilt() const;
    QWidget* mainWindow() override { return this; }
    void ShowGameButtons(bool gameRunning) override;
    // Schedules the current computer seat's turn on the event loop.
    void StartComputerTurn() override;
    void PlaySoundFile(const QString& path) override;
    void RunTestGame() override;

    // The window's title without its leading blank, for message boxes.
    QString AppTitle() const;

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
    void Repaint(QWidget* w);
    void TakeFocusBack();
    void BuildComputerPlayers();

    GameState state_;
    Settings settings_;
    UniformRandom random_;
    Table table_;
    std::unique_ptr<SettingsFile> file_;
    std::unique_ptr<QtScheduler> scheduler_;
    std::unique_ptr<ComputerDriver> driver_;
    std::unique_ptr<TestRun> testRun_;
    std::unique_ptr<SetupWindows> setup_;
    SoundPlayer* sound_ = nullptr;
    KeyHeldFilter* keys_ = nullptr;
    QPointer<frmHelp> help_;
    std::array<PictureBox*, 16> dice_{};
    bool busy_ = false;
    bool unloading_ = false;  // every window is being closed; no more questions
    bool scorePadPlaceSaved_ = false;
    QSet<int> pressedHere_;  // keys pressed while this window had the focus
};

}  // namespace zarvel
