// Background pictures from files the game does not control: only BMP,
// JPEG, GIF and PNG by their content, sizes checked before decoding, a
// decode that takes too long given up on, and a message that says what is
// really wrong.
#include <QBuffer>
#include <QImage>
#include <QSemaphore>
#include <QtEndian>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Catalogue.h"
#include "PictureLoader.h"
#include "Startup.h"
#include "TestEnv.h"
#include "UserFile.h"

namespace zarvel {
namespace {

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

quint32 Crc32(QByteArrayView data) {
    quint32 crc = 0xFFFFFFFF;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

QByteArray Le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray PngChunk(const QByteArray& type, const QByteArray& data) {
    QByteArray length(4, 0), crc(4, 0);
    qToBigEndian<quint32>(quint32(data.size()), length.data());
    qToBigEndian(Crc32(type + data), crc.data());
    return length + type + data + crc;
}

// Headers that claim far more pixels than they hold.
QByteArray HugeGif() {
    return "GIF89a" + Le16(65535) + Le16(65535) + QByteArray("\x00\x00\x00", 3) + QByteArray("\x2C", 1) + Le16(0) +
           Le16(0) + Le16(65535) + Le16(65535) + QByteArray("\x00\x08\x02\x00\x01\x00\x3B", 7);
}
QByteArray HugeBmp() {
    return "BM" + Le32(70) + Le32(0) + Le32(54) + Le32(40) + Le32(16000) + Le32(16000) + Le16(1) + Le16(24) +
           QByteArray(24, '\0') + QByteArray(16, '\0');
}
QByteArray HugePng() {
    QByteArray size(8, 0);
    qToBigEndian<quint32>(20000, size.data());
    qToBigEndian<quint32>(20000, size.data() + 4);
    return QByteArray("\x89PNG\r\n\x1A\n") + PngChunk("IHDR", size + QByteArray("\x08\x02\x00\x00\x00", 5)) +
           PngChunk("IDAT", QByteArray("\x78\x9C\x03\x00\x00\x00\x00\x01", 8)) + PngChunk("IEND", {});
}

class Pictures : public test::TestEnv {
protected:
    QImage Load(const QString& name, const QByteArray& bytes, QString* why, int waitMs = 60000) {
        Put(Path(name), bytes);
        return LoadPicture(Path(name), why, waitMs);
    }
};

TEST_F(Pictures, TheFourFormatsAreReadByTheirContentWhateverTheirName) {
    const QImage red = Filled(40, 30, Qt::red);
    const std::pair<const char*, const char*> cases[] = {{"a.jpg", "PNG"}, {"b.png", "BMP"}, {"d.gif", "JPEG"}, {"e", "PNG"}};
    for (const auto& [name, format] : cases) {
        QString why;
        const QImage image = Load(name, Encoded(red, format), &why);
        ASSERT_FALSE(image.isNull()) << name << ": " << why.toStdString();
        EXPECT_EQ(image.size(), QSize(40, 30));
        EXPECT_GT(image.pixelColor(20, 15).red(), 200) << name;
    }
    // GIF, which Qt reads but does not write: the carried one.
    QFile gif(QStringLiteral(":/custom/%1").arg(kGifBackground));
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    QString why;
    EXPECT_FALSE(Load("c.bmp", gif.readAll(), &why).isNull()) << why.toStdString();
}

// Text formats that some installed decoders would run or take minutes
// over, and formats nobody expects as a background, are not decoded.
TEST_F(Pictures, OtherFormatsAreNeverDecoded) {
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='4000' height='4000'>"
                           "<rect width='100%' height='100%' fill='red'/></svg>";
    const QByteArray others[] = {svg, "<?xml version='1.0'?>" + svg, "/* XPM */\nstatic char *x[] = {\"1 1 1 1\"};",
                                 Encoded(Filled(8, 8, Qt::red), "PPM"), QByteArray("II*\0", 4) + QByteArray(100, '\0'),
                                 QByteArray()};
    for (const QByteArray& bytes : others) {
        QString why;
        EXPECT_TRUE(Load("other.jpg", bytes, &why).isNull()) << bytes.left(20).toStdString();
        EXPECT_TRUE(why.contains("not a picture this game can show")) << why.toStdString();
    }
    QString why;
    EXPECT_TRUE(Load("junk.jpg", "\xFF\xD8\xFF\xE0 not really", &why).isNull());
    EXPECT_TRUE(why.contains("damaged")) << why.toStdString();
}

TEST_F(Pictures, SizesAreCheckedBeforeAnythingIsDecoded) {
    for (const QByteArray& header : {HugeGif(), HugeBmp(), HugePng()}) {
        QString why;
        EXPECT_TRUE(Load("huge", header, &why).isNull());
        EXPECT_TRUE(why.contains("too large") && why.contains("pixels")) << why.toStdString();
    }
    // Eight gigabytes that take no room on disk, starting like a JPEG: the
    // size on disk refuses it before a byte is read.
    {
        QFile f(Path("sparse.jpg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Encoded(Filled(8, 8, Qt::red), "JPEG"));
        ASSERT_TRUE(f.resize(qint64(8) << 30));
    }
    QString why;
    EXPECT_TRUE(LoadPicture(Path("sparse.jpg"), &why, 60000).isNull());
    EXPECT_TRUE(why.contains("too large") && why.contains("MB")) << why.toStdString();
}

// A picture under the pixel limit is decoded, however much memory the
// decoder asks for it, and kept no larger than a window can show.
TEST_F(Pictures, ALargePictureUnderTheLimitIsShownScaledDown) {
    QString why;
    const QImage image = Load("big.png", Encoded(Filled(6300, 6300, Qt::blue), "PNG"), &why);
    ASSERT_FALSE(image.isNull()) << why.toStdString();
    EXPECT_EQ(image.size(), QSize(kMaxKeptPictureSide, kMaxKeptPictureSide));
    EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::blue));

    // Sixteen bits a colour: kept at four bytes a pixel.
    QImage deep(kMaxKeptPictureSide, 4000, QImage::Format_RGBA64);
    deep.fill(Qt::green);
    const QImage shown = Load("deep.png", Encoded(deep, "PNG"), &why);
    ASSERT_FALSE(shown.isNull()) << why.toStdString();
    EXPECT_EQ(shown.size(), deep.size());
    EXPECT_LE(shown.depth(), 32);  // kept at four bytes a pixel
}

TEST_F(Pictures, TheMessageSaysWhatIsWrong) {
    QString why;
    EXPECT_TRUE(LoadPicture(Path("missing.jpg"), &why).isNull());
    EXPECT_TRUE(why.contains("not there")) << why.toStdString();

    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.jpg")));
    EXPECT_TRUE(LoadPicture(Path("zero.jpg"), &why).isNull());
    EXPECT_TRUE(why.contains("not an ordinary file")) << why.toStdString();

    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.jpg")).constData(), 0600), 0);
    EXPECT_TRUE(LoadPicture(Path("pipe.jpg"), &why).isNull());  // no writer: would wait if opened plainly
    EXPECT_TRUE(why.contains("not an ordinary file")) << why.toStdString();

    EXPECT_TRUE(LoadPicture(Path(""), &why).isNull());
    EXPECT_TRUE(why.contains("folder")) << why.toStdString();

    // A picture the player may not read says so, for another user too (the
    // tests may run as root, who reads everything).
    Put(Path("secret.jpg"), Encoded(Filled(8, 8, Qt::red), "JPEG"));
    ASSERT_EQ(chmod(QFile::encodeName(Path("secret.jpg")).constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(Path("")).constData(), 0755), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        QByteArray bytes;
        QString reason;
        _exit(!ReadUserFile(Path("secret.jpg"), kMaxPictureFileBytes, &bytes, &reason) && reason.contains("permission") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A picture that takes longer than the caller can wait is not waited for:
// the tray names it, start-up shows no picture.
TEST_F(Pictures, ADecodeThatTakesTooLongIsGivenUpOn) {
    QSemaphore release;
    SetPictureDecodeHook([&release] { release.acquire(); });
    Put(Path("slow.jpg"), Encoded(Filled(40, 30, Qt::red), "JPEG"));
    QString why;
    EXPECT_TRUE(LoadPicture(Path("slow.jpg"), &why, 10).isNull());
    EXPECT_TRUE(why.contains("too long")) << why.toStdString();

    SettingsFile file(DefaultSettingsPath());
    ASSERT_TRUE(file.Write("Background", Path("slow.jpg")));
    QImage picture;
    EXPECT_EQ(StartupBackground(file, CarriedFilesFolder(), &picture, 10), "");
    EXPECT_TRUE(picture.isNull());
    SetPictureDecodeHook({});
    release.release(2);
    EXPECT_FALSE(LoadPicture(Path("slow.jpg"), &why).isNull());
}

}  // namespace
}  // namespace zarvel
