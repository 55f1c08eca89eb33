#include "PictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>

#include <memory>

#include "UserFile.h"

namespace zarvel {

namespace {

// The image format of the bytes, by their first bytes; "" for any other.
QByteArray FormatOf(const QByteArray& b) {
    if (b.startsWith("\xFF\xD8\xFF")) return "jpeg";
    if (b.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a")) return "gif";
    if (b.startsWith("BM") && b.size() >= 26) return "bmp";
    return {};
}

// Decoding threads of their own: a decode that is given up on keeps its
// thread until it ends, and must not hold up the next picture. The pool
// lives as long as the process, so no decode is cut off by its end.
QThreadPool& Decoders() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(4);
        return p;
    }();
    return *pool;
}

std::function<void()>& DecodeHook() {
    static std::function<void()> hook;
    return hook;
}

struct Pending {
    QMutex mutex;
    QWaitCondition done;
    bool finished = false;
    QImage image;
    QString why;
};

}  // namespace

QImage DecodePicture(const QByteArray& bytes, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return QImage();
    };
    const QByteArray format = FormatOf(bytes);
    if (format.isEmpty()) return fail(QCoreApplication::translate("Picture", "it is not a picture this game can show (BMP, JPEG, GIF or PNG)"));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Only the decoder of the format the bytes announce; no guessing by
    // the other installed decoders, some of which run scripts or take
    // minutes over a few kilobytes.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return fail(QCoreApplication::translate("Picture", "it is damaged or not a complete picture"));
    if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        return fail(QCoreApplication::translate("Picture", "the picture is too large (%1 x %2 pixels; at most %3 million)")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kMaxPicturePixels / 1'000'000));
    // Room for the largest picture allowed at 8 bytes a pixel (16-bit
    // colour), and not more: a decoder that cannot scale while it decodes
    // (GIF, BMP) holds the whole picture first, beyond Qt's default limit.
    reader.setAllocationLimit(int(kMaxPicturePixels * 8 / (1024 * 1024) + 1));
    if (size.width() > kMaxKeptPictureSide || size.height() > kMaxKeptPictureSide)
        reader.setScaledSize(size.scaled(kMaxKeptPictureSide, kMaxKeptPictureSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) return fail(QCoreApplication::translate("Picture", "it is damaged or not a complete picture"));
    if (image.depth() > 32) image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return image;
}

void SetPictureDecodeHook(std::function<void()> hook) { DecodeHook() = std::move(hook); }

QImage LoadPicture(const QString& path, QString* why, int waitMs) {
    auto pending = std::make_shared<Pending>();
    Decoders().start([path, pending, hook = DecodeHook()] {
        if (hook) hook();
        QByteArray bytes;
        QString reason;
        QImage image;
        if (ReadUserFile(path, kMaxPictureFileBytes, &bytes, &reason)) image = DecodePicture(bytes, &reason);
        QMutexLocker lock(&pending->mutex);
        pending->image = std::move(image);
        pending->why = reason;
        pending->finished = true;
        pending->done.wakeAll();
    });
    QMutexLocker lock(&pending->mutex);
    QDeadlineTimer deadline(waitMs);
    while (!pending->finished)
        if (!pending->done.wait(&pending->mutex, deadline)) break;
    if (!pending->finished) {
        if (why) *why = QCoreApplication::translate("Picture", "it took too long to load");
        return QImage();
    }
    if (pending->image.isNull() && why) *why = pending->why;
    return pending->image;
}

}  // namespace zarvel
