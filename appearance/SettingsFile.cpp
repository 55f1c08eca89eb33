#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

namespace zarvel {

namespace {

// A settings file is a few hundred bytes; anything this large is not one,
// and is not worth reading into memory.
constexpr qint64 kMaxFileSize = 1024 * 1024;

// "[Name]" -> "Name"; an empty result means the line is not a section header.
QString SectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return {};
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return {};
    const QString name = t.mid(1, close - 1).trimmed();
    return name.isEmpty() ? QStringLiteral(" ") : name;  // "[]" is still a header
}

bool IsComment(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(u';') || t.startsWith(u'#');
}

// The key of a "key=value" line, or "" when the line holds none.
QString LineKey(const QString& line) {
    if (IsComment(line)) return {};
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return {};
    return line.left(eq).trimmed();
}

bool IsTextFile(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') return false;
    }
    return true;
}

// What fits on one line of the file and reads back as text: no line
// breaks and no control characters other than tab.
bool FitsOnALine(const QString& s) {
    return IsTextFile(s) && !s.contains(u'\n') && !s.contains(u'\r');
}

// Index of the key's line in the section, or -1. The first occurrence
// wins, as in every INI reader.
int FindKey(const QStringList& lines, const QString& section, const QString& key) {
    const QString wanted = key.trimmed();
    if (wanted.isEmpty()) return -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = SectionName(lines[i]);
        if (!name.isEmpty()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && LineKey(lines[i]).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

void SetKey(QStringList& lines, const QString& section, const QString& key, const QString& value) {
    const int at = FindKey(lines, section, key);
    if (at >= 0) {
        // Keep the key as the file spells it, and whatever stands around it.
        QString& line = lines[at];
        line = line.left(line.indexOf(u'=') + 1) + value;
        return;
    }
    const QString newLine = key + u'=' + value;
    int header = -1;
    for (int i = 0; i < lines.size() && header < 0; ++i)
        if (SectionName(lines[i]).compare(section, Qt::CaseInsensitive) == 0) header = i;
    if (header < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines << QString();
        lines << u'[' + section + u']' << newLine;
        return;
    }
    // After the section's last entry, before the blank lines that separate
    // it from the next section.
    int end = header + 1;
    while (end < lines.size() && SectionName(lines[end]).isEmpty()) ++end;
    int insertAt = end;
    while (insertAt > header + 1 && lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
    lines.insert(insertAt, newLine);
}

}  // namespace

SettingsFile::SettingsFile(const QString& path, const QString& section) : path_(path), section_(section) {
    Load();
}

bool SettingsFile::Parse(const QByteArray& bytes, Text* text, QString* reason) {
    QByteArrayView data(bytes);
    text->bom = data.startsWith("\xEF\xBB\xBF");
    if (text->bom) data = data.sliced(3);
    // Decoded and encoded back: a file that does not come back byte for
    // byte (a broken or cut-off character) is not plain UTF-8 text.
    const QString decoded = QString::fromUtf8(data);
    if (decoded.toUtf8() != data || !IsTextFile(decoded)) {
        *reason = QCoreApplication::translate("SettingsFile", "it is not a text file");
        return false;
    }
    // Lines may end in CR LF, LF or CR alone; a rewrite uses the first kind
    // found.
    const qsizetype cr = decoded.indexOf(u'\r');
    const qsizetype lf = decoded.indexOf(u'\n');
    if (cr >= 0 && (lf < 0 || cr < lf))
        text->lineEnd = decoded.mid(cr, 2) == QLatin1String("\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\r");
    else
        text->lineEnd = QStringLiteral("\n");
    QString unified = decoded;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    text->lines = unified.split(u'\n');
    if (!text->lines.isEmpty() && text->lines.last().isEmpty()) text->lines.removeLast();  // the final line end
    return true;
}

QByteArray SettingsFile::Serialise(const Text& text) const {
    QByteArray bytes;
    if (text.bom) bytes += "\xEF\xBB\xBF";
    for (const QString& line : text.lines) bytes += (line + text.lineEnd).toUtf8();
    return bytes;
}

bool SettingsFile::ReadNow(const QString& target, Text* text, bool* bad, QString* reason) const {
    *bad = false;
    *text = Text();
    const QFileInfo info(target);
    if (!info.exists() && !info.isSymLink()) return true;  // a first start: no file yet
    *bad = true;
    if (info.isDir()) {
        *reason = QCoreApplication::translate("SettingsFile", "it is a folder");
        return false;
    }
    // Only a regular file is read: opening a pipe would wait for a writer,
    // and a device is no settings file.
    if (!info.isFile()) {
        *reason = QCoreApplication::translate("SettingsFile", "it is not a regular file");
        return false;
    }
    if (info.size() > kMaxFileSize) {
        *reason = QCoreApplication::translate("SettingsFile", "it is too large to be a settings file");
        return false;
    }
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    if (bytes.size() > kMaxFileSize) {
        *reason = QCoreApplication::translate("SettingsFile", "it is too large to be a settings file");
        return false;
    }
    if (!Parse(bytes, text, reason)) return false;
    *bad = false;
    return true;
}

void SettingsFile::Load() {
    bool bad = false;
    QString reason;
    if (ReadNow(path_, &text_, &bad, &reason)) return;
    loadError_ = QCoreApplication::translate("SettingsFile", "The settings file %1 could not be read (%2); the defaults are used.")
                     .arg(QDir::toNativeSeparators(path_), reason);
    text_ = Text();
}

QString SettingsFile::Read(const QString& key) const {
    const int i = FindKey(text_.lines, section_, key);
    if (i < 0) return {};
    const QString& line = text_.lines[i];
    return line.mid(line.indexOf(u'=') + 1);
}

QStringList SettingsFile::Keys() const {
    QStringList keys;
    bool inSection = false;
    for (const QString& line : text_.lines) {
        const QString name = SectionName(line);
        if (!name.isEmpty()) {
            inSection = name.compare(section_, Qt::CaseInsensitive) == 0;
            continue;
        }
        const QString key = LineKey(line);
        if (inSection && !key.isEmpty() && !keys.contains(key, Qt::CaseInsensitive)) keys << key;
    }
    return keys;
}

bool SettingsFile::Write(const QString& key, const QString& value) {
    const QString k = key.trimmed();
    if (k.isEmpty() || k.contains(u'=') || !FitsOnALine(k) || k.startsWith(u'[') || IsComment(k)) {
        writeError_ = QCoreApplication::translate("SettingsFile", "\"%1\" cannot be used as a settings key.").arg(key);
        return false;
    }
    if (!FitsOnALine(value)) {
        writeError_ = QCoreApplication::translate("SettingsFile", "The value of %1 cannot be stored: it holds a line break or a control character.").arg(k);
        return false;
    }

    const auto isKey = [&k](const QPair<QString, QString>& p) { return p.first.compare(k, Qt::CaseInsensitive) == 0; };
    // Unchanged in this copy: another copy's value on disk stays.
    if (FindKey(text_.lines, section_, k) >= 0 && Read(k) == value) return true;
    SetKey(text_.lines, section_, k, value);
    pending_.removeIf(isKey);
    pending_.append({k, value});

    if (Save()) {
        failureTold_ = false;
        return true;
    }
    if (!failureTold_ && onWriteFailed) {
        failureTold_ = true;
        onWriteFailed(writeError_);
    }
    return false;
}

bool SettingsFile::WriteNumber(const QString& key, int value) { return Write(key, QString::number(value)); }

bool SettingsFile::WriteBool(const QString& key, bool value) {
    return Write(key, value ? QStringLiteral("-1") : QStringLiteral("0"));
}

bool SettingsFile::KeepBadFileAside(const QString& target) {
    const QFileInfo info(target);
    if (!info.exists()) return true;  // gone meanwhile: nothing to keep
    // Never replace an earlier copy: the first free of ".bad", ".bad1", ...
    QString copy = target + QStringLiteral(".bad");
    for (int n = 1; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n)
        copy = target + QStringLiteral(".bad%1").arg(n);
    // A second name for the same file costs nothing whatever its size, and
    // the file stays where it is until the new one replaces it. Where the
    // file system has no such names, a copy, if the file is not huge.
    if (::link(QFile::encodeName(target).constData(), QFile::encodeName(copy).constData()) == 0) {
        backupPath_ = copy;
        return true;
    }
    QFile original(target);
    if (info.size() > 64 * kMaxFileSize || !original.copy(copy)) {
        writeError_ = QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1: the unreadable file there could not be kept aside "
                         "first (%2).")
                          .arg(QDir::toNativeSeparators(path_), original.errorString());
        return false;
    }
    backupPath_ = copy;
    return true;
}

QString SettingsFile::WriteTarget() {
    const QFileInfo info(path_);
    const QString shown = QDir::toNativeSeparators(path_);
    const auto refuse = [&](const QString& why) {
        writeError_ = QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1: %2.").arg(shown, why);
        return QString();
    };
    if (info.isSymLink()) {
        // The link stays; what it points to gets the new contents, if that
        // is an ordinary file. Anything else is not ours to replace.
        const QString target = info.canonicalFilePath();
        if (target.isEmpty()) return refuse(QCoreApplication::translate("SettingsFile", "it is a link to %1, which does not exist").arg(info.symLinkTarget()));
        if (!QFileInfo(target).isFile())
            return refuse(QCoreApplication::translate("SettingsFile", "it is a link to %1, which is not an ordinary file")
                              .arg(QDir::toNativeSeparators(target)));
        return target;
    }
    if (info.isDir()) return refuse(QCoreApplication::translate("SettingsFile", "a folder of that name is in the way"));
    if (info.exists() && !info.isFile()) return refuse(QCoreApplication::translate("SettingsFile", "it is not an ordinary file"));
    return path_;
}

bool SettingsFile::Save() {
    const QString target = WriteTarget();
    if (target.isEmpty()) return false;
    const QString shown = QDir::toNativeSeparators(path_);

    const QString dir = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(dir)) {
        writeError_ = QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1: its folder could not be made.").arg(shown);
        return false;
    }

    // Another copy of the game saving at the same moment waits here, so
    // each re-reads what the other wrote. A folder where no lock can be
    // made (read-only) still gets its try below, and its own message.
    QLockFile lock(target + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        writeError_ = QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1: another copy of the game is saving its own.").arg(shown);
        return false;
    }

    // The file as it is now, with this copy's changes on top: keys that
    // another copy saved meanwhile stay as that copy saved them.
    Text merged;
    bool bad = false;
    QString reason;
    if (!ReadNow(target, &merged, &bad, &reason)) {
        if (bad && !KeepBadFileAside(target)) return false;
        merged = text_;  // nothing of the unreadable file can be kept
    }
    for (const auto& [key, value] : pending_) SetKey(merged.lines, section_, key, value);

    const QByteArray bytes = Serialise(merged);
    if (bytes.size() > kMaxFileSize) {
        // The next start would refuse the file, and every setting with it.
        writeError_ = QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1: the file would grow past %2 KB, more than the game "
                         "reads.")
                          .arg(shown)
                          .arg(kMaxFileSize / 1024);
        pending_.clear();
        return false;
    }

    QSaveFile file(target);
    const auto fail = [this, &file, &shown]() {
        writeError_ = QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1: %2.").arg(shown, file.errorString());
        file.cancelWriting();
        return false;
    };
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail();
    if (file.write(bytes) != bytes.size()) return fail();
    if (!file.commit()) return fail();
    pending_.clear();
    writeError_.clear();
    return true;
}

QString DefaultSettingsPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + QStringLiteral("/.config");
    return dir + QStringLiteral("/OxlZarvel2.ini");
}

}  // namespace zarvel
