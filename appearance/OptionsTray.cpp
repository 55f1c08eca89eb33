#include "OptionsTray.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>

#include "ARButton.h"
#include "Catalogue.h"
#include "Colors.h"
#include "Fonts.h"
#include "SettingKeys.h"
#include "Twips.h"
#include "frmCustomizeSounds.h"

namespace zarvel {

namespace {

QGroupBox* Frame(QWidget* parent, const QString& caption, int top, int height) {
    auto* f = new QGroupBox(caption, parent);
    Place(f, 60, top, 1530, height);
    return f;
}

// A speaker with sound waves: the way to the sound dialog.
void PaintSpeaker(QPainter& p, const QRectF& r, const QColor& caption, bool enabled) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = enabled ? caption : QColor(150, 150, 150);
    const double s = std::min(r.width(), r.height()) / 20.0;
    const QPointF o(r.center().x() - 9 * s, r.center().y());
    QPolygonF cone;
    cone << o + QPointF(0, -3 * s) << o + QPointF(4 * s, -3 * s) << o + QPointF(9 * s, -8 * s)
         << o + QPointF(9 * s, 8 * s) << o + QPointF(4 * s, 3 * s) << o + QPointF(0, 3 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(40, 90, 200) : QColor(170, 170, 170));
    p.drawPolygon(cone);
    p.setPen(QPen(ink, 1.6 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 2; ++k) {
        const double rad = (3 + 3.5 * k) * s;
        p.drawArc(QRectF(o.x() + 9 * s - rad, o.y() - rad, 2 * rad, 2 * rad), -45 * 16, 90 * 16);
    }
}

}  // namespace

OptionsTray::OptionsTray(Settings& settings, SettingsFile& file, std::function<void(const QString&)> play,
                         QWidget* parent)
    : QWidget(parent), settings_(settings), file_(file), play_(std::move(play)) {
    setObjectName(QStringLiteral("picOptionsTray"));
    setAccessibleName(tr("Options"));
    SetZoomedFont(this, DialogFont());

    lblSoundHeading = MakeHeading(this, tr("Sound Effects"), 60);
    fraSound = Frame(this, tr("Sound FX:"), 300, 1080);
    //: Sound effects switched on.
    optSound[1] = new QRadioButton(tr("On"), fraSound);
    Place(optSound[1], 90, 270, 780, 285);
    //: Sound effects switched off.
    optSound[0] = new QRadioButton(tr("Off"), fraSound);
    Place(optSound[0], 90, 600, 780, 285);
    cmdCustomizeSounds = MakeButton(fraSound, "cmdCustomizeSounds", QString(), QRect(900, 300, 540, 540));
    cmdCustomizeSounds->setPicturePainter(PaintSpeaker);
    cmdCustomizeSounds->setAccessibleName(tr("Customize Sounds"));
    cmdCustomizeSounds->setToolTip(cmdCustomizeSounds->accessibleName());

    //: The heading over how fast the computer players play.
    lblSpeedHeading = MakeHeading(this, tr("Speed"), 1440);
    fraSpeed = Frame(this, tr("Speed:"), 1680, 1170);
    //: How fast the computer players play.
    const char* const speeds[3] = {QT_TR_NOOP("Normal"), QT_TR_NOOP("Fast"), QT_TR_NOOP("Ridiculous")};
    for (int k = 0; k < 3; ++k) {
        optComputerSpeed[std::size_t(k)] = new QRadioButton(tr(speeds[k]), fraSpeed);
        Place(optComputerSpeed[std::size_t(k)], 90, 270 + 285 * k, 1380, 285);
    }

    //: Short for "miscellaneous": the heading over the other options.
    lblMiscHeading = MakeHeading(this, tr("Misc."), 2910);
    fraMisc = Frame(this, tr("Misc:"), 3150, 780);
    chkSortDice = new QCheckBox(tr("Sort Dice"), fraMisc);
    Place(chkSortDice, 90, 270, 1380, 240);
    //: Marks the dice that score with a small dot.
    chkMarkScorers = new QCheckBox(tr("Mark Points"), fraMisc);
    Place(chkMarkScorers, 90, 510, 1380, 240);

    ARCmdRestoreDefaults = MakeButton(this, "ARCmdRestoreDefaults", tr("Restore Default"),
                                      QRect(60, 3990, 1530, 330));
    ARCmdSaveOptions = MakeButton(this, "ARCmdSaveOptions", tr("Save"), QRect(60, 4350, 735, 330));
    ARCmdCancelOptions = MakeButton(this, "ARCmdCancelOptions", tr("Cancel"), QRect(855, 4350, 735, 330));

    // Reached from the keyboard too: the tray's buttons take the focus,
    // and the tray hands its own to its first control.
    for (ARButton* b : findChildren<ARButton*>()) b->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(optSound[1]);
    connect(cmdCustomizeSounds, &ARButton::clicked, this, &OptionsTray::cmdCustomizeSounds_Click);
    connect(ARCmdRestoreDefaults, &ARButton::clicked, this, &OptionsTray::ARCmdRestoreDefaults_Click);
    connect(ARCmdSaveOptions, &ARButton::clicked, this, &OptionsTray::saveClicked);
    connect(ARCmdCancelOptions, &ARButton::clicked, this, &OptionsTray::cancelClicked);
}

void OptionsTray::ShowOptions() {
    const int speed = settings_.ComputerFast;
    // A stored speed that names none of the three selects none.
    for (std::size_t k = 0; k < kSpeedChoice.values.size(); ++k) {
        QRadioButton* b = optComputerSpeed[k];
        b->setAutoExclusive(false);
        b->setChecked(kSpeedChoice.values[k] == speed);
        b->setAutoExclusive(true);
    }
    optSound[settings_.SoundFXOFF ? 0 : 1]->setChecked(true);
    chkSortDice->setChecked(settings_.SortDice);
    chkMarkScorers->setChecked(settings_.MarkScorers);
}

void OptionsTray::SaveOptions() {
    for (std::size_t k = 0; k < kSpeedChoice.values.size(); ++k)
        if (optComputerSpeed[k]->isChecked()) settings_.ComputerFast = kSpeedChoice.values[k];
    settings_.SoundFXOFF = optSound[0]->isChecked();
    settings_.SortDice = chkSortDice->isChecked();
    settings_.MarkScorers = chkMarkScorers->isChecked();
    if (!settings_.MarkScorers) emit markersOff();
    for (Key key : {Key::SoundFXOFF, Key::ComputerFast, Key::SortDice, Key::MarkScorers})
        WriteSetting(file_, settings_, key);
}

void OptionsTray::ARCmdRestoreDefaults_Click() {
    optComputerSpeed[kSpeedChoice.IndexOf(kSpeedChoice.byDefault)]->setChecked(true);
    optSound[kSoundOffByDefault ? 0 : 1]->setChecked(true);
    chkSortDice->setChecked(kSortDiceByDefault);
    chkMarkScorers->setChecked(kMarkScorersByDefault);
    QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle), tr("Original Settings Restored."),
                    QMessageBox::Ok, this);
    box.exec();
}

void OptionsTray::cmdCustomizeSounds_Click() {
    frmCustomizeSounds dialog(settings_, file_, play_, window());
    dialog.exec();
}

}  // namespace zarvel
