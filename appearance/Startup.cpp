#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Opens the folder itself, never a link put in its place, and keeps it only
// when it is this user's and closed to everyone else (closing it first
// when it is this user's but open).
bool IsPrivateFolder(const QString& path, bool close) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    if (ok && (st.st_mode & 077) != 0) ok = close && ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return ok;
}

bool MakePrivateFolder(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) return false;
    return IsPrivateFolder(path, true);
}

QString WithSeparator(QString dir) { return dir.endsWith(u'/') ? dir : dir + u'/'; }

}  // namespace

QString CarriedFilesFolder() {
    // The session's own folder, which only this user may enter.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime, false) &&
        MakePrivateFolder(WithSeparator(runtime) + QStringLiteral("zarvel")))
        return WithSeparator(runtime) + QStringLiteral("zarvel/");

    const QString temp = GetTempDir();
    if (temp.isEmpty()) return {};
    const QString mine = QStringLiteral("zarvel-%1").arg(::geteuid());
    if (MakePrivateFolder(temp + mine)) return temp + mine + u'/';
    // Someone else holds that name: a folder of a name no one can foresee,
    // the one an earlier start made if there is one.
    const QStringList earlier =
        QDir(temp).entryList({mine + QStringLiteral("-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& name : earlier)
        if (IsPrivateFolder(temp + name, false)) return temp + name + u'/';
    QByteArray pattern = QFile::encodeName(temp + mine + QStringLiteral("-XXXXXX"));
    if (::mkdtemp(pattern.data()) && IsPrivateFolder(QFile::decodeName(pattern), false))
        return QFile::decodeName(pattern) + u'/';
    return {};
}

QString CarriedFileNow(const QString& stored, const QString& folder) {
    const QString name = FileTitle(stored);
    const QString dir = stored.left(stored.size() - name.size());
    if (name.isEmpty() || dir == folder || folder.isEmpty()) return stored;
    bool carried = false;
    for (const CarriedFile& f : kCarriedFiles) carried = carried || name == QLatin1String(f.name);
    if (!carried) return stored;
    // The places earlier starts wrote them: the shared temporary folder,
    // or a folder of the game's own.
    const QString shared = GetTempDir();
    const bool earlierPlace = dir == QLatin1String("/tmp/") || (!shared.isEmpty() && dir == shared) ||
                              FileTitle(dir.chopped(1)).startsWith(QLatin1String("zarvel"));
    return earlierPlace ? folder + name : stored;
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
    // Only a file of this user's, never a link, is even looked at.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        struct stat st {};
        QFile old;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_size == bytes.size() &&
            old.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (old.readAll() == bytes) return 0;
        } else {
            ::close(fd);
        }
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
    // Never relative to whatever folder the game was started from.
    if (!QDir::isAbsolutePath(tempPath)) return int(kCarriedFiles.size());
    int failed = 0;
    for (const CarriedFile& f : kCarriedFiles)
        if (ExtractResource(f.id, QStringLiteral("CUSTOM"), tempPath + QLatin1String(f.name)) != 0) ++failed;
    return failed;
}

QString StartupBackground(SettingsFile& file, const QString& tempPath, QImage* picture, int waitMs) {
    const QString key = KeyName(Key::Background);
    // Only a full path is stored: one relative to today's folder would be
    // lost from any other.
    if (file.Read(key).isEmpty() && QDir::isAbsolutePath(tempPath))
        file.Write(key, tempPath + QLatin1String(kFirstBackground.picture.name));
    // A carried picture stored where an earlier start wrote it is today's.
    const QString path = CarriedFileNow(file.Read(key), tempPath);

    if (picture) *picture = QImage();
    const QImage image = LoadPicture(path, nullptr, waitMs);
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

}  // namespace zarvel
