#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "WaveBackend.h"

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

bool SoundPlayer::Play(const QString& path) {
    if (path.isEmpty() || !Available() || backend_->AnyPlaying()) return false;
    return backend_->Play(path);
}

}  // namespace zarvel
