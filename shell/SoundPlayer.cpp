#include "SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zarvel {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::AnyPlaying() const {
    for (const QSoundEffect* e : effects_)
        if (e->isPlaying()) return true;
    return false;
}

bool SoundPlayer::Play(const QString& path) {
    if (path.isEmpty() || AnyPlaying()) return false;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return false;
    // Keyed by the canonical path, so a file chosen again under another
    // spelling reuses its loaded effect.
    const QString key = info.canonicalFilePath();
    QSoundEffect* effect = effects_.value(key);
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(key));
        effects_.insert(key, effect);
    }
    if (effect->status() == QSoundEffect::Error) return false;
    effect->play();  // plays once loaded when it is still loading
    return true;
}

}  // namespace zarvel
