// The nine carried wave sounds, synthesised: 16-bit PCM mono at 22050 Hz.
#pragma once

#include <QByteArray>

namespace resgen {

// Wave file of sound event i, in the sound dialog's order (0..7).
QByteArray eventSound(int event);
// Wave file of the over-the-top sound.
QByteArray overTopSound();

}  // namespace resgen
