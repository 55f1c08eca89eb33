#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <cmath>
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
    QString dir = QDir::tempPath();
    if (dir.isEmpty()) return {};
    if (!dir.endsWith(u'/')) dir += u'/';
    return dir;
}

int ExtractResource(int id, const QString& type, const QString& path) {
    if (type.compare(QLatin1String("CUSTOM"), Qt::CaseInsensitive) != 0) return kErrFileNotFound;
    QFile resource(QStringLiteral(":/custom/%1").arg(id));
    if (!resource.open(QIODevice::ReadOnly)) return kErrFileNotFound;
    const QByteArray bytes = resource.readAll();
    if (path.isEmpty()) return kErrPathFileAccess;

    // Written whole through a temporary file: the file ends up exactly the
    // resource (a longer earlier file leaves no tail behind), and a failed
    // write leaves the earlier file as it was.
    QSaveFile out(path);
    // Unbuffered, so a short write (a full disk) shows in write()'s count.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return kErrPathFileAccess;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return kErrDiskFull;
    }
    if (!out.commit()) return out.error() == QFileDevice::WriteError ? kErrDiskFull : kErrPathFileAccess;
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
    if (file.Read(key).isEmpty()) file.Write(key, tempPath + QStringLiteral("2xuvsk9.jpg"));
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
