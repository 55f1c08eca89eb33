#include "GameTray.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>

#include "ARButton.h"
#include "Catalogue.h"
#include "Colors.h"
#include "PictureBox.h"
#include "Fonts.h"
#include "NameLabel.h"
#include "Table.h"
#include "Twips.h"

namespace zarvel {

namespace {

// A die box as a screen reader sees it: a button named for what it shows,
// which the reader can press like a click.
class DieBoxAccessible : public QAccessibleWidget {
public:
    explicit DieBoxAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) static_cast<PictureBox*>(widget())->click();
    }
};

QAccessibleInterface* DieBoxFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("zarvel::PictureBox") && object->property("dieBox").toBool())
        return new DieBoxAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

constexpr int kDividerWidthTwips = 75, kTrayHeightTwips = 630;

// The status line's place in twips, at either of its heights.
QRect StatusPlace(int topTwips) { return QRect(120, topTwips, 3615, 255); }

QString DieName(int index, int face) {
    //: What a die box shows, read by a screen reader after "Die 3:".
    static const char* const kWords[7] = {QT_TRANSLATE_NOOP("zarvel::GameTray", "empty"), QT_TRANSLATE_NOOP("zarvel::GameTray", "one"),
                                          QT_TRANSLATE_NOOP("zarvel::GameTray", "two"),   QT_TRANSLATE_NOOP("zarvel::GameTray", "three"),
                                          QT_TRANSLATE_NOOP("zarvel::GameTray", "four"),  QT_TRANSLATE_NOOP("zarvel::GameTray", "five"),
                                          QT_TRANSLATE_NOOP("zarvel::GameTray", "six")};
    const QString word = GameTray::tr(kWords[face >= 1 && face <= 6 ? face : 0]);
    //: A rolled die's place as a screen reader reads it: %1 is its place (1-6), %2 what it shows ("four").
    return index < 10 ? GameTray::tr("Die %1: %2").arg(index + 1).arg(word)
                      //: A set-aside die's place as a screen reader reads it: %1 is its place (1-6), %2 what it shows.
                      : GameTray::tr("Set aside %1: %2").arg(index - 9).arg(word);
}

// Places are in twips.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    Place(l, twips.x(), twips.y(), twips.width(), twips.height());
    l->setAlignment(align);
    SetZoomedFont(l, DialogFont());
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A button's designed place, widened about its middle when its caption (a
// translation) needs more room inside the bevel than the design gives it.
QRect WideEnough(const QRect& twips, const QString& caption) {
    const int need = Twips(QFontMetrics(DialogFont()).horizontalAdvance(caption) + 10);
    if (need <= twips.width()) return twips;
    return QRect(twips.x() - (need - twips.width()) / 2, twips.y(), need, twips.height());
}

PictureBox* MakeBox(QWidget* parent, const char* name, QRect twips) {
    auto* box = new PictureBox(parent);
    box->setObjectName(QLatin1String(name));
    Place(box, twips.x(), twips.y(), twips.width(), twips.height());
    return box;
}

}  // namespace

