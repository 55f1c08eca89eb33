#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

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

}  // namespace

SettingsFile::SettingsFile(const QString& path, const QString& section) : path_(path), section_(section) {
    Load();
}

void SettingsFile::Load() {
    const QFileInfo info(path_);
    if (!info.exists()) return;  // a first start: no file yet

    const auto fail = [this](const QString& reason) {
        loadError_ = QStringLiteral("The settings file %1 could not be read (%2); the defaults are used.")
                         .arg(QDir::toNativeSeparators(path_), reason);
        lines_.clear();
        keepAside_ = true;
    };

    if (info.isDir()) return fail(QStringLiteral("it is a folder"));
    // Only a regular file is read: opening a pipe would wait for a writer,
    // and a device is no settings file.
    if (!info.isFile()) return fail(QStringLiteral("it is not a regular file"));
    if (info.size() > kMaxFileSize) return fail(QStringLiteral("it is too large to be a settings file"));
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    if (bytes.size() > kMaxFileSize) return fail(QStringLiteral("it is too large to be a settings file"));

    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF")) {
        bom_ = true;
        data = data.sliced(3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(data);
    if (decoder.hasError() || !IsTextFile(text)) return fail(QStringLiteral("it is not a text file"));

    if (text.contains(QStringLiteral("\r\n"))) lineEnd_ = QStringLiteral("\r\n");
    lines_ = text.split(u'\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();  // the final line end
    for (QString& line : lines_)
        if (line.endsWith(u'\r')) line.chop(1);
}

int SettingsFile::FindKey(const QString& key) const {
    const QString wanted = key.trimmed();
    bool inSection = false;
    for (int i = 0; i < lines_.size(); ++i) {
        const QString name = SectionName(lines_[i]);
        if (!name.isEmpty()) {
            inSection = name.compare(section_, Qt::CaseInsensitive) == 0;
            continue;
        }
        // The first occurrence wins, as in every INI reader.
        if (inSection && LineKey(lines_[i]).compare(wanted, Qt::CaseInsensitive) == 0 && !wanted.isEmpty())
            return i;
    }
    return -1;
}

QString SettingsFile::Read(const QString& key) const {
    const int i = FindKey(key);
    if (i < 0) return {};
    const QString& line = lines_[i];
    return line.mid(line.indexOf(u'=') + 1);
}

QStringList SettingsFile::Keys() const {
    QStringList keys;
    bool inSection = false;
    for (const QString& line : lines_) {
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
        writeError_ = QStringLiteral("\"%1\" cannot be used as a settings key.").arg(key);
        return false;
    }
    if (!FitsOnALine(value)) {
        writeError_ = QStringLiteral("The value of %1 cannot be stored: it holds a line break or a control character.").arg(k);
        return false;
    }

    const int at = FindKey(k);
    if (at >= 0) {
        // Keep the key as the file spells it, and whatever stands around it.
        QString& line = lines_[at];
        line = line.left(line.indexOf(u'=') + 1) + value;
    } else {
        const QString newLine = k + u'=' + value;
        int header = -1;
        for (int i = 0; i < lines_.size() && header < 0; ++i)
            if (SectionName(lines_[i]).compare(section_, Qt::CaseInsensitive) == 0) header = i;
        if (header < 0) {
            if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) lines_ << QString();
            lines_ << u'[' + section_ + u']' << newLine;
        } else {
            // After the section's last entry, before the blank lines that
            // separate it from the next section.
            int end = header + 1;
            while (end < lines_.size() && SectionName(lines_[end]).isEmpty()) ++end;
            int insertAt = end;
            while (insertAt > header + 1 && lines_[insertAt - 1].trimmed().isEmpty()) --insertAt;
            lines_.insert(insertAt, newLine);
        }
    }
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
    QFile original(target);
    if (!original.copy(copy)) {
        writeError_ = QStringLiteral("The settings could not be saved to %1: the unreadable file there could "
                                     "not be copied aside first (%2).")
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
        writeError_ = QStringLiteral("The settings could not be saved to %1: %2.").arg(shown, why);
        return QString();
    };
    if (info.isSymLink()) {
        // The link stays; what it points to gets the new contents, if that
        // is an ordinary file. Anything else is not ours to replace.
        const QString target = info.canonicalFilePath();
        if (target.isEmpty()) return refuse(QStringLiteral("it is a link to %1, which does not exist").arg(info.symLinkTarget()));
        if (!QFileInfo(target).isFile())
            return refuse(QStringLiteral("it is a link to %1, which is not an ordinary file")
                              .arg(QDir::toNativeSeparators(target)));
        return target;
    }
    if (info.isDir()) return refuse(QStringLiteral("a folder of that name is in the way"));
    if (info.exists() && !info.isFile()) return refuse(QStringLiteral("it is not an ordinary file"));
    return path_;
}

bool SettingsFile::Save() {
    const QString target = WriteTarget();
    if (target.isEmpty()) return false;
    if (keepAside_) {
        if (!KeepBadFileAside(target)) return false;
        keepAside_ = false;
    }

    const QString dir = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(dir)) {
        writeError_ = QStringLiteral("The settings could not be saved to %1: its folder could not be made.")
                          .arg(QDir::toNativeSeparators(path_));
        return false;
    }

    QByteArray bytes;
    if (bom_) bytes += "\xEF\xBB\xBF";
    for (const QString& line : lines_) bytes += (line + lineEnd_).toUtf8();

    QSaveFile file(target);
    const auto fail = [this, &file]() {
        writeError_ = QStringLiteral("The settings could not be saved to %1: %2.")
                          .arg(QDir::toNativeSeparators(path_), file.errorString());
        file.cancelWriting();
        return false;
    };
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail();
    if (file.write(bytes) != bytes.size()) return fail();
    if (!file.commit()) return fail();
    writeError_.clear();
    return true;
}

QString DefaultSettingsPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty()) dir = QDir::homePath() + QStringLiteral("/.config");
    return dir + QStringLiteral("/OxlZarvel2.ini");
}

}  // namespace zarvel
