#include "SeatMemory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "frmNewGame.h"

namespace zarvel {

LastSeats SeatsShown(const frmNewGame& d) {
    LastSeats seats{d.NumPlayers(), {}};
    for (int i = 0; i < std::max(d.NumPlayers(), 2) && i < frmNewGame::kRows; ++i)
        seats.seats.push_back({d.TxtPlayerName[i]->text().toStdString(), d.chkComputer[i]->isChecked(),
                               d.cboStyle[i]->currentIndex() + 1});
    return seats;
}

void ShowSeats(frmNewGame& d, const LastSeats& seats) {
    if (seats.count < 1 || seats.count > frmNewGame::kRows) return;
    d.optNumPlayers[seats.count - 1]->setChecked(true);
    d.optNumPlayers_Click(seats.count - 1);
    const int rows = std::min<int>(std::max(seats.count, 2), int(seats.seats.size()));
    for (int i = 0; i < rows; ++i) {
        const LastSeat& seat = seats.seats[std::size_t(i)];
        if (seat.style >= 1 && seat.style <= d.cboStyle[i]->count()) d.cboStyle[i]->setCurrentIndex(seat.style - 1);
        // The one player's opponent is always the "Computer" seat: only its style is the player's.
        if (seats.count == 1 && i == 1) continue;
        d.TxtPlayerName[i]->setText(QString::fromStdString(seat.name));
        d.chkComputer[i]->setChecked(seat.computer);
    }
}

}  // namespace zarvel