GameTray::GameTray(QWidget* parent) : QWidget(parent) {
    static const bool factory = [] {
        QAccessible::installFactory(DieBoxFactory);
        return true;
    }();
    Q_UNUSED(factory);
    setObjectName(QStringLiteral("picGameTray"));
    //: The board's name for a screen reader: the place where the game is played.
    setAccessibleName(tr("Game"));
    FixSize(this, kWidthTwips, kHeightTwips);
    setAutoFillBackground(true);

    Image1 = MakeBox(this, "Image1", QRect(0, 0, kWidthTwips, 4815));
    Image1->setStretch(true);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    picTray1 = MakeBox(this, "picTray1", QRect(75, 195, 3645, 630));
    picTray1->setAccessibleName(tr("Rolled dice"));
    picTray2 = MakeBox(this, "picTray2", QRect(75, 840, 3645, 630));
    picTray2->setAccessibleName(tr("Dice set aside"));
    picSampleDice = MakeBox(this, "picSampleDice", QRect(75, 840, 3645, 630));
    // Its caption is dark blue like every heading; a light patch behind it
    // keeps it readable on the dark trays of some skins.
    lblSampleDice = MakeLabel(picSampleDice, "lblSampleDice", tr("(Sample Dice)"),
                              QRect(1065, 180, 1500, 270), Qt::AlignCenter);
    lblSampleDice->setAutoFillBackground(true);
    QPalette patch = lblSampleDice->palette();
    patch.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF4));
    lblSampleDice->setPalette(patch);
    picSampleDice->hide();

    // Six places a row, 600 twips apart; the divider and markers follow them.
    for (int i = 0; i < kSlots; ++i) {
        for (int row = 0; row < 2; ++row) {
            const int index = row * 10 + i;
            PictureBox* box = MakeBox(row == 0 ? picTray1 : picTray2, "", QRect(60 + 600 * i, 45, 495, 615));
            box->setObjectName(QStringLiteral("Picture1_%1").arg(index));
            box->setProperty("dieBox", true);
            box->setAccessibleName(DieName(index, 0));
            connect(box, &PictureBox::clicked, this, [this, index] { emit dieClicked(index); });
            dice_[index] = box;
        }
        picMarker[i] = MakeBox(this, "", QRect(350 + 600 * i, 75, 50, 50));
        picMarker[i]->setObjectName(QStringLiteral("picMarker_%1").arg(i));
        picMarker[i]->setStretch(true);
        picMarker[i]->setBitmap(kMarkerBitmap);
        picMarker[i]->hide();
    }
    pctDivider = MakeBox(picTray2, "pctDivider", QRect(540, 0, kDividerWidthTwips, kTrayHeightTwips));
    pctDivider->setStretch(true);
    pctDivider->setBitmap(kDividerBitmap);
    pctDivider->hide();

    lblStatus = MakeLabel(this, "lblStatus", tr("Status Messages"), StatusPlace(kStatusTop), Qt::AlignCenter);
    QFont bold = DialogFont();
    bold.setBold(true);
    SetZoomedFont(lblStatus, bold);
    lblLastRoll = MakeLabel(this, "lblLastRoll", tr("(Last Roll)"), QRect(120, 2760, 3615, 255),
                            Qt::AlignCenter);
    lblLastRoll->hide();
    lblCurrentPlayer = MakeLabel(this, "lblCurrentPlayer", tr("Current Player:"), QRect(240, 3360, 1455, 255));
    lblPlayer = new NameLabel(this);
    lblPlayer->setObjectName(QStringLiteral("lblPlayer"));
    Place(lblPlayer, 1920, 3360, 1695, 255);
    SetZoomedFont(lblPlayer, DialogFont());
    lblPlayer->setName(QStringLiteral(" "));
    lblTurnScoreLabel =
        MakeLabel(this, "lblTurnScoreLabel", tr("Score this Turn:"), QRect(240, 3600, 1575, 255));
    lblTurnScore = MakeLabel(this, "lblTurnScore", QStringLiteral("0"), QRect(1920, 3600, 615, 255));

    const QString newGame = tr("New Game (F2)");
    ARCmdNewGame = MakeButton(this, "ARCmdNewGame", newGame, WideEnough(QRect(1050, 1800, 1695, 480), newGame));
    cmdRoll = MakeButton(this, "cmdRoll", QString(), QRect(210, 1680, 1575, 705));
    cmdRoll->setPicturePainter(PaintRollPicture);
    //: The roll button (a picture), as a screen reader names it: the verb.
    cmdRoll->setAccessibleName(tr("Roll"));
    cmdPassDice = MakeButton(this, "cmdPassDice", QString(), QRect(2010, 1680, 1575, 705));
    cmdPassDice->setPicturePainter(PaintPassDicePicture);
    //: The pass button (a picture): hand the dice to the next player and bank the turn.
    cmdPassDice->setAccessibleName(tr("Pass Dice"));
    cmdSkins = MakeButton(this, "cmdSkins", tr("Theme"), QRect(210, 4155, 1035, 375));
    cmdOptions = MakeButton(this, "cmdOptions", tr("Options"), QRect(1405, 4155, 1035, 375));
    cmdExit = MakeButton(this, "cmdExit", tr("Exit"), QRect(2610, 4155, 1035, 375));
    ShowGameButtons(false);
    SetRollEnabled(false);
    SetPassEnabled(false);

    Image1->lower();
}

PictureBox* GameTray::Picture1(int index) const {
    return index >= 0 && index < int(dice_.size()) ? dice_[std::size_t(index)] : nullptr;
}

void GameTray::ShowDie(int index, int face, int skinCode) {
    PictureBox* box = Picture1(index);
    if (!box) return;
    const int bitmap = face >= 1 && face <= 6 ? SkinToDraw(skinCode).code + face : 0;
    if (bitmap == box->bitmapId() && (bitmap != 0 || box->picture().isNull())) return;  // already shown
    box->setBitmap(bitmap);
    box->setAccessibleName(DieName(index, face));
}

void GameTray::DescribeScoring(const std::array<bool, kSlots>& scores) {
    for (int i = 0; i < kSlots; ++i)
        dice_[std::size_t(i)]->setAccessibleDescription(scores[std::size_t(i)] ? tr("scores") : QString());
}

void GameTray::ShowMarker(int slot, bool visible) {
    if (slot < 0 || slot >= kSlots) return;
    picMarker[std::size_t(slot)]->setVisible(visible);
}

bool GameTray::MarkerVisible(int slot) const {
    return slot >= 0 && slot < kSlots && !picMarker[std::size_t(slot)]->isHidden();
}

void GameTray::ShowDividerAt(int leftTwips) {
    Place(pctDivider, leftTwips, 0, kDividerWidthTwips, kTrayHeightTwips);
    pctDivider->show();
    pctDivider->raise();
}

void GameTray::HideDivider() { pctDivider->hide(); }

void GameTray::SetStatusText(const QString& text) {
    lblStatus->setText(text);
}

void GameTray::ShowStatus(const StatusLine& line, const QString& player) {
    SetStatusText(FitName([&line](const QString& name) { return StatusText(line, name); }, player,
                          lblStatus->fontMetrics(), lblStatus->contentsRect().width()));
}

