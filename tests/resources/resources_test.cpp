// Every file the game carries is present under its number, in the format and
// size the windows expect, and the sounds are the sounds of their events.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace {

QByteArray Resource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

struct Skin {
    const char* name;
    int code, width, height, bits;
};

// The game's skin list: code, face size and colour depth of each.
const Skin kSkins[16] = {
    {"Blue", 100, 29, 31, 4},     {"Clouds", 148, 29, 31, 24},  {"Marbles", 154, 29, 31, 24},
    {"Keys", 160, 32, 32, 24},    {"Billiards", 166, 29, 32, 24}, {"Patriot", 178, 29, 31, 24},
    {"Bubbles", 172, 29, 31, 24}, {"Computer", 184, 29, 31, 24}, {"Roman", 190, 29, 31, 24},
    {"Digi-1", 136, 29, 31, 4},   {"Digi-2", 142, 25, 25, 4},   {"Red", 106, 29, 31, 4},
    {"Purple", 112, 29, 31, 4},   {"Gray", 118, 29, 31, 4},     {"Black", 124, 29, 31, 4},
    {"Green", 130, 29, 31, 4},
};

int BmpBits(const QByteArray& bmp) { return bmp.size() > 30 ? qFromLittleEndian<quint16>(bmp.constData() + 28) : 0; }

TEST(Faces, EveryFaceOfEverySkinAtItsSizeAndDepth) {
    QSet<int> seen;
    for (const Skin& skin : kSkins) {
        QSet<QByteArray> faces;
        for (int v = 1; v <= 6; ++v) {
            const int id = skin.code + v;
            SCOPED_TRACE(QStringLiteral("%1 face %2 (bitmap %3)").arg(skin.name).arg(v).arg(id).toStdString());
            EXPECT_FALSE(seen.contains(id));
            seen.insert(id);
            const QByteArray bytes = Resource(QStringLiteral(":/bitmap/%1.bmp").arg(id));
            ASSERT_TRUE(bytes.startsWith("BM"));
            EXPECT_EQ(BmpBits(bytes), skin.bits);
            const QImage face = QImage::fromData(bytes, "BMP");
            ASSERT_FALSE(face.isNull());
            EXPECT_EQ(face.size(), QSize(skin.width, skin.height));
            faces.insert(bytes);
        }
        EXPECT_EQ(faces.size(), 6) << skin.name << ": two faces are the same picture";
    }
    EXPECT_EQ(seen.size(), 96);
}

TEST(Faces, NoTwoSkinsShareAFace) {
    QSet<QByteArray> ones;
    for (const Skin& skin : kSkins) ones.insert(Resource(QStringLiteral(":/bitmap/%1.bmp").arg(skin.code + 1)));
    EXPECT_EQ(ones.size(), 16);
}

TEST(Faces, MarkerAndDivider) {
    const QImage marker = QImage::fromData(Resource(":/bitmap/199.bmp"), "BMP");
    const QImage divider = QImage::fromData(Resource(":/bitmap/198.bmp"), "BMP");
    EXPECT_EQ(marker.size(), QSize(4, 4));
    EXPECT_EQ(divider.size(), QSize(5, 42));
}

// --- Sounds ---------------------------------------------------------------

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;  // -1..1
    double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
    double Peak(std::size_t from, std::size_t to) const {
        double peak = 0;
        for (std::size_t i = from; i < to && i < samples.size(); ++i) peak = std::max(peak, std::abs(samples[i]));
        return peak;
    }
    // Sign changes per second over [from, to): a rough pitch.
    double Crossings(std::size_t from, std::size_t to) const {
        int n = 0;
        for (std::size_t i = from + 1; i < to && i < samples.size(); ++i)
            if ((samples[i - 1] < 0) != (samples[i] < 0)) ++n;
        return n * double(rate) / double(to - from);
    }
};

// A strict reader: RIFF/WAVE with a fmt chunk before its data chunk.
Wave ReadWave(const QByteArray& b) {
    Wave w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return w;
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 4), quint32(b.size() - 8)) << "RIFF size";
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        const char* body = b.constData() + at + 8;
        if (at + 8 + qsizetype(size) > b.size()) break;
        if (id == "fmt ") {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = int(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data" && w.bits == 16) {
            for (quint32 i = 0; i + 1 < size; i += 2) w.samples.push_back(qFromLittleEndian<qint16>(body + i) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

TEST(Sounds, NineShortSixteenBitPcmWaves) {
    for (int id = 101; id <= 109; ++id) {
        SCOPED_TRACE(id);
        const Wave w = ReadWave(Resource(QStringLiteral(":/custom/%1").arg(id)));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.channels, 1);
        EXPECT_GE(w.rate, 11025);
        // Short enough never to lag behind play; loud enough to hear; not clipped.
        EXPECT_GT(w.Seconds(), 0.03);
        EXPECT_LT(w.Seconds(), 3.0);
        const double peak = w.Peak(0, w.samples.size());
        EXPECT_GT(peak, 0.3);
        EXPECT_LT(peak, 0.999);
        // Faded at both ends, so a sound cut off or started never clicks.
        ASSERT_GT(w.samples.size(), 20u);
        EXPECT_LT(std::abs(w.samples.front()), 0.02);
        EXPECT_LT(std::abs(w.samples.back()), 0.02);
    }
}

TEST(Sounds, EachFitsItsEvent) {
    auto wave = [](int id) { return ReadWave(Resource(QStringLiteral(":/custom/%1").arg(id))); };
    // A die moving is a click, shorter than any roll; the fanfare is the longest.
    const Wave move = wave(103), one = wave(101), several = wave(102), over = wave(108);
    EXPECT_LT(move.Seconds(), one.Seconds());
    EXPECT_LT(one.Seconds(), several.Seconds());
    for (int id = 101; id <= 109; ++id)
        if (id != 108) EXPECT_GE(over.Seconds(), wave(id).Seconds()) << id;
    // The bust falls: its first quarter is higher than its last.
    const Wave bust = wave(106);
    const std::size_t n = bust.samples.size();
    EXPECT_GT(bust.Crossings(0, n / 4), 1.3 * bust.Crossings(3 * n / 4, n));
}

// --- Pictures -------------------------------------------------------------

QString Format(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QString::fromLatin1(QImageReader::imageFormat(&buffer));
}

TEST(Pictures, ElevenBackgroundsOneOfThemGif) {
    QSet<QByteArray> distinct;
    for (int id = 201; id <= 211; ++id) {
        SCOPED_TRACE(id);
        const QByteArray bytes = Resource(QStringLiteral(":/custom/%1").arg(id));
        EXPECT_EQ(Format(bytes), id == 204 ? "gif" : "jpeg");
        // Loaded by content, as the game does for a ".jpg" that holds GIF data.
        const QImage picture = QImage::fromData(bytes);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(257, 321));
        distinct.insert(bytes);
    }
    EXPECT_EQ(distinct.size(), 11);
}

TEST(Pictures, WinnerAboutAndIcon) {
    for (const char* path : {":/picture/congrats.png", ":/picture/about-die1.png", ":/picture/about-die2.png",
                             ":/icon/zarvel.png"}) {
        SCOPED_TRACE(path);
        const QImage picture = QImage::fromData(Resource(QString::fromLatin1(path)), "PNG");
        ASSERT_FALSE(picture.isNull());
        EXPECT_GE(picture.width(), 32);
    }
    const QImage icon = QImage::fromData(Resource(":/icon/zarvel.png"), "PNG");
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_TRUE(icon.hasAlphaChannel());
}

}  // namespace

int main(int argc, char** argv) {
    // Image format plugins are found through the application.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
