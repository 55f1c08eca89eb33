// The part of sound output that needs the multimedia library. It is built
// as a module of its own and loaded when the first sound is due, so the
// game's start does not wait for that library and its many dependencies.
#pragma once

#include <QString>

namespace zarvel {

class WaveBackend {
public:
    virtual ~WaveBackend() = default;
    // Starts the file and returns; false when nothing was started.
    virtual bool Play(const QString& path) = 0;
    virtual bool AnyPlaying() const = 0;
};

}  // namespace zarvel

// The module's one entry point.
extern "C" zarvel::WaveBackend* zarvel_create_wave_backend();
#define ZARVEL_WAVE_BACKEND_ENTRY "zarvel_create_wave_backend"
