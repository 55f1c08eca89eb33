#include "UserFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvel {

namespace {

QString OpenFailure(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return QCoreApplication::translate("UserFile", "the file is not there");
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("UserFile", "you are not allowed to read it (no read permission)");
        case ELOOP:
            return QCoreApplication::translate("UserFile", "it is a link that leads nowhere");
        default:
            return QCoreApplication::translate("UserFile", "it cannot be opened (%1)").arg(QString::fromLocal8Bit(strerror(error)));
    }
}

}  // namespace

QString SizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024) return QCoreApplication::translate("UserFile", "%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
    return QCoreApplication::translate("UserFile", "%1 KB").arg((bytes + 1023) / 1024);
}

bool ReadUserFile(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    bytes->clear();
    if (path.isEmpty()) return fail(QCoreApplication::translate("UserFile", "the file is not there"));
    // Non-blocking: a pipe put where the file was would otherwise wait for
    // a writer. The checks below are made on what was opened, so the file
    // cannot be swapped between a look and the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(OpenFailure(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(OpenFailure(errno));
    if (S_ISDIR(st.st_mode)) return fail(QCoreApplication::translate("UserFile", "it is a folder, not a file"));
    if (!S_ISREG(st.st_mode)) return fail(QCoreApplication::translate("UserFile", "it is not an ordinary file (a device, a pipe or a link to one)"));
    if (st.st_size > maxBytes)
        return fail(QCoreApplication::translate("UserFile", "the file is too large (%1; at most %2)").arg(SizeText(st.st_size), SizeText(maxBytes)));

    // Reads what is there, up to one byte past the limit: a file that grew
    // since it was looked at is refused too.
    QByteArray data(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (true) {
        if (got == data.size()) {
            if (got > maxBytes) break;
            data.resize(std::min<qsizetype>(maxBytes + 1, data.size() * 2 + 4096));
        }
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(OpenFailure(errno));
        if (n == 0) break;
        got += n;
    }
    if (got > maxBytes) return fail(QCoreApplication::translate("UserFile", "the file is too large (at most %1)").arg(SizeText(maxBytes)));
    data.truncate(got);
    *bytes = std::move(data);
    return true;
}

}  // namespace zarvel
