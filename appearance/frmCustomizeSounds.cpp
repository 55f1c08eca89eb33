#include "frmCustomizeSounds.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "Fonts.h"
#include "SettingKeys.h"
#include "SettingsFile.h"
#include "Startup.h"
#include "Twips.h"
#include "WaveFile.h"

namespace zarvel {

const QString frmCustomizeSounds::NoChoice = QString(3, QChar(0x00A4));

frmCustomizeSounds::frmCustomizeSounds(Settings& settings, SettingsFile& file, std::function<void(const QString&)> play,
                                       QWidget* parent)
    : QDialog(parent), settings_(settings), file_(file), play_(std::move(play)) {
    setWindowTitle(u' ' + tr("Customize Sounds"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetZoomedFont(this, DialogFont());
    FixSize(this, 5700, 3150);

    lblEvent = new QLabel(tr("Event:"), this);
    Place(lblEvent, 240, 120, 2600, 255);
    lstEvents = new QListWidget(this);
    Place(lstEvents, 240, 390, 2600, 2100);
    lstEvents->setAccessibleName(tr("Event"));
    for (const SoundEvent& e : kSoundEvents) lstEvents->addItem(QCoreApplication::translate("SoundEvents", e.entry));
    lblEvent->setBuddy(lstEvents);

    Label1 = new QLabel(tr("Sound:"), this);
    Place(Label1, 3060, 120, 2400, 255);
    txtSound = new QLineEdit(this);
    Place(txtSound, 3060, 390, 2400, 315);
    txtSound->setReadOnly(true);
    txtSound->setAccessibleName(tr("Sound"));
    QPalette grey = txtSound->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window).darker(108));
    txtSound->setPalette(grey);
    Label1->setBuddy(txtSound);

    cmdBrowse = new QPushButton(tr("Browse..."), this);
    Place(cmdBrowse, 3060, 840, 1140, 375);
    cmdTest = new QPushButton(tr("Test"), this);
    Place(cmdTest, 4320, 840, 1140, 375);
    cmdOK = new QPushButton(tr("OK"), this);
    Place(cmdOK, 3060, 2115, 1140, 375);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    Place(cmdCancel, 4320, 2115, 1140, 375);
    Label2 = new QLabel(tr("[Hit Backspace to restore default sounds]"), this);
    Place(Label2, 240, 2640, 5220, 255);
    Label2->setAlignment(Qt::AlignCenter);

    connect(lstEvents, &QListWidget::currentRowChanged, this, [this] { lstEvents_Click(); });
    connect(lstEvents, &QListWidget::itemDoubleClicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdBrowse, &QPushButton::clicked, this, &frmCustomizeSounds::cmdBrowse_Click);
    connect(cmdTest, &QPushButton::clicked, this, &frmCustomizeSounds::cmdTest_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmCustomizeSounds::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Backspace anywhere in the dialog, whichever control has the focus.
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

    chooseWaveFile = [this](const QString& title) { return ChooseWaveFile(title); };
    for (std::size_t i = 0; i < EventSound.size(); ++i)
        EventSound[i] = QString::fromStdString(zarvel::EventSound(settings_, int(i)));
    lstEvents->setCurrentRow(0);
    lstEvents_Click();
}

int frmCustomizeSounds::Selected() const { return std::max(0, lstEvents->currentRow()); }

void frmCustomizeSounds::lstEvents_Click() { txtSound->setText(FileTitle(EventSound[std::size_t(Selected())])); }

QString frmCustomizeSounds::ChooseWaveFile(const QString& title) {
    const QString start = QFileInfo(EventSound[std::size_t(Selected())]).absolutePath();
    const QString chosen =
        QFileDialog::getOpenFileName(this, title, start, tr("Wav Files (*.wav)"));
    return chosen.isEmpty() ? NoChoice : chosen;
}

void frmCustomizeSounds::cmdBrowse_Click() {
    const QString title = //: The file chooser's caption; %1 is a sound event ("Roll One Die").
        tr("Select \"%1\" sound").arg(lstEvents->item(Selected())->text());
    LastChosenFile = chooseWaveFile(title);
    if (LastChosenFile == NoChoice) return;
    EventSound[std::size_t(Selected())] = LastChosenFile;
    txtSound->setText(FileTitle(LastChosenFile));
    // Taken all the same, as the player chose it; it will simply be silent.
    QString why;
    if (!ReadWave(LastChosenFile, &why)) {
        QMessageBox box(QMessageBox::Warning, QLatin1String(kTitle),
                        //: %1 is a file name, %2 why it cannot be played.
                        tr("The sound %1 will not be heard: %2.").arg(FileTitle(LastChosenFile), why),
                        QMessageBox::Ok, this);
        box.exec();
    }
}

void frmCustomizeSounds::cmdTest_Click() { play_(EventSound[std::size_t(Selected())]); }

void frmCustomizeSounds::RestoreBuiltInSounds() {
    const QString temp = QString::fromStdString(settings_.TempPath);
    for (std::size_t i = 0; i < EventSound.size(); ++i) EventSound[i] = temp + QLatin1String(kSoundEvents[i].builtIn.name);
    lstEvents_Click();
    QMessageBox box(QMessageBox::NoIcon, QLatin1String(kTitle), tr("Original Sounds Restored."),
                    QMessageBox::Ok, this);
    box.exec();
}

void frmCustomizeSounds::cmdOK_Click() {
    for (std::size_t i = 0; i < EventSound.size(); ++i) zarvel::EventSound(settings_, int(i)) = EventSound[i].toStdString();
    for (Key key : SoundKeysInFileOrder()) WriteSetting(file_, settings_, key);
    accept();
}

void frmCustomizeSounds::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Backspace && !e->isAutoRepeat()) {
        RestoreBuiltInSounds();
        return;
    }
    QDialog::keyReleaseEvent(e);
}

bool frmCustomizeSounds::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyRelease && watched != this) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Backspace && !key->isAutoRepeat()) {
            RestoreBuiltInSounds();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace zarvel
