#include "frmNewGame.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "GameHost.h"
#include "Catalogue.h"
#include "SeatMemory.h"
#include "SettingKeys.h"
#include "Fonts.h"
#include "Styles.h"
#include "Table.h"
#include "Twips.h"
#include "WindowPlace.h"
#include "frmScorePad.h"

namespace zarvel {

namespace {

constexpr int kWidthTwips = 7200;
constexpr int kRowTop = 420, kRowStep = 375, kRowHeight = 315;
// Option frames and buttons stand at the bottom, whatever the rows above.
constexpr int kFramesFromBottom = 1575, kFrameHeight = 1020, kButtonsFromBottom = 450;

//: How many players play: the choices under "Number of Players:".
const char* const kNumberCaptions[frmNewGame::kRows] = {
    QT_TRANSLATE_NOOP("zarvel::frmNewGame", "One"),  QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Two"),
    QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Three"), QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Four"),
    QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Five"), QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Six"),
    QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Seven"), QT_TRANSLATE_NOOP("zarvel::frmNewGame", "Eight")};

// Room for a name on every window that shows one, shortened or not.
constexpr int kNameLength = 32;

}  // namespace

frmNewGame::frmNewGame(GameHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(u' ' + tr("Start New Game"));
    setModal(true);
    SetZoomedFont(this, DialogFont());
    // The dialog sizes itself by the number of players; the user doesn't.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    //: Column heading over the players' names.
    lblPlayerName = new QLabel(tr("Name"), this);
    //: Column heading over the boxes that make a seat a computer player.
    lblComputer = new QLabel(tr("Computer Player?"), this);
    //: Column heading over the lists of how each computer player plays.
    lblStyle = new QLabel(tr("Computer Style"), this);
    lblComputer->installEventFilter(this);
    Place(lblPlayerName, 240, 120, 2300, 255);
    Place(lblComputer, 2700, 120, 1500, 255);
    lblComputer->setAlignment(Qt::AlignCenter);
    Place(lblStyle, 4400, 120, 2000, 255);

    for (int i = 0; i < kRows; ++i) {
        const int top = kRowTop + kRowStep * i;
        TxtPlayerName[i] = new QLineEdit(this);
        TxtPlayerName[i]->setObjectName(QStringLiteral("TxtPlayerName%1").arg(i));
        Place(TxtPlayerName[i], 240, top, 2300, kRowHeight);
        TxtPlayerName[i]->setMaxLength(kNameLength);
        TxtPlayerName[i]->setAccessibleName(tr("Name of player %1").arg(i + 1));
        TxtPlayerName[i]->installEventFilter(this);
        chkComputer[i] = new QCheckBox(this);
        chkComputer[i]->setObjectName(QStringLiteral("chkComputer%1").arg(i));
        Place(chkComputer[i], 3300, top, 315, kRowHeight);
        //: %1 is the seat's number.
        chkComputer[i]->setAccessibleName(tr("Computer Player %1").arg(i + 1));
        cboStyle[i] = new QComboBox(this);
        cboStyle[i]->setObjectName(QStringLiteral("cboStyle%1").arg(i));
        Place(cboStyle[i], 4400, top - 15, 1800, kRowHeight + 30);
        cboStyle[i]->setAccessibleName(tr("Style of player %1").arg(i + 1));
        // Screen readers on Linux name a list by the label that points to
        // it; the column heading can point to one list only, so each has
        // a label of its own that is never shown.
        auto* styleLabel = new QLabel(cboStyle[i]->accessibleName(), this);
        styleLabel->setBuddy(cboStyle[i]);
        Place(styleLabel, 4400, top - 15, 1800, kRowHeight + 30);  // where it would be read, at any zoom
        styleLabel->hide();
        for (const char* style : kStyleNames) cboStyle[i]->addItem(QCoreApplication::translate("Styles", style));
        connect(chkComputer[i], &QCheckBox::toggled, this, [this, i] { chkComputer_Click(i); });
    }

    fraNumPlayers = new QGroupBox(tr("Number of Players:"), this);
    for (int k = 0; k < kRows; ++k) {
        optNumPlayers[k] = new QRadioButton(tr(kNumberCaptions[k]), fraNumPlayers);
        Place(optNumPlayers[k], 150 + (k % 4) * 870, 300 + (k / 4) * 330, 870, 285);
        connect(optNumPlayers[k], &QRadioButton::clicked, this, [this, k] { optNumPlayers_Click(k); });
    }
    //: Over the choice of the target score that ends the game.
    fraPlayTo = new QGroupBox(tr("Play to:"), this);
    //: Over the choice of the points a player must make in one turn before the first banking.
    fraBreakIn = new QGroupBox(tr("\"Break In\" Score:"), this);
    for (std::size_t k = 0; k < 2; ++k) {
        optPlayTo[k] = new QRadioButton(QString::number(kPlayToChoice.values[k]), fraPlayTo);
        Place(optPlayTo[k], 150, 300 + int(k) * 330, 1050, 285);
        optBreakIn[k] = new QRadioButton(QString::number(kBreakInChoice.values[k]), fraBreakIn);
        Place(optBreakIn[k], 150, 300 + int(k) * 330, 1050, 285);
    }

    cmdPlay = new QPushButton(tr("OK"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdPlay->setDefault(true);
    cmdPlay->setAutoDefault(true);
    cmdCancel->setAutoDefault(false);
    connect(cmdPlay, &QPushButton::clicked, this, &frmNewGame::cmdPlay_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewGame::cmdCancel_Click);

    // Tab order down the seats, then the options and buttons.
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (int i = 0; i < kRows; ++i) {
        chain(TxtPlayerName[i]);
        chain(chkComputer[i]);
        chain(cboStyle[i]);
    }
    for (QRadioButton* b : optNumPlayers) chain(b);
    for (QRadioButton* b : optPlayTo) chain(b);
    for (QRadioButton* b : optBreakIn) chain(b);
    chain(cmdPlay);
    chain(cmdCancel);

    Form_Load();
}

void frmNewGame::Form_Load() {
    numPlayers_ = 1;
    QApplication::beep();
    // A little below and right of the main window's corner, so the game
    // stays in view behind it.
    if (QWidget* main = host_.mainWindow()) MoveFrameTo(this, main->pos() + TwipPoint(500, 500), main);
    for (int i = 0; i < kRows; ++i) TxtPlayerName[i]->setText(DefaultName(i));
    optNumPlayers[0]->setChecked(true);
    optNumPlayers_Click(0);
    // The seats of the last game started, if they are kept.
    if (SeatMemory* memory = host_.seatMemory())
        if (const auto last = memory->Recall()) ShowSeats(*this, *last);
    loaded_ = true;
}

void frmNewGame::Form_Activate() {
    if (QWidget* main = host_.mainWindow()) MoveFrameTo(this, QPoint(FrameTopLeft(this, main).x(), main->y() + Px(350)), main);
    const Settings& s = host_.table().settings();
    optPlayTo[kPlayToChoice.IndexOf(s.PlayToScore)]->setChecked(true);
    optBreakIn[kBreakInChoice.IndexOf(s.BreakInScore)]->setChecked(true);
    update();
}

void frmNewGame::optNumPlayers_Click(int index) {
    if (index < 0 || index >= kRows) return;
    numPlayers_ = index + 1;
    // One human plays the computer seat below, whose style alone can
    // change; the seat's own entries come back when more players are chosen.
    const bool one = index == 0;
    if (one && !computerSeat_) {
        computerSeat_ = true;
        seat1Name_ = TxtPlayerName[1]->text();
        seat1Computer_ = chkComputer[1]->isChecked();
        TxtPlayerName[1]->setText(QStringLiteral("Computer"));
        chkComputer[1]->setChecked(true);
    } else if (!one && computerSeat_) {
        computerSeat_ = false;
        TxtPlayerName[1]->setText(seat1Name_);
        chkComputer[1]->setChecked(seat1Computer_);
    }
    // Every seat keeps what was typed and chosen for it, shown or not.
    for (int i = 0; i < kRows; ++i) {
        const bool shown = i <= std::max(index, 1);
        const bool fixed = one && i == 1;
        TxtPlayerName[i]->setVisible(shown);
        TxtPlayerName[i]->setEnabled(shown && !fixed);
        chkComputer[i]->setVisible(shown);
        chkComputer[i]->setEnabled(shown && !fixed);
        cboStyle[i]->setVisible(shown && chkComputer[i]->isChecked());
        cboStyle[i]->setEnabled(chkComputer[i]->isChecked());
    }
    SetHeightTwips(kHeights[index]);
}

void frmNewGame::chkComputer_Click(int index) {
    if (index < 0 || index >= kRows) return;
    const bool ticked = chkComputer[index]->isChecked();
    cboStyle[index]->setVisible(ticked);
    cboStyle[index]->setEnabled(ticked);
}

void frmNewGame::TxtPlayerName_GotFocus(int index) {
    if (index < 0 || index >= kRows) return;
    QLineEdit* box = TxtPlayerName[index];
    box->setSelection(0, int(box->text().size()));
}

int frmNewGame::StyleCode(const QString& text) {
    // The list offers only the styles' names, as stored or as shown; anything else plays Normal.
    const int code = zarvel::StyleCode(text.toStdString());
    if (code != 0) return code;
    for (int c = 1; c <= int(kStyleNames.size()); ++c)
        if (text == QCoreApplication::translate("Styles", kStyleNames[std::size_t(c - 1)])) return c;
    return 1;
}

QString frmNewGame::DefaultName(int seat) { return QStringLiteral("Player%1").arg(seat + 1); }

QString frmNewGame::SeatName(int seat) const {
    // A seat left without a name would be a blank row on the score pad.
    const QString typed = TxtPlayerName[seat]->text();
    return typed.trimmed().isEmpty() ? DefaultName(seat) : typed;
}

namespace {
// The style chosen in a seat's list, by its place: the shown name is in the
// game's language.
int StyleOf(const QComboBox* list) {
    const int code = list->currentIndex() + 1;
    return code >= 1 && code <= int(kStyleNames.size()) ? code : 1;
}
}  // namespace

std::vector<Seat> frmNewGame::Seats() const {
    // A lone player plays the computer seat below.
    std::vector<Seat> seats;
    for (int i = 0; i < std::max(numPlayers_, 2); ++i)
        seats.push_back({SeatName(i).toStdString(), chkComputer[i]->isChecked(), StyleOf(cboStyle[i])});
    return seats;
}

void frmNewGame::cmdPlay_Click() {
    Table& table = host_.table();
    Settings& s = table.settings();
    host_.ShowGameButtons(true);
    frmScorePad& pad = host_.scorePad();
    for (int i = 0; i < kRows; ++i) pad.setItalic(i, chkComputer[i]->isChecked());
    s.PlayToScore = kPlayToChoice.values[optPlayTo[0]->isChecked() ? 0 : 1];
    s.BreakInScore = kBreakInChoice.values[optBreakIn[0]->isChecked() ? 0 : 1];
    if (SeatMemory* memory = host_.seatMemory()) memory->Remember(SeatsShown(*this));
    // Seat 0 first, scores and dice cleared, "Roll the dice."; a computer
    // first plays once the dialog has gone.
    table.SeatGame(Seats(), s.PlayToScore, s.BreakInScore);
    // The boxes show the names played under, for the next game.
    for (int i = 0; i < kRows; ++i) TxtPlayerName[i]->setText(SeatName(i));
    WriteSetting(host_.settingsFile(), s, Key::PlayToScore);
    WriteSetting(host_.settingsFile(), s, Key::BreakInScore);

    hide();
    accept();
    // Rebuilt from this game's seats even when the pad is still showing
    // the last game's.
    pad.showRebuilt();
    pad.placeBeside(host_.mainWindow());
    pad.repaintPad();
    QCoreApplication::processEvents();
    if (QWidget* main = host_.mainWindow()) {
        main->activateWindow();
        main->setFocus();
    }
}

// The game in play, if any, goes on exactly as it was.
void frmNewGame::cmdCancel_Click() {
    cancelled_ = true;
    QDialog::reject();
}

// Esc and the window's close box are Cancel.
void frmNewGame::reject() { cmdCancel_Click(); }

void frmNewGame::lblComputer_DblClick() {
    if (!host_.IsKeyHeld()) return;
    QMessageBox box(QMessageBox::Question, tr("Test Mode"), tr("Enter Test Mode ?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() == QMessageBox::Yes) host_.RunTestGame();
}

void frmNewGame::SetHeightTwips(int twips) {
    heightTwips_ = twips;
    FixSize(this, kWidthTwips, twips - kCaptionTwips);
    PlaceControls();
    update();
}

void frmNewGame::PlaceControls() {
    const int bottom = heightTwips_ - kCaptionTwips;
    const int framesTop = bottom - kFramesFromBottom;
    Place(fraNumPlayers, 240, framesTop, 3780, kFrameHeight);
    Place(fraPlayTo, 4140, framesTop, 1200, kFrameHeight);
    Place(fraBreakIn, 5460, framesTop, 1500, kFrameHeight);
    Place(cmdPlay, 4140, bottom - kButtonsFromBottom, 1200, 375);
    Place(cmdCancel, 5460, bottom - kButtonsFromBottom, 1500, 375);
}

void frmNewGame::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    cancelled_ = false;
    Form_Activate();
    // The first seat's name is ready to be typed over.
    TxtPlayerName[0]->setFocus(Qt::OtherFocusReason);
}

bool frmNewGame::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lblComputer && e->type() == QEvent::MouseButtonDblClick) {
        lblComputer_DblClick();
        return true;
    }
    if (e->type() == QEvent::FocusIn) {
        for (int i = 0; i < kRows; ++i)
            if (watched == TxtPlayerName[i]) {
                // After the click that gave the focus has placed the cursor.
                QTimer::singleShot(0, TxtPlayerName[i], [this, i] {
                    if (TxtPlayerName[i]->hasFocus()) TxtPlayerName_GotFocus(i);
                });
            }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace zarvel
