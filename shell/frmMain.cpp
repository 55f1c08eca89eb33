#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "ARButton.h"
#include "Catalogue.h"
#include "Colors.h"
#include "Keys.h"
#include "PictureBox.h"
#include "SettingsFile.h"
#include "SetupWindows.h"
#include "SoundPlayer.h"
#include "Twips.h"
#include "frmHelp.h"
#include "ComputerDriver.h"
#include "QtScheduler.h"
#include "TestMode.h"
#include "SetupFonts.h"
#include "frmScorePad.h"

namespace zarvel {

namespace {

constexpr int kTrayColumnTwips = 1650;
constexpr int kGameTrayWidth = 3855;
constexpr int kGameTrayHeight = 4725;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect where,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(where);
    l->setAlignment(align);
    l->setFont(DialogFont());
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

frmMain::frmMain(std::unique_ptr<SettingsFile> file, const Settings& settings, std::uint64_t seed, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      random_(seed),
      table_(state_, settings_, *this, random_),
      file_(std::move(file)) {
    setObjectName(QStringLiteral("frmMain"));
    if (!file_) file_ = std::make_unique<SettingsFile>(DefaultSettingsPath());
    setup_ = std::make_unique<SetupWindows>(*this, this);
    sound_ = new SoundPlayer(this);
    // Sound output loads once the window is up, not before it.
    QTimer::singleShot(300, sound_, &SoundPlayer::Preload);
    // A setting that cannot be saved stays in effect for this run; say why once.
    file_->onWriteFailed = [this](const QString& why) {
        QTimer::singleShot(0, this, [this, why] {
            QMessageBox box(QMessageBox::Warning, AppTitle(),
                            why + QStringLiteral("\n\nYour choice holds until you close the game; "
                                                 "the settings saved earlier are unchanged."),
                            QMessageBox::Ok, this);
            box.exec();
        });
    };
    keys_ = new KeyHeldFilter(this);
    qApp->installEventFilter(keys_);

    BuildComputerPlayers();
    endProgram = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };
    endProgramNow = [] { QCoreApplication::exit(0); };

    // The window takes the keys itself: no control holds the focus.
    setFocusPolicy(Qt::StrongFocus);
    BuildControls();
    BuildMenus();
    Form_Load();
}

frmMain::~frmMain() {
    if (busy_) QGuiApplication::restoreOverrideCursor();
    delete help_.data();
}

void frmMain::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    picThemeTray = new QWidget(client);
    picThemeTray->setObjectName(QStringLiteral("picThemeTray"));
    picThemeTray->setGeometry(TwipRect(0, 0, kTrayColumnTwips, kGameTrayHeight));
    picOptionsTray = new QWidget(client);
    picOptionsTray->setObjectName(QStringLiteral("picOptionsTray"));
    picOptionsTray->setGeometry(TwipRect(0, 0, kTrayColumnTwips, kGameTrayHeight));

    picGameTray = new QWidget(client);
    picGameTray->setObjectName(QStringLiteral("picGameTray"));
    picGameTray->setGeometry(TwipRect(kTrayColumnTwips, 0, kGameTrayWidth, kGameTrayHeight));
    picGameTray->setAutoFillBackground(true);

    Image1 = new PictureBox(picGameTray);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(TwipRect(0, 0, kGameTrayWidth, 4815));
    Image1->setStretch(true);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    picTray1 = new PictureBox(picGameTray);
    picTray1->setObjectName(QStringLiteral("picTray1"));
    picTray1->setGeometry(TwipRect(75, 195, 3645, 630));
    picTray2 = new PictureBox(picGameTray);
    picTray2->setObjectName(QStringLiteral("picTray2"));
    picTray2->setGeometry(TwipRect(75, 840, 3645, 630));
    picSampleDice = new PictureBox(picGameTray);
    picSampleDice->setObjectName(QStringLiteral("picSampleDice"));
    picSampleDice->setGeometry(TwipRect(75, 840, 3645, 630));
    picSampleDice->hide();

