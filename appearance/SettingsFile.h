// The settings file: one "Info" section of key = value lines, read whole at
// open and rewritten atomically on every write. Two copies of the game may
// run at once: each write re-reads the file under a lock and changes only
// the keys this copy has written, so neither undoes what the other saved.
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
    // false, and nothing changes. A value this copy already holds for the
    // key is not written again: another copy may have saved its own since.
    // A write that would make the file larger than the game reads is
    // refused; the value then holds for this run only.
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

    // How long a write waits for another copy of the game to finish
    // saving before it gives up.
    int lockWaitMs = 5000;

    // The contents of a settings file as lines, with the way they were
    // written (line ends, byte order mark), so a rewrite keeps them.
    struct Text {
        QStringList lines;
        QString lineEnd = QStringLiteral("\n");
        bool bom = false;
    };

private:
    void Load();
    // The bytes as a settings file, or false with the reason.
    static bool Parse(const QByteArray& bytes, Text* text, QString* reason);
    QByteArray Serialise(const Text& text) const;
    // Reads the file at target as it is now; false when it is there but
    // not a settings file this game reads (and then *bad is set).
    bool ReadNow(const QString& target, Text* text, bool* bad, QString* reason) const;
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
    Text text_;  // this copy's view: the file at start and its own writes
    // Keys written but not yet on disk, with their values, in order.
    QList<QPair<QString, QString>> pending_;
    bool failureTold_ = false;
};

// "OxlZarvel2.ini" in the user's config directory (honours XDG_CONFIG_HOME).
QString DefaultSettingsPath();

}  // namespace zarvel
