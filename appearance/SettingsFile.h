// The settings file: one "Info" section of key = value lines, read whole at
// open and rewritten atomically on every write.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QPair>

namespace zarvel {

class SettingsFile {
public:
    // Opens (does not create) the file. A file that cannot be read or
    // parsed gives empty values, a message in loadError(), and is copied
    // aside (".bad" beside it) before anything overwrites it.
    explicit SettingsFile(const QString& path, const QString& section = QStringLiteral("Info"));

    const QString& path() const { return path_; }
    QString loadError() const { return loadError_; }

    // "" when the key is absent.
    QString Read(const QString& key) const;
    // Each write replaces the whole file through a temporary file, so a
    // failed write leaves the previous file intact. False when it failed.
    bool Write(const QString& key, const QString& value);
    bool WriteNumber(const QString& key, int value);
    bool WriteBool(const QString& key, bool value);  // "-1" for true, "0" for false

    // Keys of the section, in file order.
    QStringList Keys() const;

private:
    // (implementation's own members)
    QString path_;
    QString section_;
    QString loadError_;
    QStringList lines_;  // the whole file, other sections and unknown keys kept
};

// "OxlZarvel2.ini" in the user's config directory (honours XDG_CONFIG_HOME).
QString DefaultSettingsPath();

}  // namespace zarvel
