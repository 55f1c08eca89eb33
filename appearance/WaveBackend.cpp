// Samples played on the sound server through its client library, one
// stream per sound, on one connection that the library's own thread serves.
//
// Whether a sound is playing is decided here, from the sound's own length.
// Its stream is closed once the server has played it out, or a second past
// its length when the server is slow to say so, so a stalled server cannot
// gather open streams. The multimedia library was not used for this: its
// effects reused one stream per file and, on a PulseAudio server, stayed
// "playing" for good after a few sounds; its audio sinks, opened and closed
// from a thread, now and then aborted the program inside the library. Here
// every call to the server is made under the connection thread's lock.
// That thread keeps the samples flowing while the game pauses its own
// thread between the frames of a roll.
#include "WaveBackend.h"

#include <pulse/context.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace zarvel {
namespace {

using Clock = std::chrono::steady_clock;

// A sound counts as playing this long past its last sample: the server's
// own delay before the first sample is heard.
constexpr std::chrono::milliseconds kLatencyMargin{40};
// How long past its last sample a sound's stream may stay open waiting for
// the server to report it played out.
constexpr pa_usec_t kPlayOutLimitUsec = 1'000'000;
// The stream's buffer on the server: short, so a sound starts at once and
// is reported played soon after its last sample.
constexpr pa_usec_t kServerBufferUsec = 100'000;
// Sounds kept while the connection is still being made.
constexpr size_t kMaxWaiting = 2;
// Streams open at once; more means the server has stopped playing them.
constexpr size_t kMaxStreams = 16;

struct Sound {
    QByteArray pcm;
    pa_sample_spec format{};
    qint64 durationMs = 0;
    quint64 id = 0;
    Clock::time_point asked;
};

class PulseBackend;

// One sound on its way through the server.
struct Stream {
    PulseBackend* backend = nullptr;
    Sound sound;
    pa_stream* stream = nullptr;
    pa_time_event* limit = nullptr;
    pa_operation* drain = nullptr;
    qsizetype written = 0;
};

class PulseBackend final : public WaveBackend {
public:
    PulseBackend() {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_) return;
        pa_threaded_mainloop_lock(loop_);
        Connect();
        const bool started = pa_threaded_mainloop_start(loop_) == 0;
        pa_threaded_mainloop_unlock(loop_);
        if (!started) {
            Disconnect();
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
        }
    }

