// The nine carried wave sounds, synthesised: 16-bit PCM mono at 22050 Hz.
#pragma once

#include <QByteArray>

namespace resgen {

// Wave file of custom resource 101..109; empty for any other id.
QByteArray soundResource(int id);

}  // namespace resgen
