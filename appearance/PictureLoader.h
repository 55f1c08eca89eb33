// Background pictures from files the game does not control. Only the
// formats a player expects (BMP, JPEG, GIF, PNG), recognised by their
// content; the size on disk and the size in the header are checked before
// anything is decoded, and decoding runs on a thread of its own, so a
// crafted or huge file can neither hang the game nor exhaust its memory.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

namespace zarvel {

inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixels = 40'000'000;
// A picture wider or taller than this is kept scaled down to it: far more
// than the window shows, at a fraction of the memory.
inline constexpr int kMaxKeptPictureSide = 4096;

// How long a caller waits for a picture: in a tray, and at start-up,
// which shows no picture rather than wait longer.
inline constexpr int kPictureWaitMs = 2000;
inline constexpr int kStartupPictureWaitMs = 500;

// The picture in bytes, or a null image with *why in words for the player.
QImage DecodePicture(const QByteArray& bytes, QString* why = nullptr);

// The picture in the file at path, read and decoded on another thread and
// waited for at most waitMs. A null image, with *why, when it is not there,
// cannot be read, is not a picture of those formats, is too large, or took
// too long.
QImage LoadPicture(const QString& path, QString* why = nullptr, int waitMs = kPictureWaitMs);

// Run on the decoding thread before each picture is read: lets a test hold
// a decode back as a slow one would be. Empty by default.
void SetPictureDecodeHook(std::function<void()> hook);

}  // namespace zarvel
