// A wave file read and checked by the game itself before any sound library
// sees it: only plain PCM that a sound server plays without surprises is
// accepted, so a crafted or damaged file is silent instead of fatal.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace zarvel {

struct WaveSound {
    QByteArray pcm;  // the samples, whole frames only
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    // How long the samples take to play, in milliseconds (rounded up).
    qint64 durationMs() const;
};

// What is accepted. A larger file is refused from its size on disk, before
// a byte of it is read.
inline constexpr qint64 kMaxWaveFileBytes = 16 * 1024 * 1024;
inline constexpr int kMinWaveRate = 8000;
inline constexpr int kMaxWaveRate = 192000;

// The sound in a wave file's bytes, or nothing with *why saying what is
// wrong, in words for the player.
std::optional<WaveSound> ParseWave(QByteArrayView bytes, QString* why = nullptr);

// The sound in the file at path: only an ordinary file of at most
// kMaxWaveFileBytes is read. Nothing, with *why, when it cannot be played.
std::optional<WaveSound> ReadWave(const QString& path, QString* why = nullptr);

}  // namespace zarvel
