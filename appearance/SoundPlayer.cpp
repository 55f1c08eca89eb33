#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "WaveBackend.h"

#include <sys/stat.h>

namespace zarvel {

namespace {

QString& ModuleDirectory() {
    static QString dir;
    return dir;
}

// Beside the program (a build), then where an installation puts it.
QStringList ModuleCandidates() {
    const QString name = QStringLiteral("zarvel-sound");
    QStringList dirs;
    if (!ModuleDirectory().isEmpty()) dirs << ModuleDirectory();
    const QString app = QCoreApplication::applicationDirPath();
    dirs << app << app + QStringLiteral("/../lib/zarvel");
    QStringList paths;
    for (const QString& d : dirs) paths << d + u'/' + name;
    return paths;
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::SetModuleDirectory(const QString& dir) { ModuleDirectory() = dir; }

void SoundPlayer::Preload() {
    if (tried_) return;
    tried_ = true;
    for (const QString& path : ModuleCandidates()) {
        QLibrary module(path);
        // The module stays loaded for the rest of the run: its objects live on.
        auto create = reinterpret_cast<WaveBackend* (*)()>(module.resolve(ZARVEL_WAVE_BACKEND_ENTRY));
        if (!create) continue;
        backend_.reset(create());
        return;
    }
}

bool SoundPlayer::Available() {
    Preload();
    return backend_ != nullptr;
}

bool SoundPlayer::AnyPlaying() const { return backend_ && backend_->AnyPlaying(); }

const WaveSound* SoundPlayer::Load(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        loaded_.remove(path);
        return nullptr;
    }
    const qint64 modified = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    auto it = loaded_.find(path);
    if (it == loaded_.end() || it->size != st.st_size || it->modified != modified || it->inode != qint64(st.st_ino)) {
        // A handful of event sounds are in use at a time; anything beyond
        // that is a player trying files, and need not be kept.
        if (loaded_.size() >= 16) loaded_.clear();
        it = loaded_.insert(path, {st.st_size, modified, qint64(st.st_ino), ReadWave(path)});
    }
    return it->sound ? &*it->sound : nullptr;
}

bool SoundPlayer::Play(const QString& path) {
    if (path.isEmpty() || !Available() || backend_->AnyPlaying()) return false;
    const WaveSound* sound = Load(path);
    if (!sound) return false;
    return backend_->Play(sound->pcm, sound->sampleRate, sound->channels, sound->bitsPerSample, sound->durationMs());
}

}  // namespace zarvel