    for (int i = 0; i < kSlots; ++i) {
        for (int row = 0; row < 2; ++row) {
            const int index = row * 10 + i;
            auto* box = new PictureBox(row == 0 ? picTray1 : picTray2);
            box->setObjectName(QStringLiteral("Picture1_%1").arg(index));
            box->setGeometry(TwipRect(60 + 600 * i, 45, 495, 615));
            connect(box, &PictureBox::clicked, this, [this, index] { table_.Picture1_Click(index); });
            dice_[index] = box;
        }
    }

    pctDivider = new PictureBox(picTray2);
    pctDivider->setObjectName(QStringLiteral("pctDivider"));
    pctDivider->setGeometry(TwipRect(540, 0, 75, 630));
    pctDivider->setStretch(true);

    for (int i = 0; i < kSlots; ++i) {
        picMarker[i] = new PictureBox(picGameTray);
        picMarker[i]->setObjectName(QStringLiteral("picMarker_%1").arg(i));
        picMarker[i]->setGeometry(TwipRect(350 + 600 * i, 75, 50, 50));
        picMarker[i]->setStretch(true);
    }

    const Qt::Alignment centred = Qt::AlignCenter;
    lblStatus = MakeLabel(picGameTray, "lblStatus", QStringLiteral("Status Messages"),
                          TwipRect(120, kStatusTop, 3615, 255), centred);
    lblLastRoll = MakeLabel(picGameTray, "lblLastRoll", QStringLiteral("(Last Roll)"), TwipRect(120, 2760, 3615, 255),
                            centred);
    lblLastRoll->hide();
    Label1 = MakeLabel(picGameTray, "Label1", QStringLiteral("Current Player:"), TwipRect(240, 3360, 1455, 255));
    lblPlayer = MakeLabel(picGameTray, "lblPlayer", QStringLiteral(" "), TwipRect(1920, 3360, 1695, 255));
    lblTurnScoreLabel =
        MakeLabel(picGameTray, "lblTurnScoreLabel", QStringLiteral("Score this Turn:"), TwipRect(240, 3600, 1575, 255));
    lblTurnScore = MakeLabel(picGameTray, "lblTurnScore", QStringLiteral("0"), TwipRect(1920, 3600, 615, 255));
    QFont bold = DialogFont();
    bold.setBold(true);
    lblStatus->setFont(bold);

    const QPalette pal = palette();
    auto button = [&](const char* name, const QString& caption, QRect where) {
        auto* b = new ARButton(caption, picGameTray);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(where);
        b->setFont(DialogFont());
        b->setColours(pal.color(QPalette::ButtonText), pal.color(QPalette::Button));
        b->setHoverColours(QColor(Qt::red), pal.color(QPalette::Button));
        return b;
    };
    ARCmdNewGame = button("ARCmdNewGame", QStringLiteral("New Game (F2)"), TwipRect(1050, 1800, 1695, 480));
    cmdRoll = button("cmdRoll", QString(), TwipRect(210, 1680, 1575, 705));
    cmdRoll->setPicturePainter(PaintRollPicture);
    cmdRoll->setAccessibleName(QStringLiteral("Roll"));
    cmdPassDice = button("cmdPassDice", QString(), TwipRect(2010, 1680, 1575, 705));
    cmdPassDice->setPicturePainter(PaintPassDicePicture);
    cmdPassDice->setAccessibleName(QStringLiteral("Pass Dice"));
    cmdRoll->hide();
    cmdPassDice->hide();
    cmdSkins = button("cmdSkins", QStringLiteral("Theme"), TwipRect(210, 4155, 1035, 375));
    cmdOptions = button("cmdOptions", QStringLiteral("Options"), TwipRect(1405, 4155, 1035, 375));
    cmdExit = button("cmdExit", QStringLiteral("Exit"), TwipRect(2610, 4155, 1035, 375));

