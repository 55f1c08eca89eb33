// The seats of the last game started, for the new game dialog to open
// with: kept by the shell in the game records, so they outlast a restart.
#pragma once

#include <optional>

#include "Records.h"

namespace zarvel {

class frmNewGame;

class SeatMemory {
public:
    virtual ~SeatMemory() = default;
    // The seats last remembered; nothing when none are.
    virtual std::optional<LastSeats> Recall() = 0;
    virtual void Remember(const LastSeats& seats) = 0;
};

// The dialog's number of players and the rows that take part (two for one
// player: the person and the "Computer" seat).
LastSeats SeatsShown(const frmNewGame& dialog);
// Shows remembered seats in the dialog. Whatever does not fit (a number
// of players, a style the lists do not hold) leaves the dialog's own
// choice; a missing row keeps its default.
void ShowSeats(frmNewGame& dialog, const LastSeats& seats);

}  // namespace zarvel
