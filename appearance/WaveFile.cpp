#include "WaveFile.h"

#include <QCoreApplication>
#include <QtEndian>

#include "UserFile.h"

namespace zarvel {

namespace {

quint16 U16(QByteArrayView b, qsizetype at) { return qFromLittleEndian<quint16>(b.data() + at); }
quint32 U32(QByteArrayView b, qsizetype at) { return qFromLittleEndian<quint32>(b.data() + at); }

// The tail of the PCM sub-format's identifier in an extensible header.
constexpr char kPcmGuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

}  // namespace

qint64 WaveSound::durationMs() const {
    const qint64 bytesPerSecond = qint64(sampleRate) * bytesPerFrame();
    if (bytesPerSecond <= 0) return 0;
    return (qint64(pcm.size()) * 1000 + bytesPerSecond - 1) / bytesPerSecond;
}

std::optional<WaveSound> ParseWave(QByteArrayView bytes, QString* why) {
    const auto fail = [why](const QString& reason) -> std::optional<WaveSound> {
        if (why) *why = reason;
        return std::nullopt;
    };
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return fail(QCoreApplication::translate("WaveFile", "it is not a wave file"));

    WaveSound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    // Chunks one after another, each padded to an even length; every step
    // moves forward by at least eight bytes, so this ends.
    while (at + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = U32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qint64 left = bytes.size() - body;

        if (id == "fmt ") {
            if (size < 16 || size > left) return fail(QCoreApplication::translate("WaveFile", "its format header is damaged"));
            quint16 tag = U16(bytes, body);
            if (tag == 0xFFFE && size >= 40 && bytes.sliced(body + 26, 14) == QByteArrayView(kPcmGuidTail, 14))
                tag = U16(bytes, body + 24);  // extensible: the sub-format says
            sound.channels = U16(bytes, body + 2);
            sound.sampleRate = int(std::min<quint32>(U32(bytes, body + 4), 0x7FFFFFFF));
            const quint32 byteRate = U32(bytes, body + 8);
            const quint16 blockAlign = U16(bytes, body + 12);
            sound.bitsPerSample = U16(bytes, body + 14);
            if (tag != 1) return fail(QCoreApplication::translate("WaveFile", "it is compressed; only plain (PCM) wave files can be played"));
            if (sound.channels < 1 || sound.channels > 2)
                return fail(QCoreApplication::translate("WaveFile", "it has %1 channels; only mono and stereo can be played").arg(sound.channels));
            if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16)
                return fail(QCoreApplication::translate("WaveFile", "it has %1-bit samples; only 8 and 16 bits can be played").arg(sound.bitsPerSample));
            if (sound.sampleRate < kMinWaveRate || sound.sampleRate > kMaxWaveRate)
                return fail(QCoreApplication::translate("WaveFile", "its sample rate is %1 Hz; only %2 to %3 Hz can be played")
                                .arg(sound.sampleRate)
                                .arg(kMinWaveRate)
                                .arg(kMaxWaveRate));
            if (blockAlign != sound.bytesPerFrame() || byteRate != quint32(sound.sampleRate) * blockAlign)
                return fail(QCoreApplication::translate("WaveFile", "its format header contradicts itself"));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return fail(QCoreApplication::translate("WaveFile", "its sound comes before its format header"));
            if (size > left) return fail(QCoreApplication::translate("WaveFile", "the file is shorter than its header says (damaged or cut off)"));
            const qsizetype whole = qsizetype(size) - qsizetype(size) % sound.bytesPerFrame();
            if (whole <= 0) return fail(QCoreApplication::translate("WaveFile", "it holds no sound"));
            sound.pcm = bytes.sliced(body, whole).toByteArray();
            return sound;
        }
        if (size > left) break;
        at = body + qsizetype(size) + (size & 1);
    }
    return fail(haveFormat ? QCoreApplication::translate("WaveFile", "it holds no sound") : QCoreApplication::translate("WaveFile", "it has no format header"));
}

std::optional<WaveSound> ReadWave(const QString& path, QString* why) {
    QByteArray bytes;
    if (!ReadUserFile(path, kMaxWaveFileBytes, &bytes, why)) return std::nullopt;
    return ParseWave(bytes, why);
}

}  // namespace zarvel
