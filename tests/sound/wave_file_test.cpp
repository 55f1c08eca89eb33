// The game's own reading of wave files: what it accepts is plain PCM that
// any sound server plays; everything else is refused with a reason, before
// the sound library could see it.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "WaveFile.h"
#include "WaveMaker.h"

namespace zarvel::test {
namespace {

QString Why(const QByteArray& bytes) {
    QString why;
    EXPECT_FALSE(ParseWave(bytes, &why).has_value());
    EXPECT_FALSE(why.isEmpty());
    return why;
}

TEST(WaveFile, PlainPcmIsAcceptedWithItsFormatAndLength) {
    for (const WaveHeader& h : {WaveHeader{}, WaveHeader{.channels = 2, .rate = 8000, .bits = 8},
                                WaveHeader{.channels = 2, .rate = 192000}}) {
        const std::optional<WaveSound> s = ParseWave(Wave(h, 250));
        ASSERT_TRUE(s.has_value()) << h.rate;
        EXPECT_EQ(s->sampleRate, int(h.rate));
        EXPECT_EQ(s->channels, h.channels);
        EXPECT_EQ(s->bitsPerSample, h.bits);
        EXPECT_EQ(s->pcm, Tone(h, 250));
        EXPECT_EQ(s->durationMs(), 250);
    }
    // Chunks before and between the headers are skipped, odd ones with
    // their pad byte; a half frame at the end is dropped.
    QByteArray wave = Wave({}, 100);
    const QByteArray list = QByteArray("LIST") + QByteArray("\x03\x00\x00\x00" "abc\0", 8);
    wave.insert(12, list);
    wave.insert(12 + list.size() + 24, list);
    wave.append('\x01');
    wave[12 + 2 * list.size() + 28] = char(wave[12 + 2 * list.size() + 28] + 1);  // data size + 1
    const std::optional<WaveSound> s = ParseWave(wave);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->pcm, Tone({}, 100));
}

TEST(WaveFile, WhatASoundServerMightChokeOnIsRefused) {
    // Rates that crashed the sound library: refused, like any rate outside
    // 8000 to 192000.
    for (quint32 rate : {0u, 1u, 2u, 8u, 7999u, 192001u, 0xFFFFFFFFu})
        EXPECT_TRUE(Why(Wave({.rate = rate}, QByteArray(400, 0))).contains(QString::number(std::min<quint32>(rate, 0x7FFFFFFF))))
            << rate;
    EXPECT_TRUE(Why(Wave({.channels = 0})).contains("channels"));
    EXPECT_TRUE(Why(Wave({.channels = 3})).contains("channels"));
    EXPECT_TRUE(Why(Wave({.bits = 24})).contains("24"));
    EXPECT_TRUE(Why(Wave({.tag = 3})).contains("compressed"));  // floating point
    EXPECT_TRUE(Why(Wave({.byteRate = 1})).contains("contradicts"));
    EXPECT_TRUE(Why(Wave({.blockAlign = 0})).contains("contradicts"));
    EXPECT_TRUE(Why(Wave({.dataSize = 0})).contains("no sound"));
    EXPECT_TRUE(Why(Wave({.dataSize = 0xFFFFFFFF})).contains("shorter"));
    EXPECT_TRUE(Why(Wave({}, 100).chopped(1)).contains("shorter"));
    EXPECT_TRUE(Why("RIFF").contains("not a wave"));
    EXPECT_TRUE(Why(QByteArray(64, '\0')).contains("not a wave"));
    EXPECT_TRUE(Why(Wave().left(20)).contains("format"));
    // A data chunk before any format header, and a format header cut short.
    QByteArray early = Wave();
    early.remove(12, 24);
    EXPECT_TRUE(Why(early).contains("before"));
    QByteArray shortFormat = Wave();
    shortFormat[16] = 8;
    EXPECT_FALSE(ParseWave(shortFormat).has_value());
}

TEST(WaveFile, OnlyOrdinaryFilesOfBoundedSizeAreRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString why;

    EXPECT_FALSE(ReadWave(dir.filePath("missing.wav"), &why));
    EXPECT_TRUE(why.contains("not there")) << why.toStdString();

    // Four gigabytes that take no room: refused from the size alone.
    const QString huge = dir.filePath("huge.wav");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Wave());
        ASSERT_TRUE(f.resize(qint64(4) << 30));
    }
    EXPECT_FALSE(ReadWave(huge, &why));
    EXPECT_TRUE(why.contains("too large")) << why.toStdString();

    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.wav")).constData(), 0600), 0);
    EXPECT_FALSE(ReadWave(dir.filePath("pipe.wav"), &why));  // would wait for a writer if opened plainly
    EXPECT_TRUE(why.contains("not an ordinary file")) << why.toStdString();
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.wav")));
    EXPECT_FALSE(ReadWave(dir.filePath("zero.wav"), &why));
    EXPECT_TRUE(why.contains("not an ordinary file")) << why.toStdString();
    EXPECT_FALSE(ReadWave(dir.path(), &why));
    EXPECT_TRUE(why.contains("folder")) << why.toStdString();

    const QString good = dir.filePath("good.wav");
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Wave());
    }
    EXPECT_TRUE(ReadWave(good).has_value());
    if (geteuid() != 0) {  // root reads whatever the permissions say
        ASSERT_EQ(chmod(QFile::encodeName(good).constData(), 0), 0);
        EXPECT_FALSE(ReadWave(good, &why));
        EXPECT_TRUE(why.contains("permission")) << why.toStdString();
    }
}

}  // namespace
}  // namespace zarvel::test