    ~PulseBackend() override {
        if (!loop_) return;
        pa_threaded_mainloop_lock(loop_);
        while (!streams_.empty()) Close(*streams_.begin());
        Disconnect();
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    bool AnyPlaying() const override {
        std::lock_guard lock(mutex_);
        return Clock::now() < playingUntil_;
    }

    bool Play(const QByteArray& pcm, int sampleRate, int channels, int bitsPerSample, qint64 durationMs) override {
        if (!loop_ || pcm.isEmpty() || durationMs <= 0 || sampleRate <= 0 || channels <= 0) return false;
        if (bitsPerSample != 8 && bitsPerSample != 16) return false;
        Sound sound{pcm, {}, durationMs, 0, {}};
        sound.format.format = bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
        sound.format.rate = uint32_t(sampleRate);
        sound.format.channels = uint8_t(channels);
        if (!pa_sample_spec_valid(&sound.format)) return false;
        {
            std::lock_guard lock(mutex_);
            const Clock::time_point now = Clock::now();
            if (now < playingUntil_) return false;
            sound.id = ++lastId_;
            sound.asked = now;
            playingUntil_ = now + std::chrono::milliseconds(durationMs) + kLatencyMargin;
        }
        pa_threaded_mainloop_lock(loop_);
        const bool taken = Start(std::move(sound));
        pa_threaded_mainloop_unlock(loop_);
        return taken;
    }

private:
    // Everything below runs under the connection thread's lock.

    void Connect() {
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Zarvel");
        if (!context_) return;
        pa_context_set_state_callback(context_, &PulseBackend::OnContextState, this);
        // A game does not start a sound server of its own.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) Disconnect();
    }

    void Disconnect() {
        if (!context_) return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    // The sound did not play: the next one need not wait for it.
    void Failed(quint64 id) {
        std::lock_guard lock(mutex_);
        if (id == lastId_) playingUntil_ = Clock::time_point();
    }

    // False when the sound was dropped at once.
    bool Start(Sound sound) {
        const pa_context_state_t state = context_ ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
        if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED) {
            // The server went away (or was never there): try again, once
            // per sound, as a restarted server should be heard.
            Disconnect();
            Connect();
            if (!context_) return Dropped(sound.id);
        }
        if (pa_context_get_state(context_) != PA_CONTEXT_READY) {
            // The newest sounds are the ones worth hearing once it is made.
            if (waiting_.size() >= kMaxWaiting) {
                Failed(waiting_.front().id);
                waiting_.pop_front();
            }
            waiting_.push_back(std::move(sound));
            return true;
        }
        return Open(std::move(sound));
    }

    bool Dropped(quint64 id) {
        Failed(id);
        return false;
    }

    bool Open(Sound sound) {
        if (streams_.size() >= kMaxStreams) return Dropped(sound.id);
        pa_stream* s = pa_stream_new(context_, "Game sound", &sound.format, nullptr);
        if (!s) return Dropped(sound.id);
        auto* st = new Stream{this, std::move(sound), s, nullptr, nullptr, 0};
        streams_.insert(st);
        pa_stream_set_state_callback(s, &PulseBackend::OnStreamState, st);
        pa_stream_set_write_callback(s, &PulseBackend::OnWritable, st);
        pa_buffer_attr buffer{};
        buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = uint32_t(-1);  // the server's own
        buffer.tlength = uint32_t(pa_usec_to_bytes(kServerBufferUsec, &st->sound.format));
        if (pa_stream_connect_playback(s, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
            const quint64 id = st->sound.id;
            Close(st);
            return Dropped(id);
        }
        st->limit = pa_context_rttime_new(context_,
                                          pa_rtclock_now() + pa_usec_t(st->sound.durationMs) * 1000 + kPlayOutLimitUsec,
                                          &PulseBackend::OnLimit, st);
        return true;
    }

    void Close(Stream* st) {
        if (!streams_.erase(st)) return;
        if (st->drain) {
            pa_operation_cancel(st->drain);
            pa_operation_unref(st->drain);
        }
        if (st->limit) pa_threaded_mainloop_get_api(loop_)->time_free(st->limit);
        pa_stream_set_state_callback(st->stream, nullptr, nullptr);
        pa_stream_set_write_callback(st->stream, nullptr, nullptr);
        const pa_stream_state_t state = pa_stream_get_state(st->stream);
        if (state == PA_STREAM_CREATING || state == PA_STREAM_READY) pa_stream_disconnect(st->stream);
        pa_stream_unref(st->stream);
        delete st;
    }

    // Gives up the connection and everything on it: the server drops our
    // streams with it, even those it has not yet answered for.
    void Reset() {
        for (const Sound& sound : waiting_) Failed(sound.id);
        waiting_.clear();
        std::vector<Stream*> open(streams_.begin(), streams_.end());
        for (Stream* st : open) Close(st);
        Disconnect();
    }

    static void OnContextState(pa_context* c, void* self) {
        auto* b = static_cast<PulseBackend*>(self);
        const pa_context_state_t state = pa_context_get_state(c);
        if (state == PA_CONTEXT_READY) {
            // A sound asked for long ago is not worth hearing late.
            const Clock::time_point stale =
                Clock::now() - std::chrono::microseconds(kPlayOutLimitUsec);
            std::deque<Sound> waiting;
            waiting.swap(b->waiting_);
            for (Sound& sound : waiting)
                if (sound.asked < stale)
                    b->Failed(sound.id);
                else
                    b->Open(std::move(sound));
        } else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED) {
            b->Reset();
        }
    }

    static void OnStreamState(pa_stream* s, void* data) {
        auto* st = static_cast<Stream*>(data);
        const pa_stream_state_t state = pa_stream_get_state(s);
        if (state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED) return;
        PulseBackend* b = st->backend;
        const quint64 id = st->sound.id;
        const bool nothingPlayed = st->written == 0;
        b->Close(st);
        if (nothingPlayed) b->Failed(id);
    }

    // Hands the server as much of the sound as it asks for; once all of it
    // is there, asks to hear when it has been played.
    static void OnWritable(pa_stream* s, size_t wanted, void* data) {
        auto* st = static_cast<Stream*>(data);
        const qsizetype left = st->sound.pcm.size() - st->written;
        const size_t n = std::min(wanted, size_t(left));
        // A stream that fails here is closed by its state's change or, at
        // the latest, by its time limit: never from inside this call.
        if (n > 0) {
            // The library copies the samples.
            if (pa_stream_write(s, st->sound.pcm.constData() + st->written, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
            st->written += qsizetype(n);
        }
        if (st->written == st->sound.pcm.size() && !st->drain) {
            pa_stream_set_write_callback(s, nullptr, nullptr);
            st->drain = pa_stream_drain(s, &PulseBackend::OnDrained, st);
        }
    }

    static void OnDrained(pa_stream*, int, void* data) {
        auto* st = static_cast<Stream*>(data);
        pa_operation_unref(st->drain);
        st->drain = nullptr;
        st->backend->Close(st);
    }

    static void OnLimit(pa_mainloop_api* api, pa_time_event* e, const struct timeval*, void* data) {
        auto* st = static_cast<Stream*>(data);
        api->time_free(e);
        st->limit = nullptr;
        // A stream the server has not even answered for cannot be closed on
        // its own (the server would keep it): the server has stalled, and
        // the connection is given up with everything on it.
        if (pa_stream_get_state(st->stream) == PA_STREAM_CREATING)
            st->backend->Reset();
        else
            st->backend->Close(st);
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    std::deque<Sound> waiting_;  // until the connection is made
    std::unordered_set<Stream*> streams_;

    // What the game's thread asks without the connection's lock.
    mutable std::mutex mutex_;
    Clock::time_point playingUntil_;
    quint64 lastId_ = 0;
};

}  // namespace
}  // namespace zarvel

extern "C" Q_DECL_EXPORT zarvel::WaveBackend* zarvel_create_wave_backend_v2() { return new zarvel::PulseBackend; }
