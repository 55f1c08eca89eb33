// The new game dialog: seats, names, computer players and styles, target and
// break-in. OK hides it (its entries stay for next time); Cancel destroys it.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "Table.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zarvel {

class GameHost;

class frmNewGame : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 8;
    // The dialog's height in twips for each number of players (1..8).
    static constexpr std::array<int, kRows> kHeights{3435, 3435, 3805, 4200, 4550, 4900, 5220, 5600};

    frmNewGame(GameHost& host, QWidget* parent);

    std::array<QLineEdit*, kRows> TxtPlayerName{};
    std::array<QCheckBox*, kRows> chkComputer{};
    std::array<QComboBox*, kRows> cboStyle{};
    std::array<QRadioButton*, kRows> optNumPlayers{};
    std::array<QRadioButton*, 2> optPlayTo{};
    std::array<QRadioButton*, 2> optBreakIn{};
    QLabel* lblPlayerName = nullptr;
    QLabel* lblComputer = nullptr;
    QLabel* lblStyle = nullptr;
    // Earlier names: Frame1 is fraNumPlayers, Frame2 fraPlayTo, Frame3 fraBreakIn.
    QGroupBox* fraNumPlayers = nullptr;
    QGroupBox* fraPlayTo = nullptr;
    QGroupBox* fraBreakIn = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The designed height (twips) the dialog has now.
    int HeightTwips() const { return heightTwips_; }
    // Cancel was chosen: the owner destroys the dialog.
    bool cancelled() const { return cancelled_; }
    // The players chosen (1..8; one plays the computer seat below it).
    int NumPlayers() const { return numPlayers_; }
    // The seats as the dialog shows them now.
    std::vector<Seat> Seats() const;

    void Form_Activate();
    void optNumPlayers_Click(int index);
    void chkComputer_Click(int index);
    void TxtPlayerName_GotFocus(int index);
    void cmdPlay_Click();
    void cmdCancel_Click();
    void lblComputer_DblClick();

    // Code 1..8 for a style's text; Normal's for any other text.
    static int StyleCode(const QString& text);
    // A seat's name until one is typed, and for a name left empty.
    static QString DefaultName(int seat);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void reject() override;

private:
    void Form_Load();
    void SetHeightTwips(int twips);
    // The seat's name as it plays: as typed, or the default for none.
    QString SeatName(int seat) const;
    void PlaceControls();

    GameHost& host_;
    int numPlayers_ = 1;
    int heightTwips_ = 0;
    bool cancelled_ = false;
    bool loaded_ = false;
    // Seat 1 plays the computer of a one-player game; what it held before.
    bool computerSeat_ = false;
    QString seat1Name_;
    bool seat1Computer_ = false;
};

}  // namespace zarvel
