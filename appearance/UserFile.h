// Reading a file the game does not control (a picture or a sound the player
// chose, or one named in the settings) without trusting it: only an
// ordinary file, never more than a limit decided from its size on disk, and
// opened so that a pipe or a device can never make the game wait.
#pragma once

#include <QByteArray>
#include <QString>

namespace zarvel {

// The whole file at path into *bytes when it is an ordinary file of at most
// maxBytes. False otherwise, with *why in words for the player ("the file is
// not there", "you are not allowed to read it", "it is too large", ...).
bool ReadUserFile(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* why);

// "12.5 MB", "980 KB": a file size as a player reads it.
QString SizeText(qint64 bytes);

}  // namespace zarvel
