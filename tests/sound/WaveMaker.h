// Wave files made to order: a header with any values, and samples.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cmath>

namespace zarvel::test {

struct WaveHeader {
    quint16 tag = 1;  // PCM
    quint16 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    qint64 byteRate = -1;    // -1: what the other values give
    qint64 blockAlign = -1;  // -1: what the other values give
    qint64 dataSize = -1;    // -1: the samples' length
};

inline void Put16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
inline void Put32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

// A tone of `ms` milliseconds at half the loudest level, in the header's format.
inline QByteArray Tone(const WaveHeader& h, int ms) {
    QByteArray pcm;
    const qint64 frames = qint64(h.rate) * ms / 1000;
    for (qint64 i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 440 * double(i) / std::max<quint32>(h.rate, 1));
        for (int c = 0; c < h.channels; ++c) {
            if (h.bits == 8)
                pcm.append(char(quint8(128 + v * 127)));
            else
                Put16(pcm, quint16(qint16(v * 32767)));
        }
    }
    return pcm;
}

inline QByteArray Wave(const WaveHeader& h, const QByteArray& pcm) {
    const quint16 align = h.blockAlign >= 0 ? quint16(h.blockAlign) : quint16(h.channels * h.bits / 8);
    QByteArray b("RIFF");
    Put32(b, quint32(36 + pcm.size()));
    b += "WAVEfmt ";
    Put32(b, 16);
    Put16(b, h.tag);
    Put16(b, h.channels);
    Put32(b, h.rate);
    Put32(b, h.byteRate >= 0 ? quint32(h.byteRate) : h.rate * align);
    Put16(b, align);
    Put16(b, h.bits);
    b += "data";
    Put32(b, h.dataSize >= 0 ? quint32(h.dataSize) : quint32(pcm.size()));
    return b + pcm;
}

inline QByteArray Wave(const WaveHeader& h = {}, int ms = 200) { return Wave(h, Tone(h, ms)); }

}  // namespace zarvel::test
