// Samples played through the multimedia library's audio sinks, one sink per
// sound, in a thread of their own.
//
// Whether a sound is playing is decided here, from the sound's own length,
// and its stream is closed once it has been played out. The library's
// sound effects were not used for this: they reuse one stream per file and
// count as playing until the sound server reports the stream idle, which on
// a PulseAudio server came late or, after a few sounds, never, so every
// later sound was refused as "still playing" while a stream stayed open.
// The thread keeps the samples flowing while the game pauses its own
// thread between the frames of a roll.
#include "WaveBackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <memory>

namespace zarvel {
namespace {

using Clock = std::chrono::steady_clock;

// How long past a sound's last sample its stream stays open, so the sound
// server plays it to the end before the stream is closed.
constexpr std::chrono::milliseconds kPlayOutMargin{400};
// A sound counts as playing this long past its last sample: the server's
// own delay before the first sample is heard.
constexpr std::chrono::milliseconds kLatencyMargin{40};
// Sounds handed to the thread but not yet started; more means the sound
// server has stopped answering, and further sounds are dropped, not queued.
constexpr int kMaxWaiting = 2;

// What the game's thread and the sound thread share. Held by both, so a
// sound thread that outlives the backend (a hung sound server) still finds it.
struct Shared {
    QMutex mutex;
    Clock::time_point playingUntil;
    int waiting = 0;
    quint64 lastId = 0;

    // The sound did not start: the next one need not wait for it.
    void Failed(quint64 id) {
        QMutexLocker lock(&mutex);
        if (id == lastId) playingUntil = Clock::time_point();
    }
};

// In the sound thread: opens a stream for the samples and closes it once
// they have been played out. The sinks are children of owner.
void Start(QObject* owner, const std::shared_ptr<Shared>& shared, const QByteArray& pcm, const QAudioFormat& format,
           std::chrono::milliseconds openFor, quint64 id) {
    {
        QMutexLocker lock(&shared->mutex);
        --shared->waiting;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return shared->Failed(id);
    auto* sink = new QAudioSink(device, format, owner);
    // The data belongs to its sink, so it outlives the sink's own end,
    // which still reads from it.
    auto* source = new QBuffer(sink);
    source->setData(pcm);
    source->open(QIODevice::ReadOnly);
    const auto release = [sink] {
        sink->stop();
        sink->deleteLater();
    };
    sink->start(source);
    if (sink->error() == QAudio::OpenError || sink->error() == QAudio::FatalError ||
        sink->state() == QAudio::StoppedState) {
        release();
        return shared->Failed(id);
    }
    QTimer::singleShot(openFor, owner, release);
}

class SinkBackend final : public WaveBackend {
public:
    SinkBackend() {
        // Connects to the sound server now, on the game's thread, rather
        // than with the first sound.
        QMediaDevices::defaultAudioOutput();
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("zarvel-sound"));
        owner_ = new QObject;
        owner_->moveToThread(thread_);
        QObject::connect(thread_, &QThread::finished, owner_, &QObject::deleteLater);
        thread_->start();
    }

    ~SinkBackend() override {
        thread_->quit();
        // A sound server that hangs must not hang the game's end: the
        // thread is then left to the end of the process.
        if (thread_->wait(2000)) delete thread_;
    }

    bool AnyPlaying() const override {
        QMutexLocker lock(&shared_->mutex);
        return Clock::now() < shared_->playingUntil;
    }

    bool Play(const QByteArray& pcm, int sampleRate, int channels, int bitsPerSample, qint64 durationMs) override {
        if (pcm.isEmpty() || durationMs <= 0) return false;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(channels);
        format.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        if (!format.isValid()) return false;

        quint64 id = 0;
        {
            QMutexLocker lock(&shared_->mutex);
            const Clock::time_point now = Clock::now();
            if (now < shared_->playingUntil || shared_->waiting >= kMaxWaiting) return false;
            ++shared_->waiting;
            id = ++shared_->lastId;
            shared_->playingUntil = now + std::chrono::milliseconds(durationMs) + kLatencyMargin;
        }
        const auto openFor = std::chrono::milliseconds(durationMs) + kPlayOutMargin;
        QObject* owner = owner_;
        QMetaObject::invokeMethod(
            owner_, [owner, shared = shared_, pcm, format, openFor, id] { Start(owner, shared, pcm, format, openFor, id); },
            Qt::QueuedConnection);
        return true;
    }

private:
    QThread* thread_ = nullptr;
    QObject* owner_ = nullptr;  // lives in thread_; parent of the sinks
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

}  // namespace
}  // namespace zarvel

extern "C" Q_DECL_EXPORT zarvel::WaveBackend* zarvel_create_wave_backend_v2() { return new zarvel::SinkBackend; }
