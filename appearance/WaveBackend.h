// The part of sound output that talks to the sound server. It is built as
// a module of its own and loaded once the window is up, so the game's start
// does not wait for the server's client library. It only
// ever sees samples the game has read and checked itself (WaveFile.h).
#pragma once

#include <QByteArray>

namespace zarvel {

class WaveBackend {
public:
    virtual ~WaveBackend() = default;
    // Starts playing the samples (whole frames of 8-bit unsigned or 16-bit
    // signed PCM) and returns at once; false when nothing was started.
    virtual bool Play(const QByteArray& pcm, int sampleRate, int channels, int bitsPerSample, qint64 durationMs) = 0;
    // True from a sound's start until it has been played out.
    virtual bool AnyPlaying() const = 0;
};

}  // namespace zarvel

// The module's one entry point; its name changes with the interface, so a
// module of another build is never mistaken for this one.
extern "C" zarvel::WaveBackend* zarvel_create_wave_backend_v2();
#define ZARVEL_WAVE_BACKEND_ENTRY "zarvel_create_wave_backend_v2"
