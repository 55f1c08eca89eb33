// Every file the game carries is present under its number, in the format and
// size the windows expect, and the sounds are the sounds of their events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QSet>
#include <QtEndian>

#include "Catalogue.h"
#include "Contrast.h"
#include "GameTray.h"
#include "PictureBox.h"
#include "Table.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

QByteArray Resource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

int BmpBits(const QByteArray& bmp) { return bmp.size() > 30 ? qFromLittleEndian<quint16>(bmp.constData() + 28) : 0; }

TEST(Faces, EveryFaceOfEverySkinAtItsSizeAndDepth) {
    QSet<int> seen;
    QSet<QByteArray> ones;
    for (const zarvel::Skin& skin : zarvel::kSkins) {
        QSet<QByteArray> faces;
        for (int v = 1; v <= 6; ++v) {
            const int id = skin.code + v;
            SCOPED_TRACE(QStringLiteral("%1 face %2 (bitmap %3)").arg(skin.entry).arg(v).arg(id).toStdString());
            EXPECT_FALSE(seen.contains(id));
            seen.insert(id);
            const QByteArray bytes = Resource(QStringLiteral(":/bitmap/%1.bmp").arg(id));
            ASSERT_TRUE(bytes.startsWith("BM"));
            EXPECT_EQ(BmpBits(bytes), skin.sixteenColours ? 4 : 24);
            const QImage face = QImage::fromData(bytes, "BMP");
            ASSERT_FALSE(face.isNull());
            EXPECT_EQ(face.size(), QSize(skin.width, skin.height));
            faces.insert(bytes);
            if (v == 1) ones.insert(bytes);
        }
        EXPECT_EQ(faces.size(), 6) << skin.entry << ": two faces are the same picture";
    }
    EXPECT_EQ(seen.size(), 96);
    EXPECT_EQ(ones.size(), 16) << "two skins share a face";
    EXPECT_EQ(QImage::fromData(Resource(QStringLiteral(":/bitmap/%1.bmp").arg(zarvel::kMarkerBitmap))).size(), QSize(4, 4));
    EXPECT_EQ(QImage::fromData(Resource(QStringLiteral(":/bitmap/%1.bmp").arg(zarvel::kDividerBitmap))).size(), QSize(5, 42));
}

// The carried 1x files are what the windows and the files written at
// start-up have always shown and played, so they change only on purpose.
// Their record is carried-1x.sha256 beside this test, one SHA-256 a file in
// id order as `sha256sum` writes it (so `sha256sum -c` checks a generated
// folder against it too); the one digest below is the SHA-256 of that
// record. The test rebuilds the record from the resources and compares the
// digests, and opens the record only on a mismatch, to name the files that
// differ. A deliberate change rewrites the record and this digest together.
constexpr char kCarriedDigest[] = "652beb7ab24edcd33d8f28667296d668cdf74737df23f02699b685dd9077bdad";

