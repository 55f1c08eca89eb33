#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryFile>

#include <cstdio>

#include "SettingKeys.h"

namespace zarvel {

namespace {

constexpr int kErrFileNotFound = 53;
constexpr int kErrDiskFull = 61;
constexpr int kErrPathFileAccess = 75;

}  // namespace

QString GetTempDir() {
    // TMPDIR when it names a folder that can be written to, else the
    // system's own: the carried files and the stored Background path must
    // never depend on the folder the game was started from.
    for (const QString& candidate : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        const QFileInfo info(candidate);
        if (!info.isAbsolute() || !info.isDir() || !info.isWritable()) continue;
        QString dir = info.absoluteFilePath();
        if (!dir.endsWith(u'/')) dir += u'/';
        return dir;
    }
    return {};
}

int ExtractResource(int id, const QString& type, const QString& path) {
    if (type.compare(QLatin1String("CUSTOM"), Qt::CaseInsensitive) != 0) return kErrFileNotFound;
    QFile resource(QStringLiteral(":/custom/%1").arg(id));
    if (!resource.open(QIODevice::ReadOnly)) return kErrFileNotFound;
    const QByteArray bytes = resource.readAll();
    if (path.isEmpty()) return kErrPathFileAccess;

    // A file that already holds exactly the resource (the last start's) is
    // left alone: replacing it would cost a flush to disk on some file
    // systems, at every start, for nothing.
    const QFileInfo existing(path);
    if (existing.isFile() && !existing.isSymLink() && existing.size() == bytes.size()) {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes) return 0;
    }

    // Written whole beside the old file and renamed over it: the file ends
    // up exactly the resource, a failed write leaves the earlier file as it
    // was, and a link planted under the name in a shared folder is replaced
    // rather than followed. No sync to disk: the files are written anew
    // whenever they differ, so a crash can lose nothing that matters.
    QTemporaryFile out(path + QStringLiteral(".XXXXXX"));
    if (!out.open()) return kErrPathFileAccess;
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                       QFileDevice::ReadOther);
    // A short write (a full disk, a size limit) shows at the latest in flush().
    if (out.write(bytes) != bytes.size() || !out.flush()) return kErrDiskFull;
    out.close();
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return kErrPathFileAccess;
    out.setAutoRemove(false);
    return 0;
}

QString FileTitle(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

QString BaseName(const QString& path) {
    const QString title = FileTitle(path);
    const qsizetype dot = title.indexOf(u'.');
    return dot < 0 ? title : title.left(dot);
}

int ExtractAllResources(const QString& tempPath) {
    int failed = 0;
    for (const CarriedFile& f : kCarriedFiles)
        if (ExtractResource(f.id, QStringLiteral("CUSTOM"), tempPath + QLatin1String(f.name)) != 0) ++failed;
    return failed;
}

QString StartupBackground(SettingsFile& file, const QString& tempPath, QImage* picture) {
    const QString key = KeyName(Key::Background);
    // Only a full path is stored: one relative to today's folder would be
    // lost from any other.
    if (file.Read(key).isEmpty() && QDir::isAbsolutePath(tempPath))
        file.Write(key, tempPath + QLatin1String(kFirstBackground.picture.name));
    const QString path = file.Read(key);

    if (picture) *picture = QImage();
    const QImage image = LoadPicture(path);
    if (image.isNull()) return {};
    if (picture) *picture = image;
    return path;
}

QString BackgroundVariants(const QString& path, const QString& tempPath) {
    for (const Background& b : kBackgrounds)
        if (b.picture.id != 0 && path == tempPath + QLatin1String(b.picture.name))
            return QStringLiteral(":/hires/%1@%2x.jpg").arg(b.picture.id).arg(QStringLiteral("%1"));
    return {};
}

QImage LoadPicture(const QString& path, QString* why) {
    // A picture to stretch over the game: anything larger is either a
    // mistake or made to exhaust memory when decoded.
    constexpr qint64 kMaxPixels = 40'000'000;
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return QImage();
    };
    if (path.isEmpty() || !QFileInfo(path).isFile()) return fail(QStringLiteral("the file is not there"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return fail(QStringLiteral("the picture is too large (%1 x %2)").arg(size.width()).arg(size.height()));
    const QImage image = reader.read();
    if (image.isNull()) return fail(QStringLiteral("it is not a picture this game can read"));
    return image;
}

}  // namespace zarvel