QString GameTray::StatusText(const StatusLine& line, const QString& player) {
    QString text;
    switch (line.status) {
        case Status::Blank: break;
        case Status::Rolling: text = tr("Rolling..."); break;
        case Status::SelectDice: text = tr("Select Dice."); break;
        case Status::SelectOrPass: text = tr("Select Dice or Pass Dice."); break;
        case Status::MustRoll: text = tr("All dice score - You must roll."); break;
        case Status::RollTheDice: text = tr("Roll the dice."); break;
        case Status::RollOrPass: text = tr("Roll or pass the dice."); break;
        case Status::SelectOrRoll: text = tr("Select dice or roll."); break;
        case Status::RollSelectOrPass: text = tr("Roll, select, or pass the dice."); break;
        case Status::PassTheDice: text = tr("Pass The Dice."); break;
        case Status::Zarvel: text = tr("ZARVEL !!!"); break;
        case Status::ZarvelPassing: {
            // The passing text up to its n-th letter; a blank comes with the
            // letter after it. The last step shows it whole, however long a
            // translation makes it.
            const QString passing = tr("Passing the dice.");
            qsizetype end = passing.size();
            if (line.letters < kPassingLetters) {
                int letters = 0;
                for (end = 0; end < passing.size() && letters < line.letters; ++end)
                    if (!passing[end].isSpace()) ++letters;
            }
            //: %1 is "Passing the dice." shown letter by letter.
            text = tr("ZARVEL - %1").arg(passing.left(end));
            break;
        }
        case Status::PressF2: text = tr("Press \"F2\" to start a game."); break;
        //: %1 is the name of the computer player whose turn it is.
        case Status::ComputerPlaying: text = tr("%1 is playing.").arg(player); break;
        //: %1 is the player's name.
        case Status::Banked: text = tr("%1 banked %n points.", nullptr, line.points).arg(player); break;
        //: %n is the break-in amount: the points a player must make in one turn before the first banking.
        case Status::BreakInNeeded: text = tr("%n in one turn to get on the board.", nullptr, line.points); break;
    }
    //: %1 is a status line; the mark says the last action was taken back.
    return line.undo ? tr("%1 (Undo)").arg(text) : text;
}

void GameTray::SetStatusTop(int twips) {
    const QRect place = StatusPlace(twips);
    Place(lblStatus, place.x(), place.y(), place.width(), place.height());
}

void GameTray::ShowLastRoll(bool visible) { lblLastRoll->setVisible(visible); }

void GameTray::SetTurnScoreText(const QString& text) {
    lblTurnScore->setText(text);
}

void GameTray::SetPlayerText(const QString& text) { lblPlayer->setName(text); }

void GameTray::SetRollEnabled(bool enabled) {
    cmdRoll->setEnabled(enabled);
}

void GameTray::SetPassEnabled(bool enabled) {
    cmdPassDice->setEnabled(enabled);
}

bool GameTray::RollEnabled() const { return cmdRoll->isEnabledTo(this); }
bool GameTray::PassEnabled() const { return cmdPassDice->isEnabledTo(this); }

void GameTray::ShowGameButtons(bool gameRunning) {
    ARCmdNewGame->setVisible(!gameRunning);
    cmdRoll->setVisible(gameRunning);
    cmdPassDice->setVisible(gameRunning);
}

void GameTray::SetBackgroundPicture(const QImage& picture, const QString& variants) {
    Image1->setPicture(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture), variants);
    emit backgroundChanged();
}

void GameTray::ColourLabels(unsigned textColour) {
    const QColor text = FromColourNumber(textColour), heading = FromColourNumber(kHeadingColour);
    for (QLabel* l : findChildren<QLabel*>()) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, IsHeadingCaption(l->text()) ? heading : text);
        l->setPalette(p);
    }
}

void GameTray::PaintTrayColours(int skinCode) {
    const QColor back = FromColourNumber(SkinToDraw(skinCode).trayBack);
    picTray1->setBackColor(back);
    picTray2->setBackColor(back);
    picSampleDice->setBackColor(back);
    for (PictureBox* box : dice_)
        if (box) box->setBackColor(back);
}

void GameTray::RedrawDice(const GameState& g, int skinCode) {
    for (int i = 0; i < kSlots; ++i) {
        ShowDie(i, g.RolledDice[std::size_t(i)], skinCode);
        ShowDie(10 + i, g.TrayDice[std::size_t(i)], skinCode);
    }
}

void GameTray::PreviewSkin(int code) {
    PaintTrayColours(code);
    // The roll area shows the skin's six faces; the set-aside dice keep
    // theirs until the choice is saved or cancelled.
    for (int i = 0; i < kSlots; ++i) ShowDie(i, i + 1, code);
}

void GameTray::PreviewTextColour(unsigned colour) { ColourLabels(colour); }

void GameTray::PreviewBackground(const QImage& picture, const QString& variants) {
    SetBackgroundPicture(picture, variants);
}

void GameTray::ShowSampleDice(bool shown) {
    picSampleDice->setVisible(shown);
    if (shown) picSampleDice->raise();
}

}  // namespace zarvel
