// Wave files played without waiting: a sound still playing is not cut off
// (the new one is skipped), and a missing, empty or unreadable file, one
// the game does not accept (WaveFile.h), or a machine without sound, is
// silent.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "WaveFile.h"

namespace zarvel {

class WaveBackend;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // False when nothing was started: a sound is playing, no such file, or
    // no sound output.
    bool Play(const QString& path);
    bool AnyPlaying() const;

    // Loads the sound output now rather than at the first sound; the game
    // calls it once its window is up.
    void Preload();
    // Whether sound output could be loaded (loads it if not yet tried).
    bool Available();

    // Where the sound module is looked for before the program's own
    // folders; the tests point it at their build.
    static void SetModuleDirectory(const QString& dir);

private:
    // A file as it was last read, kept while it is unchanged on disk, so a
    // sound heard on every roll is not read and checked on every roll.
    struct Loaded {
        qint64 size = -1, modified = -1, inode = -1;
        std::optional<WaveSound> sound;  // nothing: the file cannot be played
    };
    const WaveSound* Load(const QString& path);

    QHash<QString, Loaded> loaded_;
    std::unique_ptr<WaveBackend> backend_;
    bool tried_ = false;
};

}  // namespace zarvel
