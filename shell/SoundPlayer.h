// Wave files played without waiting: a sound still playing is not cut off
// (the new one is skipped), and a missing or unreadable file is silent.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

class QSoundEffect;

namespace zarvel {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // False when nothing was started: a sound is playing, or no such file.
    bool Play(const QString& path);
    bool AnyPlaying() const;

private:
    QHash<QString, QSoundEffect*> effects_;
};

}  // namespace zarvel
