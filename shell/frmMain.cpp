#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include "ARButton.h"
#include "BoardArea.h"
#include "Catalogue.h"
#include "ComputerDriver.h"
#include "GameTray.h"
#include "Hint.h"
#include "Keys.h"
#include "ModalPaint.h"
#include "PictureBox.h"
#include "RecordKeeper.h"
#include "SettingsFile.h"
#include "SetupWindows.h"
#include "SoundPlayer.h"
#include "TestMode.h"
#include "Twips.h"
#include "WindowZoom.h"
#include "ZoomStyle.h"
#include "frmHelp.h"
#include "frmScorePad.h"

namespace zarvel {

frmMain::frmMain(std::unique_ptr<SettingsFile> file, const Settings& settings, std::unique_ptr<RandomSource> random,
                 QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      random_(random ? std::move(random) : std::make_unique<UniformRandom>()),
      table_(state_, settings_, *this, *random_),
      file_(std::move(file)) {
    setObjectName(QStringLiteral("frmMain"));
    if (!file_) file_ = std::make_unique<SettingsFile>(DefaultSettingsPath());
    setup_ = std::make_unique<SetupWindows>(*this, this);
    // The menu's check follows the pad; one the player closed stays closed
    // through minimising, until the menu or the next game shows it.
    setup_->padShownChanged = [this](bool shown) {
        mnuScorePad->setChecked(shown);
        if (shown) flags_.ScorePadClosed = false;
    };
    setup_->padClosed = [this] { flags_.ScorePadClosed = true; };
    sound_ = new SoundPlayer(this);
    // Sound output loads once the window is up, not before it.
    QTimer::singleShot(300, sound_, &SoundPlayer::Preload);
    // A setting that cannot be saved stays in effect for this run; say why once.
    file_->onWriteFailed = [this](const QString& why) {
        QTimer::singleShot(0, this, [this, why] {
            QMessageBox box(QMessageBox::Warning, AppTitle(),
                            //: %1 says why the settings file could not be written.
                            tr("%1\n\nYour choice holds until you close the game; "
                               "the settings saved earlier are unchanged.")
                                .arg(why),
                            QMessageBox::Ok, this);
            box.exec();
        });
    };
    keys_ = new KeyHeldFilter(this);
    qApp->installEventFilter(keys_);
    // A modal window opens over a board that shows where the game stands.
    modalPaint_ = new ModalPaint(this);
    qApp->installEventFilter(modalPaint_);

    table_.AddListener(*this);
    computers_ = std::make_unique<ComputerPlayers>(table_, *this);
    records_ = std::make_unique<RecordKeeper>(*this);
    endProgram = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };
    endProgramNow = [] { QCoreApplication::exit(0); };

    // The window takes the keys itself: no control holds the focus.
    setFocusPolicy(Qt::StrongFocus);
    InstallZoomStyle();
    BuildControls();
    hint_ = new Hint(table_, *tray_, computers_->expertTables(), [this] { return flags_.TrayOpen; }, this);
    BuildMenus();
    Form_Load();
}

frmMain::~frmMain() {
    records_.reset();
    delete hint_;
    zoom_.reset();
    computers_.reset();
    table_.RemoveListener(*this);
    if (busy_) QGuiApplication::restoreOverrideCursor();
    delete help_.data();
}

ComputerDriver& frmMain::driver() { return computers_->driver(); }
TestRun& frmMain::testRun() { return computers_->testRun(); }
ExpertTables& frmMain::expertTables() { return computers_->expertTables(); }

void frmMain::BuildControls() {
    area_ = new BoardArea(this);
    setCentralWidget(area_);

    tray_ = new GameTray(area_->board());
    area_->setGameTray(tray_);
    connect(tray_, &GameTray::dieClicked, this, [this](int index) { table_.Picture1_Click(index); });
    connect(tray_->ARCmdNewGame, &ARButton::clicked, this, &frmMain::ARCmdNewGame_Click);
    connect(tray_->cmdRoll, &ARButton::clicked, this, [this] { table_.cmdRoll_Click(); });
    connect(tray_->cmdPassDice, &ARButton::clicked, this, [this] { table_.cmdPassDice_Click(); });
    connect(tray_->cmdSkins, &ARButton::clicked, this, &frmMain::cmdSkins_Click);
    connect(tray_->cmdOptions, &ARButton::clicked, this, &frmMain::cmdOptions_Click);
    connect(tray_->cmdExit, &ARButton::clicked, this, &QWidget::close);
    trays_ = new TrayColumn(*this, area_->board());
    zoom_ = std::make_unique<WindowZoom>(*this, *area_, *tray_, settings_, *file_);
    connect(zoom_.get(), &WindowZoom::zoomed, this, [this] {
        trays_->ZoomChanged();
        // The pad stands beside the window at every zoom.
        if (scorePadBuilt() && scorePad().isVisible() && !isMinimized()) scorePad().placeBeside(this);
    });
}

void frmMain::BuildMenus() {
    menuBar()->setAccessibleName(tr("Menu"));
    mnuGame = menuBar()->addMenu(tr("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    // F2 is the window's key (handled on release), so it is only named here.
    mnuNewGame = mnuGame->addAction(tr("&New Game   (F2)"), this, &frmMain::mnuNewGame_Click);
    mnuHint = hint_->AddTo(mnuGame);
    mnuThemes = mnuGame->addAction(tr("&Theme..."), this, &frmMain::cmdSkins_Click);
    mnuOptions = mnuGame->addAction(tr("&Options..."), this, &frmMain::cmdOptions_Click);
    mnuStatistics = mnuGame->addAction(tr("&Statistics..."), this, [this] { records_->ShowStatistics(); });
    mnuScorePad = mnuGame->addAction(tr("Score &Pad"));
    mnuScorePad->setCheckable(true);
    mnuScorePad->setEnabled(false);  // until a game has a pad to show
    connect(mnuScorePad, &QAction::triggered, this, &frmMain::mnuScorePad_Click);
    mnuGame->addSeparator();
    mnuExit = mnuGame->addAction(tr("E&xit"), this, &QWidget::close);
    zoom_->BuildMenu(menuBar());
    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuGoHelp = mnuHelp->addAction(tr("&Help..."), this, &frmMain::mnuGoHelp_Click);
    // F1, as everywhere on the desktop, from any of the game's windows.
    mnuGoHelp->setShortcut(QKeySequence::HelpContents);
    mnuGoHelp->setShortcutContext(Qt::ApplicationShortcut);
    mnuAbout = mnuHelp->addAction(//: %1 is the game's name.
                                  tr("&About %1...").arg(QLatin1String(kProduct)), this,
                                  &frmMain::mnuAbout_Click);
    mnuNewGame->setObjectName(QStringLiteral("mnuNewGame"));
    mnuThemes->setObjectName(QStringLiteral("mnuThemes"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuStatistics->setObjectName(QStringLiteral("mnuStatistics"));
    mnuScorePad->setObjectName(QStringLiteral("mnuScorePad"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuGoHelp->setObjectName(QStringLiteral("mnuGoHelp"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmMain::Form_Load() {
    zoom_->Start();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }

    setWindowTitle(u' ' + QLatin1String(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icon/zarvel.png")));
    table_.SetStatus(Status::PressF2);
    tray_->PaintTrayColours(settings_.DieSkin);
}

void frmMain::ResetDice() {
    state_ = GameState{};
    flags_.ScorePadShown = false;
    mnuScorePad->setEnabled(false);
}

// ---- menus and buttons ------------------------------------------------------

bool frmMain::AskQuitGame() {
    Beep();
    QMessageBox box(QMessageBox::Question, tr("Quit?"),
                    tr("Are you sure you want to quit the current game?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes) return false;
    records_->GameAbandoned();
    return true;
}

void frmMain::ShowNewGameDialog() {
    setup_->RunNewGame();
    TakeFocusBack();
}

void frmMain::mnuNewGame_Click() {
    QCoreApplication::processEvents();
    if (!state_.GameRunning() || AskQuitGame()) ShowNewGameDialog();
}

void frmMain::ARCmdNewGame_Click() {
    QCoreApplication::processEvents();
    ShowNewGameDialog();
}

void frmMain::cmdSkins_Click() { trays_->OpenTheme(); }
void frmMain::cmdOptions_Click() { trays_->OpenOptions(); }

void frmMain::mnuScorePad_Click(bool shown) {
    setup_->ShowScorePad(shown);
    if (!shown) flags_.ScorePadClosed = true;
}

void frmMain::mnuGoHelp_Click() { ShowHelpTopic(1); }

void frmMain::ShowHelpTopic(int context) {
    if (!help_) {
        help_ = new frmHelp(nullptr);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->ShowTopic(context);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmMain::mnuAbout_Click() { frmAbout(*this, this).exec(); }

void frmMain::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle(), text, QMessageBox::Ok, this);
    box.exec();
    TakeFocusBack();
}

// ---- window events ----------------------------------------------------------

void frmMain::closeEvent(QCloseEvent* e) {
    if (unloading_) {
        e->accept();
        return;
    }
    if (state_.GameRunning() && !AskQuitGame()) {
        e->ignore();
        return;
    }
    e->accept();
    flags_.Quitting = true;
    UnloadAllForms();
}

void frmMain::UnloadAllForms() {
    unloading_ = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    close();
    if (endProgram) endProgram();
}

void frmMain::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmMain::Form_Resize() {
    if (flags_.TrayMoving || !flags_.ScorePadShown) return;
    QWidget* pad = &setup_->scorePad();
    if (isMinimized()) {
        ScorePadLeft = Twips(pad->x());
        ScorePadTop = Twips(pad->y());
        scorePadPlaceSaved_ = true;
        pad->hide();
        return;
    }
    if (flags_.ScorePadClosed) return;
    pad->show();
    // Only a place saved at minimising is put back; before that the pad
    // stays where the game put it.
    if (scorePadPlaceSaved_) pad->move(DesignPx(ScorePadLeft), DesignPx(ScorePadTop));
    setup_->Repaint();
}

void frmMain::keyPressEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat()) pressedHere_.insert(e->key());
    QMainWindow::keyPressEvent(e);
}

void frmMain::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    // Only a key pressed in this window counts: the Esc or Return that
    // closed a menu or a message box is released here, and must not end
    // the program or roll.
    if (!pressedHere_.remove(e->key())) {
        QMainWindow::keyReleaseEvent(e);
        return;
    }
    const int code = VirtualKeyOf(*e);
    // While a tray is open the game waits: only Esc still ends the program.
    if (code == 0 || code == vk::F12 || (flags_.TrayOpen && code != vk::Escape)) {
        QMainWindow::keyReleaseEvent(e);
        return;
    }
    e->accept();
    table_.Form_KeyUp(code);
}

void frmMain::focusOutEvent(QFocusEvent* e) {
    // A key held when the focus left is released elsewhere.
    pressedHere_.clear();
    QMainWindow::focusOutEvent(e);
}

bool frmMain::IsKeyHeld() { return keys_->F12Held(); }

QString frmMain::AppTitle() const { return windowTitle().trimmed(); }

// ---- Board: the drawing is the game tray's ------------------------------------

void frmMain::ShowDie(int index, int face) { tray_->ShowDie(index, face, settings_.DieSkin); }
void frmMain::ShowMarker(int slot, bool visible) { tray_->ShowMarker(slot, visible); }
void frmMain::ShowDividerAt(int leftTwips) { tray_->ShowDividerAt(leftTwips); }
void frmMain::HideDivider() { tray_->HideDivider(); }
void frmMain::SetStatus(const StatusLine& status) {
    const bool named = status.seat >= 0 && status.seat < kSeats;
    tray_->ShowStatus(status, named ? QString::fromStdString(state_.PlayerName[status.seat]) : QString());
    // Every roll, selection and undo ends in a status: the dice's
    // descriptions follow it.
    std::array<bool, kSlots> scores{};
    for (int i = 0; i < kSlots; ++i) scores[std::size_t(i)] = state_.DieFree[i] && state_.DieCode[i].Scores();
    tray_->DescribeScoring(scores);
    if (hint_) hint_->StatusChanged();
}
void frmMain::SetStatusTop(int twips) { tray_->SetStatusTop(twips); }
void frmMain::ShowLastRoll(bool visible) { tray_->ShowLastRoll(visible); }
void frmMain::SetTurnScore(Score points) { tray_->SetTurnScoreText(QString::number(points)); }
void frmMain::SetPlayerText(const std::string& text) { tray_->SetPlayerText(QString::fromStdString(text)); }
void frmMain::SetRollEnabled(bool enabled) { tray_->SetRollEnabled(enabled); }
void frmMain::SetPassEnabled(bool enabled) { tray_->SetPassEnabled(enabled); }
bool frmMain::RollEnabled() const { return tray_->RollEnabled(); }
bool frmMain::PassEnabled() const { return tray_->PassEnabled(); }

void frmMain::SetBusyPointer(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void frmMain::Beep() { QApplication::beep(); }

void frmMain::Sleep(int ms) {
    // What changed is painted before the pause, once; clicks and keys wait
    // until the handler that paused has finished.
    PaintPendingChanges();
    if (pauseFor)
        pauseFor(ms);
    else if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void frmMain::PlaySoundFile(const std::string& path) { PlaySoundFile(QString::fromStdString(path)); }
void frmMain::PlaySoundFile(const QString& path) {
    if (onPlaySound) onPlaySound(path);
    sound_->Play(path);
}

// Even where the window manager does not hand the focus back by itself.
void frmMain::TakeFocusBack() {
    if (!isVisible() || isMinimized()) return;
    activateWindow();
    setFocus();
}

void frmMain::ScorePadScore(int seat, Score score) { setup_->ScoreText(seat, QString::number(score)); }
void frmMain::ScorePadHighlight(int seat, bool current) { setup_->Highlight(seat, current); }
void frmMain::ScorePadRepaint() { setup_->Repaint(); }

// ---- what happened at the table ---------------------------------------------------
// Windows that wait for the player open from the event loop, once the
// table's handler has finished and the board shows where the game stands.

void frmMain::GameSeated() {
    flags_.ScorePadShown = true;
    mnuScorePad->setEnabled(true);
}

void frmMain::GoneOut(int seat) {
    QTimer::singleShot(0, this, [this, seat] {
        if (state_.WentOut != seat) return;  // another game by now
        //: %1 is the player's name, %n their final score.
        ShowMessage(tr("%1 has gone out.  Everybody else gets one more roll to try and beat %n points.", nullptr,
                       state_.PlayerScore[seat])
                        .arg(QString::fromStdString(state_.PlayerName[seat])));
    });
}

void frmMain::GameOver(int) {
    if (testRun().Running()) return;  // the test run counts the win instead
    QTimer::singleShot(0, this, [this] {
        if (state_.GameOver && !state_.GameRunning()) ShowWinner();
    });
}

void frmMain::ShowWinner() {
    setup_->RunWinner();
    TakeFocusBack();
}

void frmMain::NewGameRequested() { QTimer::singleShot(0, this, &frmMain::mnuNewGame_Click); }

void frmMain::EndProgramRequested() { EndProgramNow(); }

void frmMain::EndProgramNow() {
    flags_.Quitting = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->hide();
    if (endProgramNow) endProgramNow();
}

// ---- the hosts' other needs ---------------------------------------------------------

frmScorePad& frmMain::scorePad() { return setup_->scorePad(); }
SeatMemory* frmMain::seatMemory() { return records_.get(); }
bool frmMain::scorePadBuilt() const { return setup_->scorePadBuilt(); }
void frmMain::HideNewGameDialog() { setup_->HideNewGame(); }

void frmMain::ShowGameButtons(bool gameRunning) { tray_->ShowGameButtons(gameRunning); }

void frmMain::RunTestGame() { testRun().RunTestGame(); }

int frmMain::TestRunGames() const {
    const TestRun& run = computers_->testRun();
    return run.Running() ? run.NumGames() : 0;
}

void frmMain::SetRollAreaEnabled(bool enabled) { tray_->picTray1->setEnabled(enabled); }

void frmMain::ShowTestGame() {
    HideNewGameDialog();
    // The game's own buttons, as in any game: New Game would only
    // interrupt the run.
    ShowGameButtons(true);
    frmScorePad& pad = scorePad();
    for (int seat = 0; seat < kSeats; ++seat) pad.setItalic(seat, state_.PlayerIsComputer[std::size_t(seat)]);
    pad.showRebuilt();
    pad.placeBeside(this);
    pad.repaintPad();
    QCoreApplication::processEvents();
    TakeFocusBack();
}

void frmMain::SetScorePadCaption(const QString& caption) { scorePad().setWindowTitle(caption); }

void frmMain::SetTrayFlags(bool open, bool moving) {
    flags_.TrayOpen = open;
    flags_.TrayMoving = moving;
    if (hint_) hint_->Refresh();
}

void frmMain::EnableTrayMenus(bool enabled) {
    for (QAction* a : {mnuNewGame, mnuThemes, mnuOptions}) a->setEnabled(enabled);
}

bool frmMain::FitWindowToBoard() { return zoom_ && zoom_->FitWindowToBoard(); }

}  // namespace zarvel
