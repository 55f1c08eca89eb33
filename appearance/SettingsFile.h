// The settings file: one "Info" section of key = value lines, read whole at
// open and rewritten atomically on every write.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QPair>
#include <functional>

namespace zarvel {

class SettingsFile {
public:
    // Opens (does not create) the file. A file that cannot be read or
    // parsed gives empty values, a message in loadError(), and is copied
    // aside (".bad" beside it) before anything overwrites it.
    explicit SettingsFile(const QString& path, const QString& section = QStringLiteral("Info"));

    const QString& path() const { return path_; }
    QString loadError() const { return loadError_; }

    // "" when the key is absent. Keys compare without regard to case; the
    // value is the text after the first "=" exactly as it stands.
    QString Read(const QString& key) const;
    // Each write replaces the whole file through a temporary file, so a
    // failed write leaves the previous file intact. False when it failed.
    // Even then the value is kept for later reads of this run and goes to
    // disk with the next write that succeeds. A key or value that cannot be
    // stored on one line (line breaks, control characters, "=" in the key) is refused:
    // false, and nothing changes.
    bool Write(const QString& key, const QString& value);
    bool WriteNumber(const QString& key, int value);
    bool WriteBool(const QString& key, bool value);  // "-1" for true, "0" for false

    // Keys of the section, in file order.
    QStringList Keys() const;

    // Told when a write fails, with writeError(); told again only once a
    // write has worked since, so a run of failing writes is one message.
    std::function<void(const QString& message)> onWriteFailed;

    // Why the last write failed; "" after a write that worked.
    QString writeError() const { return writeError_; }
    // Where the unreadable file was copied before it was replaced; "" if
    // no copy was needed.
    QString backupPath() const { return backupPath_; }

private:
    void Load();
    // Index into lines_ of the key's line in the section, or -1.
    int FindKey(const QString& key) const;
    bool Save();
    // The file to replace: the path itself, or the ordinary file a link
    // there points to; "" (and writeError()) when neither may be replaced.
    QString WriteTarget();
    bool KeepBadFileAside(const QString& target);

    QString path_;
    QString section_;
    QString loadError_;
    QString writeError_;
    QString backupPath_;
    QStringList lines_;  // the whole file, other sections and unknown keys kept
    QString lineEnd_ = QStringLiteral("\n");
    bool bom_ = false;
    bool keepAside_ = false;  // the file on disk is not ours to overwrite unseen
    bool failureTold_ = false;
};

// "OxlZarvel2.ini" in the user's config directory (honours XDG_CONFIG_HOME).
QString DefaultSettingsPath();

}  // namespace zarvel
