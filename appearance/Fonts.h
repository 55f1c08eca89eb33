// The fonts of the game's windows.
#pragma once

#include <QFont>

namespace zarvel {

// The windows' ordinary text.
QFont DialogFont();
// The score pad's and winner window's rounded hand: the designed face where
// it is installed, else the platform's casual or plain sans-serif face.
QFont CasualFont(int pixelSize, bool bold = false);

}  // namespace zarvel
