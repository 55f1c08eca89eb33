// The sound dialog: a wave file of the player's own for each sound event,
// tried with Test, the built-in ones back with Backspace. It works on
// copies; only OK stores them.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "Catalogue.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zarvel {

class SettingsFile;
struct Settings;

class frmCustomizeSounds : public QDialog {
    Q_OBJECT
public:
    // What the file chooser returns when nothing was chosen.
    static const QString NoChoice;

    // play: plays a file whatever the sound option says.
    frmCustomizeSounds(Settings& settings, SettingsFile& file, std::function<void(const QString&)> play,
                       QWidget* parent = nullptr);

    QListWidget* lstEvents = nullptr;
    QLabel* lblEvent = nullptr;
    QLineEdit* txtSound = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label2 = nullptr;

    // The paths being edited, indexed like the list.
    std::array<QString, kSoundEvents.size()> EventSound;
    QString LastChosenFile;

    // The open-file dialog: the chosen file's full path, or NoChoice. Tests
    // replace it.
    std::function<QString(const QString& title)> chooseWaveFile;

    void lstEvents_Click();
    void cmdBrowse_Click();
    void cmdTest_Click();
    void cmdOK_Click();
    void RestoreBuiltInSounds();

protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QString ChooseWaveFile(const QString& title);
    int Selected() const;

    Settings& settings_;
    SettingsFile& file_;
    std::function<void(const QString&)> play_;
};

}  // namespace zarvel
