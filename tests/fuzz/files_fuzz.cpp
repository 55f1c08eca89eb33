// Crafted pictures and sounds for the game's loaders: valid files of every
// accepted kind, the same with their headers and bodies mutated, and the
// files an attacker or a careless user would offer (a picture format that
// runs scripts, sizes in the gigabytes, a pipe, a device). Each is loaded
// as the game loads it, and each sound the game accepts is played on the
// sound server. Any crash or sanitizer report fails the run; so does a
// valid file refused, or a load that is not given up on in time.
//
// Usage: files_fuzz DIR [SEED] [MUTANTS]
// Leaves the crafted files in DIR/pictures and DIR/sounds, for the game's
// starts to be given as its background and sounds.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <sys/stat.h>

#include "PictureLoader.h"
#include "SoundPlayer.h"
#include "WaveFile.h"

namespace {

using namespace zarvel;

int failures = 0;
void Fail(const QString& what) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    ++failures;
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) Fail("cannot write " + path);
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray Le(quint32 v, int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray Wave(quint16 channels, quint32 rate, quint16 bits, int frames, quint16 tag = 1) {
    const quint16 align = quint16(channels * bits / 8);
    QByteArray pcm;
    for (int i = 0; i < frames * align; ++i) pcm.append(char((i * 37) & 0x7F));
    return "RIFF" + Le(quint32(36 + pcm.size()), 4) + "WAVEfmt " + Le(16, 4) + Le(tag, 2) + Le(channels, 2) + Le(rate, 4) +
           Le(rate * align, 4) + Le(align, 2) + Le(bits, 2) + "data" + Le(quint32(pcm.size()), 4) + pcm;
}

// A copy with a few bytes changed, most often in the header, where a
// parser makes its decisions.
QByteArray Mutated(QByteArray b, QRandomGenerator& rng) {
    if (b.isEmpty()) return b;
    const int edits = 1 + int(rng.bounded(4));
    for (int e = 0; e < edits; ++e) {
        const qsizetype span = rng.bounded(4) == 0 ? b.size() : std::min<qsizetype>(b.size(), 64);
        const qsizetype at = qsizetype(rng.bounded(quint32(span)));
        switch (rng.bounded(6)) {
            case 0: b[at] = char(rng.bounded(256)); break;
            case 1: b[at] = char(b[at] ^ (1 << rng.bounded(8))); break;
            case 2: b[at] = char(rng.bounded(2) ? 0xFF : 0x00); break;
            case 3: b.truncate(at + 1); break;
            case 4: b.insert(at, QByteArray(int(rng.bounded(16)) + 1, char(rng.bounded(256)))); break;
            case 5: b.remove(at, std::min<qsizetype>(b.size() - at, qsizetype(rng.bounded(16)) + 1)); break;
        }
    }
    return b;
}

void Sparse(const QString& path, const QByteArray& start, qint64 size) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(start) != start.size() || !f.resize(size))
        Fail("cannot make " + path);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: files_fuzz DIR [SEED] [MUTANTS]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const quint32 seed = argc > 2 ? quint32(std::atoi(argv[2])) : 1;
    const int mutants = argc > 3 ? std::atoi(argv[3]) : 150;
    QRandomGenerator rng(seed);
    const QString pictures = dir.filePath("pictures"), sounds = dir.filePath("sounds");
    QDir().mkpath(pictures);
    QDir().mkpath(sounds);

    // ---- pictures ----------------------------------------------------------
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QList<QPair<QString, QByteArray>> valid{{"ok.jpg", Encoded(image, "JPEG")},
                                            {"ok.png", Encoded(image, "PNG")},
                                            {"ok.bmp", Encoded(image, "BMP")}};
    QFile gif(":/custom/204");  // the carried GIF
    if (gif.open(QIODevice::ReadOnly)) valid.append({"ok.gif", gif.readAll()});
    for (const auto& [name, bytes] : valid) Put(pictures + "/" + name, bytes);
    Put(pictures + "/svg.jpg", "<svg xmlns='http://www.w3.org/2000/svg' width='40000' height='40000'>"
                               "<rect width='100%' height='100%' fill='red'/></svg>");
    Put(pictures + "/xpm.jpg", "/* XPM */\nstatic char *x[] = {\"30000 30000 1 1\", \"a c red\"};\n");
    Put(pictures + "/gif-huge.gif", "GIF89a" + Le(65535, 2) + Le(65535, 2) + QByteArray("\0\0\0\x2C", 4) + Le(0, 4) +
                                        Le(65535, 2) + Le(65535, 2) + QByteArray("\0\x08\x02\0\x01\0\x3B", 7));
    Sparse(pictures + "/sparse.jpg", valid[0].second, qint64(8) << 30);
    mkfifo(QFile::encodeName(pictures + "/fifo.jpg").constData(), 0600);
    QFile::link("/dev/zero", pictures + "/zero.jpg");
    QFile::link(pictures + "/loop.jpg", pictures + "/loop.jpg");
    QDir().mkpath(pictures + "/folder.jpg");
    for (int i = 0; i < mutants; ++i) {
        const auto& [name, bytes] = valid[qsizetype(rng.bounded(quint32(valid.size())))];
        Put(pictures + QStringLiteral("/m%1-%2").arg(i).arg(name), Mutated(bytes, rng));
    }
    int shown = 0, refused = 0;
    for (const QFileInfo& f : QDir(pictures).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        QString why;
        const QImage picture = LoadPicture(f.filePath(), &why, 20000);
        if (why.contains("too long")) Fail(f.fileName() + ": not loaded within 20 s");
        if (f.fileName().startsWith("ok.") && picture.isNull()) Fail(f.fileName() + " refused: " + why);
        if (!picture.isNull() && qint64(picture.width()) * picture.height() > kMaxPicturePixels) Fail(f.fileName() + " too large");
        if (picture.isNull() && why.isEmpty()) Fail(f.fileName() + " refused without a reason");
        (picture.isNull() ? refused : shown)++;
    }
    std::printf("pictures: %d shown, %d refused\n", shown, refused);

    // ---- sounds ---------------------------------------------------------------
    const QList<QPair<QString, QByteArray>> waves{{"ok-mono16.wav", Wave(1, 22050, 16, 2205)},
                                                  {"ok-stereo8.wav", Wave(2, 8000, 8, 800)},
                                                  {"ok-stereo16.wav", Wave(2, 44100, 16, 4410)}};
    for (const auto& [name, bytes] : waves) Put(sounds + "/" + name, bytes);
    for (quint32 rate : {0u, 1u, 2u, 8u, 7999u, 192001u, 0xFFFFFFFFu})
        Put(sounds + QStringLiteral("/rate%1.wav").arg(rate), Wave(1, rate, 16, 100));
    Put(sounds + "/float.wav", Wave(1, 22050, 32, 100, 3));
    Put(sounds + "/six-channels.wav", Wave(6, 22050, 16, 100));
    Sparse(sounds + "/sparse.wav", waves[0].second, qint64(4) << 30);
    mkfifo(QFile::encodeName(sounds + "/fifo.wav").constData(), 0600);
    QFile::link("/dev/zero", sounds + "/zero.wav");
    for (int i = 0; i < mutants; ++i) {
        const auto& [name, bytes] = waves[qsizetype(rng.bounded(quint32(waves.size())))];
        Put(sounds + QStringLiteral("/m%1-%2").arg(i).arg(name), Mutated(bytes, rng));
    }
    SoundPlayer player;
    if (argc > 4) SoundPlayer::SetModuleDirectory(QString::fromLocal8Bit(argv[4]));
    const bool audible = player.Available();
    int played = 0, silent = 0;
    for (const QFileInfo& f : QDir(sounds).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        QString why;
        const std::optional<WaveSound> sound = ReadWave(f.filePath(), &why);
        if (f.fileName().startsWith("ok-") && !sound) Fail(f.fileName() + " refused: " + why);
        if (!sound) {
            ++silent;
            if (player.Play(f.filePath())) Fail(f.fileName() + " played though refused");
            continue;
        }
        // What every sound server takes, written out: not the reader's own limits.
        if (sound->sampleRate < 8000 || sound->sampleRate > 192000 || sound->channels < 1 ||
            sound->channels > 2 || (sound->bitsPerSample != 8 && sound->bitsPerSample != 16))
            Fail(f.fileName() + " accepted in a format the sound server may not take");
        if (sound->durationMs() > 3000) continue;  // plays a long time: checked, not heard
        // One at a time, as the game plays them.
        QElapsedTimer waited;
        waited.start();
        while (player.AnyPlaying() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        if (audible && !player.Play(f.filePath())) Fail(f.fileName() + " accepted but not played");
        ++played;
    }
    std::printf("sounds: %d played%s, %d silent\n", played, audible ? "" : " (no sound output: checked only)", silent);
    QElapsedTimer end;
    end.start();
    while (player.AnyPlaying() && end.elapsed() < 10000) QCoreApplication::processEvents();
    std::printf("%s\n", failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
