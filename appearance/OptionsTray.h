// The options tray: sound on or off, the computers' speed, sorting the
// dice and marking the scoring ones, and the way into the sound dialog.
// Its controls show the settings when it opens and change them on Save.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zarvel {

class ARButton;
class SettingsFile;
struct Settings;

// Earlier names: Label4 is lblSoundHeading, Frame3 fraSound, Label2
// lblSpeedHeading, Frame1 fraSpeed, Label3 lblMiscHeading, Frame4 fraMisc.
class OptionsTray : public QWidget {
    Q_OBJECT
public:
    // play: plays a file whatever the sound option says (the sound dialog's Test).
    OptionsTray(Settings& settings, SettingsFile& file, std::function<void(const QString&)> play,
                QWidget* parent = nullptr);

    QLabel* lblSoundHeading = nullptr;  // "Sound Effects"
    QGroupBox* fraSound = nullptr;
    std::array<QRadioButton*, 2> optSound{};  // 0 "Off", 1 "On"
    ARButton* cmdCustomizeSounds = nullptr;
    QLabel* lblSpeedHeading = nullptr;  // "Speed"
    QGroupBox* fraSpeed = nullptr;
    std::array<QRadioButton*, 3> optComputerSpeed{};
    QLabel* lblMiscHeading = nullptr;  // "Misc."
    QGroupBox* fraMisc = nullptr;
    QCheckBox* chkSortDice = nullptr;
    QCheckBox* chkMarkScorers = nullptr;
    ARButton* ARCmdSaveOptions = nullptr;
    ARButton* ARCmdCancelOptions = nullptr;
    ARButton* ARCmdRestoreDefaults = nullptr;

    void ShowOptions();
    // Takes the controls into the settings and writes the four keys.
    void SaveOptions();
    void ARCmdRestoreDefaults_Click();
    void cmdCustomizeSounds_Click();

signals:
    void saveClicked();
    void cancelClicked();
    // Marking was switched off and saved: the markers showing must go.
    void markersOff();

private:
    Settings& settings_;
    SettingsFile& file_;
    std::function<void(const QString&)> play_;
};

}  // namespace zarvel