TEST(CarriedFiles, ByteForByteAsRecorded) {
    std::vector<int> bitmaps{zarvel::kDividerBitmap, zarvel::kMarkerBitmap}, custom;
    for (const zarvel::Skin& skin : zarvel::kSkins)
        for (int v = 1; v <= 6; ++v) bitmaps.push_back(skin.code + v);
    for (const zarvel::CarriedFile& f : zarvel::kCarriedFiles) custom.push_back(f.id);
    std::sort(bitmaps.begin(), bitmaps.end());
    std::sort(custom.begin(), custom.end());
    std::vector<QString> names;
    for (int id : bitmaps) names.push_back(QStringLiteral("bitmap/%1.bmp").arg(id));
    for (int id : custom) names.push_back(QStringLiteral("custom/%1").arg(id));
    ASSERT_EQ(names.size(), 118u);

    QByteArray record;
    std::map<QString, QByteArray> now;
    for (const QString& name : names) {
        const QByteArray bytes = Resource(":/" + name);
        EXPECT_FALSE(bytes.isEmpty()) << name.toStdString() << " is missing";
        now[name] = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        record += now[name] + "  " + name.toLatin1() + "\n";
    }
    if (QCryptographicHash::hash(record, QCryptographicHash::Sha256).toHex() == kCarriedDigest) return;

    QFile file(QStringLiteral(ZARVEL_CARRIED_RECORD));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << ZARVEL_CARRIED_RECORD;
    const QByteArray recorded = file.readAll();
    ASSERT_EQ(QCryptographicHash::hash(recorded, QCryptographicHash::Sha256).toHex(), kCarriedDigest)
        << "the record was edited without its digest";
    QStringList changed;
    for (const QByteArray& line : recorded.split('\n'))
        if (!line.isEmpty() && now[QString::fromLatin1(line.mid(66))] != line.left(64))
            changed << QString::fromLatin1(line.mid(66));
    ADD_FAILURE() << "carried files differ from the record: " << changed.join(", ").toStdString();
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

Wave Sound(const zarvel::CarriedFile& file) { return ReadWave(Resource(QStringLiteral(":/custom/%1").arg(file.id))); }

TEST(Sounds, NineShortSixteenBitPcmWavesThatFitTheirEvents) {
    std::vector<Wave> events;
    for (const zarvel::SoundEvent& e : zarvel::kSoundEvents) events.push_back(Sound(e.builtIn));
    const Wave over = Sound(zarvel::kOverTopSound);
    std::vector<Wave> all = events;
    all.push_back(over);
    for (const Wave& w : all) {
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
    // In the sound dialog's order: Zarvel, Game Over, Move Dice, Pass Dice
    // twice, Roll Multiple Dice, Roll One Die, Undo. A die moving is a click,
    // shorter than any roll; the fanfare is the longest.
    const Wave &bust = events[0], &fanfare = events[1], &move = events[2], &several = events[5], &one = events[6];
    EXPECT_LT(move.Seconds(), one.Seconds());
    EXPECT_LT(one.Seconds(), several.Seconds());
    for (const Wave& w : all) EXPECT_GE(fanfare.Seconds(), w.Seconds());
    // The bust falls: its first quarter is higher than its last.
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
    for (const zarvel::Background& b : zarvel::kBackgrounds) {
        const int id = b.picture.id;
        if (id == 0) continue;  // "(None)"
        SCOPED_TRACE(b.entry);
        const QByteArray bytes = Resource(QStringLiteral(":/custom/%1").arg(id));
        EXPECT_EQ(Format(bytes), id == zarvel::kGifBackground ? "gif" : "jpeg");
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

// The share of the picture's scale x scale blocks that are one colour all
// through: 1 for a smaller picture with its pixels repeated.
double RepeatedBlocks(const QImage& image, int scale) {
    int blocks = 0, repeated = 0;
    for (int by = 0; by + scale <= image.height(); by += scale)
        for (int bx = 0; bx + scale <= image.width(); bx += scale) {
            bool same = true;
            for (int y = by; y < by + scale && same; ++y)
                for (int x = bx; x < bx + scale && same; ++x) same = image.pixel(x, y) == image.pixel(bx, by);
            ++blocks;
            repeated += same;
        }
    return blocks ? double(repeated) / blocks : 1;
}

// For screens at a scale of 2 or 3, and for the zoomed windows, every bitmap
// and picture has a variant of exactly 2, 3 and 6 times its size, drawn at
// that size: its pixels are not the small picture's pixels repeated, which
// is what looks blocky.
TEST(Pictures, EveryBitmapAndPictureAtEachDrawnScale) {
    struct Carried {
        QString onex, variants;  // variants: "%1" for the scale
        QSize size;              // of the 1x picture
    };
    std::vector<Carried> all;
    for (const zarvel::Skin& skin : zarvel::kSkins)
        for (int v = 1; v <= 6; ++v)
            all.push_back({QStringLiteral(":/bitmap/%1.bmp").arg(skin.code + v),
                           QStringLiteral(":/bitmap/%1@%2x.png").arg(skin.code + v).arg("%1"), {skin.width, skin.height}});
    all.push_back({QStringLiteral(":/bitmap/%1.bmp").arg(zarvel::kMarkerBitmap),
                   QStringLiteral(":/bitmap/%1@%2x.png").arg(zarvel::kMarkerBitmap).arg("%1"), {4, 4}});
    all.push_back({QStringLiteral(":/bitmap/%1.bmp").arg(zarvel::kDividerBitmap),
                   QStringLiteral(":/bitmap/%1@%2x.png").arg(zarvel::kDividerBitmap).arg("%1"), {5, 42}});
    for (const char* name : {"congrats", "about-die1", "about-die2"})
        all.push_back({QStringLiteral(":/picture/%1.png").arg(name), QStringLiteral(":/picture/%1@%2x.png").arg(name).arg("%1"),
                       QImage::fromData(Resource(QStringLiteral(":/picture/%1.png").arg(name))).size()});
    for (const zarvel::Background& b : zarvel::kBackgrounds)
        if (b.picture.id != 0)
            all.push_back({QStringLiteral(":/custom/%1").arg(b.picture.id),
                           QStringLiteral(":/hires/%1@%2x.jpg").arg(b.picture.id).arg("%1"), {257, 321}});
    ASSERT_EQ(all.size(), 96u + 2 + 3 + 11);
    for (const Carried& c : all) {
        ASSERT_EQ(QImage::fromData(Resource(c.onex)).size(), c.size) << c.onex.toStdString();
        for (int scale : zarvel::kArtScales) {
            const QString path = c.variants.arg(scale);
            SCOPED_TRACE(path.toStdString());
            const QByteArray bytes = Resource(path);
            const bool background = path.startsWith(":/hires/");
            EXPECT_EQ(Format(bytes), background ? "jpeg" : "png");
            const QImage variant = QImage::fromData(bytes);
            ASSERT_FALSE(variant.isNull());
            EXPECT_EQ(variant.size(), c.size * scale);
            EXPECT_EQ(variant.depth(), 32);
            // Flat colour and straight edges repeat pixels in any drawing
            // (the plain faces about 89% of their blocks); a small picture
            // enlarged repeats them all. JPEG's own noise would hide it.
            if (!background) {
                EXPECT_LT(RepeatedBlocks(variant, scale), 0.97);
            }
        }
    }
}

// Every built-in picture leaves the labels of the game tray on ground that
// contrasts at least 4.5:1 (what text of normal size needs) with the text
// colour chosen with it, in the carried picture and in its sharper variants.
// "Under a label" is every pixel of the label's whole box (not just where
// today's caption happens to fall); 98% of them must reach 4.5:1.
TEST(Pictures, LabelsReadOnEveryBackgroundInItsTextColour) {
    using zarvel::test::ContrastOfMostOf;
    using zarvel::test::Luminance;
    zarvel::GameTray tray;
    std::vector<std::pair<QString, QRect>> boxes;
    for (const QLabel* l : std::initializer_list<const QLabel*>{tray.lblStatus, tray.lblLastRoll, tray.lblCurrentPlayer, tray.lblPlayer, tray.lblTurnScoreLabel,
                            tray.lblTurnScore})
        boxes.emplace_back(l->objectName(), l->geometry());
    tray.SetStatusTop(zarvel::kStatusTopLastRound);
    boxes.emplace_back(QStringLiteral("lblStatus in the last round"), tray.lblStatus->geometry());
    const QRect image = tray.Image1->geometry();
    for (const zarvel::Background& b : zarvel::kBackgrounds) {
        if (b.picture.id == 0) continue;
        const QString colour = QString::fromLatin1(zarvel::kTextColours[std::size_t(b.textColour)].text);  // &HBBGGRR
        const quint32 bgr = colour.mid(2).toUInt(nullptr, 16);
        const double text = Luminance(qRgb(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF)));
        double worstLow = 1e9, worst = 1e9;
        std::vector<int> scales{1};
        scales.insert(scales.end(), zarvel::kArtScales.begin(), zarvel::kArtScales.end());
        for (int scale : scales) {
            SCOPED_TRACE(QStringLiteral("%1 at %2x").arg(QLatin1String(b.entry)).arg(scale).toStdString());
            const QString path = scale == 1 ? QStringLiteral(":/custom/%1").arg(b.picture.id)
                                            : QStringLiteral(":/hires/%1@%2x.jpg").arg(b.picture.id).arg(scale);
            const QImage picture = QImage::fromData(Resource(path));
            ASSERT_EQ(picture.size(), image.size() * scale) << "the picture no longer maps onto the tray";
            for (const auto& [name, box] : boxes) {
                const QRect onex = box.translated(-image.topLeft());
                const QRect r(onex.topLeft() * scale, onex.size() * scale);
                double worstPixel = 0;
                const double low = ContrastOfMostOf(picture, r, text, &worstPixel);
                EXPECT_GE(low, 4.5) << "under " << name.toStdString() << " " << r.x() << "," << r.y() << " "
                                    << r.width() << "x" << r.height() << " (worst pixel " << worstPixel << ")";
                worstLow = std::min(worstLow, low);
                worst = std::min(worst, worstPixel);
            }
        }
        ::testing::Test::RecordProperty(b.entry, QStringLiteral("%1 (worst pixel %2)").arg(worstLow, 0, 'f', 2)
                                                     .arg(worst, 0, 'f', 2).toStdString());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Image format plugins are found through the application; the game
    // tray needs widgets.
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
