// Wave files through the multimedia library's sound effects.
#include "WaveBackend.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace zarvel {
namespace {

class SoundEffects final : public WaveBackend {
public:
    ~SoundEffects() override { qDeleteAll(effects_); }

    bool AnyPlaying() const override {
        for (const QSoundEffect* e : effects_)
            if (e->isPlaying()) return true;
        return false;
    }

    bool Play(const QString& path) override {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable() || info.size() == 0) return false;
        // Keyed by the canonical path, so a file chosen again under another
        // spelling reuses its loaded effect.
        const QString key = info.canonicalFilePath();
        QSoundEffect* effect = effects_.value(key);
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(key));
            effects_.insert(key, effect);
        }
        if (effect->status() == QSoundEffect::Error) return false;
        effect->play();  // plays once loaded when it is still loading
        return true;
    }

private:
    QHash<QString, QSoundEffect*> effects_;
};

}  // namespace
}  // namespace zarvel

extern "C" Q_DECL_EXPORT zarvel::WaveBackend* zarvel_create_wave_backend() { return new zarvel::SoundEffects; }