    connect(ARCmdNewGame, &ARButton::clicked, this, &frmMain::ARCmdNewGame_Click);
    connect(cmdRoll, &ARButton::clicked, this, [this] { table_.cmdRoll_Click(); });
    connect(cmdPassDice, &ARButton::clicked, this, [this] { table_.cmdPassDice_Click(); });
    connect(cmdSkins, &ARButton::clicked, this, &frmMain::cmdSkins_Click);
    connect(cmdOptions, &ARButton::clicked, this, &frmMain::cmdOptions_Click);
    connect(cmdExit, &ARButton::clicked, this, &frmMain::cmdExit_Click);

    Image1->lower();
}

void frmMain::BuildMenus() {
    mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    // F2 is the window's key (handled on release), so it is only named here.
    mnuNewGame = mnuGame->addAction(QStringLiteral("&New Game   (F2)"), this, &frmMain::mnuNewGame_Click);
    mnuThemes = mnuGame->addAction(QStringLiteral("&Theme..."), this, &frmMain::cmdSkins_Click);
    mnuOptions = mnuGame->addAction(QStringLiteral("&Options..."), this, &frmMain::cmdOptions_Click);
    mnuGame->addSeparator();
    mnuExit = mnuGame->addAction(QStringLiteral("E&xit"), this, &frmMain::mnuExit_Click);
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuGoHelp = mnuHelp->addAction(QStringLiteral("&Help..."), this, &frmMain::mnuGoHelp_Click);
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About %1...").arg(QLatin1String(kProduct)), this,
                                  &frmMain::mnuAbout_Click);
    mnuNewGame->setObjectName(QStringLiteral("mnuNewGame"));
    mnuThemes->setObjectName(QStringLiteral("mnuThemes"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuGoHelp->setObjectName(QStringLiteral("mnuGoHelp"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmMain::Form_Load() {
    // The text-colour swatches live in the theme tray, which colours them
    // when it is built into picThemeTray.
    ShowTrayColumn(false);

    adjustSize();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }

    setWindowTitle(u' ' + QLatin1String(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icon/zarvel.png")));
    table_.SetStatus("Press \"F2\" to start a game.");

    for (PictureBox* m : picMarker) {
        m->setBitmap(199);
        m->hide();
    }
    pctDivider->setBitmap(198);
    pctDivider->hide();

    SetPassEnabled(false);
    SetRollEnabled(false);
    PaintTrayColours();
}

void frmMain::ShowTrayColumn(bool shown) {
    const int width = shown ? kTrayColumnTwips + kGameTrayWidth : kGameTrayWidth;
    if (!shown) {
        picThemeTray->hide();
        picOptionsTray->hide();
    }
    picGameTray->move(shown ? Px(kTrayColumnTwips) : 0, 0);
    centralWidget()->setFixedSize(Px(width), Px(kGameTrayHeight));
}

PictureBox* frmMain::Picture1(int index) const {
    if (index < 0 || index >= static_cast<int>(dice_.size())) return nullptr;
    return dice_[index];
}

// ---- start-up ---------------------------------------------------------------

void frmMain::SetBackgroundPicture(const QImage& picture) {
    Image1->setPicture(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

void frmMain::ColourLabels(unsigned textColour) {
    const QColor text = FromColourNumber(textColour), heading = FromColourNumber(kHeadingColour);
    for (QLabel* l : findChildren<QLabel*>()) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, IsHeadingCaption(l->text()) ? heading : text);
        l->setPalette(p);
    }
}

void frmMain::ResetDice() {
    for (int i = 0; i < kSlots; ++i) {
        state_.DieCode[i].assign(1, '0');
        state_.DieFree[i] = false;
        state_.TraySlotUsed[i] = false;
    }
    state_.TurnScore = 0;
    state_.WentOut = kNone;
    state_.ScorePadShown = false;
    state_.CurrentPlayer = kNone;
}

void frmMain::PaintTrayColours() {
    const QColor back = FromColourNumber(TrayBackColour(settings_.DieColor));
    picTray1->setBackColor(back);
    picTray2->setBackColor(back);
    for (PictureBox* box : dice_)
        if (box) box->setBackColor(back);
}

void frmMain::RedrawDice() {
    for (int i = 0; i < kSlots; ++i) {
        ShowDie(i, state_.RolledDice[i]);
        ShowDie(10 + i, state_.TrayDice[i]);
    }
}

// ---- menus and buttons ------------------------------------------------------

bool frmMain::AskQuitGame() {
    Beep();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quit?"),
                    QStringLiteral("Are you sure you want to quit the current game?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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

// The trays open here once they are part of the window.
void frmMain::cmdSkins_Click() {}
void frmMain::cmdOptions_Click() {}

void frmMain::mnuExit_Click() { close(); }
void frmMain::cmdExit_Click() { close(); }

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

void frmMain::mnuAbout_Click() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About %1").arg(QLatin1String(kProduct)),
                    QStringLiteral("<b>%1</b><br><br>A dice game for one to eight players,"
                                   " any of them played by the computer.").arg(QLatin1String(kTitle)),
                    QMessageBox::Ok, this);
    box.setIconPixmap(QIcon(QStringLiteral(":/icon/zarvel.png")).pixmap(48, 48));
    box.exec();
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
    state_.Quitting = true;
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
    if (state_.TrayMoving || !state_.ScorePadShown) return;
    QWidget* pad = setup_->scorePadWidget();
    if (isMinimized()) {
        ScorePadLeft = Twips(pad->x());
        ScorePadTop = Twips(pad->y());
        scorePadPlaceSaved_ = true;
        pad->hide();
        return;
    }
    pad->show();
    // Only a place saved at minimising is put back; before that the pad
    // stays where the game put it.
    if (scorePadPlaceSaved_) pad->move(Px(ScorePadLeft), Px(ScorePadTop));
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
    if (code == 0 || code == vk::F12) {
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

void frmMain::OpenLink(const QString& target) { QDesktopServices::openUrl(QUrl::fromUserInput(target)); }

QString frmMain::AppTitle() const { return windowTitle().trimmed(); }

// ---- Board --------------------------------------------------------------------

void frmMain::Repaint(QWidget* w) {
    // Painted now, so a change made before a pause is seen during it.
    if (w->isVisible()) w->repaint();
}

void frmMain::ShowDie(int index, int face) {
    PictureBox* box = Picture1(index);
    if (!box) return;
    box->setBitmap(face >= 1 && face <= 6 ? SkinToDraw(settings_.DieColor).code + face : 0);
    Repaint(box);
}

void frmMain::ShowMarker(int slot, bool visible) {
    if (slot < 0 || slot >= kSlots) return;
    picMarker[slot]->setVisible(visible);
    if (visible) Repaint(picMarker[slot]);
}

bool frmMain::MarkerVisible(int slot) const {
    return slot >= 0 && slot < kSlots && !picMarker[slot]->isHidden();
}

void frmMain::ShowDividerAt(int leftTwips) {
    pctDivider->move(Px(leftTwips), 0);
    pctDivider->show();
    pctDivider->raise();
    Repaint(pctDivider);
}

void frmMain::HideDivider() { pctDivider->hide(); }

void frmMain::SetStatusText(const std::string& text) {
    lblStatus->setText(QString::fromStdString(text));
    Repaint(lblStatus);
}

void frmMain::SetStatusTop(int twips) { lblStatus->move(Px(120), Px(twips)); }

void frmMain::ShowLastRoll(bool visible) { lblLastRoll->setVisible(visible); }

void frmMain::SetTurnScoreText(const std::string& text) {
    lblTurnScore->setText(QString::fromStdString(text));
    Repaint(lblTurnScore);
}

void frmMain::SetPlayerText(const std::string& text) {
    lblPlayer->setText(QString::fromStdString(text));
    Repaint(lblPlayer);
}

void frmMain::SetRollEnabled(bool enabled) {
    cmdRoll->setEnabled(enabled);
    Repaint(cmdRoll);
}

void frmMain::SetPassEnabled(bool enabled) {
    cmdPassDice->setEnabled(enabled);
    Repaint(cmdPassDice);
}

// The buttons' own state, whether or not the game pane is disabled around them.
bool frmMain::RollEnabled() const { return cmdRoll->isEnabledTo(picGameTray); }
bool frmMain::PassEnabled() const { return cmdPassDice->isEnabledTo(picGameTray); }

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
    // Only painting runs before the pause; clicks and keys wait until the
    // handler that paused has finished.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
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

void frmMain::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, AppTitle(), QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
    TakeFocusBack();
}

// After a modal window the game's keys must reach this window again, even
// where the window manager does not hand the focus back by itself.
void frmMain::TakeFocusBack() {
    if (!isVisible() || isMinimized()) return;
    activateWindow();
    setFocus();
}

void frmMain::ShowWinner() {
    setup_->RunWinner();
    TakeFocusBack();
}

void frmMain::ScorePadScore(int seat, const std::string& text) { setup_->ScoreText(seat, QString::fromStdString(text)); }
void frmMain::ScorePadHighlight(int seat, bool current) { setup_->Highlight(seat, current); }
void frmMain::ScorePadRepaint() { setup_->Repaint(); }

void frmMain::RequestNewGame() { mnuNewGame_Click(); }

void frmMain::EndProgramNow() {
    state_.Quitting = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->hide();
    if (endProgramNow) endProgramNow();
}

// ---- GameHost -------------------------------------------------------------------

frmScorePad& frmMain::scorePad() { return setup_->scorePad(); }
QWidget* frmMain::scorePadWindow() { return setup_->scorePadWidget(); }
bool frmMain::scorePadBuilt() const { return setup_->scorePadBuilt(); }

void frmMain::ShowGameButtons(bool gameRunning) {
    ARCmdNewGame->setVisible(!gameRunning);
    cmdRoll->setVisible(gameRunning);
    cmdPassDice->setVisible(gameRunning);
}

void frmMain::BuildComputerPlayers() {
    scheduler_ = std::make_unique<QtScheduler>(this);
    driver_ = std::make_unique<ComputerDriver>(table_, *scheduler_);
    // A message box, the about box or any other modal window holds the
    // computer until it closes.
    driver_->held = [] { return QApplication::activeModalWidget() != nullptr; };
    driver_->setRollAreaEnabled = [this](bool enabled) { picTray1->setEnabled(enabled); };
    driver_->requestClose = [this] { close(); };

    testRun_ = std::make_unique<TestRun>(table_, *driver_, *scheduler_);
    testRun_->ask = [this](const std::string& prompt, const std::string& answer) -> std::optional<std::string> {
        bool ok = false;
        const QString text = QInputDialog::getText(this, AppTitle(), QString::fromStdString(prompt), QLineEdit::Normal,
                                                   QString::fromStdString(answer), &ok);
        if (!ok) return std::nullopt;
        return text.toStdString();
    };
    testRun_->setScorePadCaption = [this](const std::string& caption) {
        scorePad().setWindowTitle(QString::fromStdString(caption));
    };
    testRun_->onGameStarting = [this] {
        setup_->HideNewGame();
        // The game's own buttons, as in any game: New Game would only
        // interrupt the run.
        ShowGameButtons(true);
        frmScorePad& pad = scorePad();
        for (int seat = 0; seat < kSeats; ++seat) pad.setItalic(seat, state_.PlayerIsComputer[seat]);
        pad.showRebuilt();
        pad.placeBeside(this);
        pad.repaintPad();
        QCoreApplication::processEvents();
        TakeFocusBack();
    };
    testRun_->showReport = [this](const std::string& report) {
        QMessageBox box(QMessageBox::NoIcon, AppTitle(), QString::fromStdString(report), QMessageBox::Ok, this);
        box.exec();
    };
    testRun_->endProgram = [this] { EndProgramNow(); };
}

void frmMain::StartComputerTurn() { driver_->StartComputerTurn(); }

void frmMain::RunTestGame() { testRun_->RunTestGame(); }

}  // namespace zarvel
