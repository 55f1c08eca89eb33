#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>
#include <optional>

#include "StoredNumber.h"

namespace zarvel {

namespace {

constexpr int kErrFileNotFound = 53;
constexpr int kErrDiskFull = 61;
constexpr int kErrPathFileAccess = 75;

// Numbers as the settings use them: the stored number, rounded, when it
// fits the value's type; nothing when it does not.
std::optional<long> StoredInt16(const QString& text) {
    return RoundedInRange(StoredNumber(text.toStdString()), -32768, 32767);
}
std::optional<long> StoredByte(const QString& text) {
    return RoundedInRange(StoredNumber(text.toStdString()), 0, 255);
}
// A Boolean is "not 0"; a number too large to hold is unusable and takes
// the key's default.
bool StoredBool(const QString& text, bool fallback) {
    const double v = StoredNumber(text.toStdString());
    if (!std::isfinite(v)) return fallback;
    return v != 0;
}

std::string SoundPath(const SettingsFile& file, const char* key, const QString& tempPath, const char* fileName) {
    const QString stored = file.Read(QLatin1String(key));
    return (stored.isEmpty() ? tempPath + QLatin1String(fileName) : stored).toStdString();
}

}  // namespace

const CarriedFile kCarriedFiles[20] = {
    {101, "11d.wav"},      {102, "33d.wav"},      {103, "moveit.wav"},   {104, "passem1.wav"},
    {105, "passem2.wav"},  {106, "bust.wav"},     {107, "undo.wav"},     {108, "gameover.wav"},
    {109, "overtop.wav"},  {201, "2xuvsk1.jpg"},  {202, "2xuvsk2.jpg"},  {203, "2xuvsk3.jpg"},
    {204, "2xuvsk4.jpg"},  {205, "2xuvsk5.jpg"},  {206, "2xuvsk6.jpg"},  {207, "2xuvsk7.jpg"},
    {208, "2xuvsk8.jpg"},  {209, "2xuvsk9.jpg"},  {210, "2xuvsk10.jpg"}, {211, "2xuvsk11.jpg"},
};

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
        if (ExtractResource(f.id, QStringLiteral("CUSTOM"), tempPath + QLatin1String(f.fileName)) != 0) ++failed;
    return failed;
}

void ReadSettings(const SettingsFile& file, Settings& s, const QString& tempPath) {
    s.TempPath = tempPath.toStdString();

    s.ZarvelSound = SoundPath(file, "ZarvelSound", tempPath, "bust.wav");
    s.OneDieSound = SoundPath(file, "OneDieSound", tempPath, "11d.wav");
    s.MultiDieSound = SoundPath(file, "MultiDieSound", tempPath, "33d.wav");
    s.MoveDieSound = SoundPath(file, "MoveDieSound", tempPath, "moveit.wav");
    s.Passem1Sound = SoundPath(file, "Passem1Sound", tempPath, "passem1.wav");
    s.Passem2Sound = SoundPath(file, "Passem2Sound", tempPath, "passem2.wav");
    s.UndoSound = SoundPath(file, "UndoSound", tempPath, "undo.wav");
    s.GameOverSound = SoundPath(file, "GameOverSound", tempPath, "gameover.wav");

    const auto dieColor = StoredInt16(file.Read(QStringLiteral("DieColor")));
    s.DieColor = dieColor && *dieColor != 0 ? static_cast<int>(*dieColor) : 100;

    const QString textColor = file.Read(QStringLiteral("TextColor"));
    s.TextColor = textColor.isEmpty() ? std::string("16777088") : textColor.toStdString();

    const auto playTo = StoredInt16(file.Read(QStringLiteral("PlayToScore")));
    s.PlayToScore = playTo && (*playTo == 5000 || *playTo == 10000) ? static_cast<int>(*playTo) : 5000;

    const auto breakIn = StoredInt16(file.Read(QStringLiteral("BreakInScore")));
    s.BreakInScore = breakIn && (*breakIn == 500 || *breakIn == 1000) ? static_cast<int>(*breakIn) : 500;

    s.SoundFXOFF = StoredBool(file.Read(QStringLiteral("SoundFXOFF")), false);

    // Only 0, 1 and 2 name a speed; any other byte is kept as stored.
    const auto fast = StoredByte(file.Read(QStringLiteral("ComputerFast")));
    s.ComputerFast = fast ? static_cast<int>(*fast) : 0;

    s.SortDice = StoredBool(file.Read(QStringLiteral("SortDice")), false);

    const QString mark = file.Read(QStringLiteral("MarkScorers"));
    s.MarkScorers = mark.isEmpty() ? true : StoredBool(mark, true);
}

QString StartupBackground(SettingsFile& file, const QString& tempPath, QImage* picture) {
    const QString key = QStringLiteral("Background");
    // Only a full path is stored: one relative to today's folder would be
    // lost from any other.
    if (file.Read(key).isEmpty() && QDir::isAbsolutePath(tempPath))
        file.Write(key, tempPath + QStringLiteral("2xuvsk9.jpg"));
    const QString path = file.Read(key);

    if (picture) *picture = QImage();
    if (path.isEmpty() || !QFileInfo(path).isFile()) return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    if (picture) *picture = image;
    return path;
}

}  // namespace zarvel
