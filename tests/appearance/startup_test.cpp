#include <QImage>

#include <sys/stat.h>
#include <unistd.h>

#include "Startup.h"
#include "TestEnv.h"

namespace zarvel {
namespace {

class StartupTest : public test::TestEnv {
protected:
    static QByteArray Resource(int id) {
        QFile f(QStringLiteral(":/custom/%1").arg(id));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Settings ReadWith(const QString& key, const QString& stored) {
        SettingsFile file(DefaultSettingsPath());
        EXPECT_TRUE(file.Write(key, stored));
        Settings s;
        s.PlayToScore = s.BreakInScore = s.DieSkin = s.ComputerFast = -1;  // show what was filled
        ReadSettings(SettingsFile(DefaultSettingsPath()), s, GetTempDir());
        return s;
    }
};

TEST_F(StartupTest, FirstStartWithoutASettingsFile) {
    const QString temp = GetTempDir();
    ASSERT_EQ(temp, tempDir + "/");
    EXPECT_EQ(ExtractAllResources(temp), 0);
    for (const CarriedFile& f : kCarriedFiles) {
        ASSERT_FALSE(Resource(f.id).isEmpty()) << f.id;
        EXPECT_EQ(Contents(temp + f.name), Resource(f.id)) << f.name;
    }

    SettingsFile file(DefaultSettingsPath());
    Settings s;
    ReadSettings(file, s, temp);
    const std::string t = temp.toStdString();
    EXPECT_EQ(s.TempPath, t);
    const std::pair<std::string Settings::*, const char*> sounds[] = {
        {&Settings::ZarvelSound, "bust.wav"},       {&Settings::OneDieSound, "11d.wav"},
        {&Settings::MultiDieSound, "33d.wav"},      {&Settings::MoveDieSound, "moveit.wav"},
        {&Settings::Passem1Sound, "passem1.wav"},   {&Settings::Passem2Sound, "passem2.wav"},
        {&Settings::UndoSound, "undo.wav"},         {&Settings::GameOverSound, "gameover.wav"}};
    for (const auto& [member, name] : sounds) EXPECT_EQ(s.*member, t + name);
    EXPECT_EQ(s.DieSkin, 100);
    EXPECT_EQ(s.TextColor, "16777088");
    EXPECT_TRUE(s.PlayToScore == 5000 && s.BreakInScore == 500 && s.ComputerFast == 0);
    EXPECT_TRUE(!s.SoundFXOFF && !s.SortDice && s.MarkScorers);

    QImage picture;
    EXPECT_EQ(StartupBackground(file, temp, &picture), temp + "2xuvsk9.jpg");
    EXPECT_FALSE(picture.isNull());
    const SettingsFile reopened(DefaultSettingsPath());
    EXPECT_EQ(reopened.Keys(), QStringList{"Background"});
    EXPECT_EQ(reopened.Read("Background"), temp + "2xuvsk9.jpg");
}

TEST_F(StartupTest, StoredValuesAreCorrectedOrTakeTheDefault) {
    EXPECT_EQ(ReadWith("PlayToScore", "7000").PlayToScore, 5000);
    EXPECT_EQ(ReadWith("PlayToScore", " 1 0000 ").PlayToScore, 10000);
    EXPECT_EQ(ReadWith("PlayToScore", "99999").PlayToScore, 5000);  // does not fit: no failure
    EXPECT_EQ(ReadWith("BreakInScore", "0").BreakInScore, 500);
    EXPECT_EQ(ReadWith("BreakInScore", "&H3E8").BreakInScore, 1000);
    EXPECT_EQ(ReadWith("DieColor", "0.4").DieSkin, 100);
    EXPECT_EQ(ReadWith("DieColor", "-7").DieSkin, -7);  // not a skin, used unchanged
    EXPECT_EQ(ReadWith("DieColor", "40000").DieSkin, 100);
    // The ends of a stored 16-bit number are kept; one past them is unusable.
    EXPECT_EQ(ReadWith("DieColor", "-32768").DieSkin, -32768);
    EXPECT_EQ(ReadWith("DieColor", "32767").DieSkin, 32767);
    EXPECT_EQ(ReadWith("DieColor", "-32769").DieSkin, 100);
    EXPECT_EQ(ReadWith("DieColor", "32768").DieSkin, 100);
    EXPECT_EQ(ReadWith("ComputerFast", "2.5").ComputerFast, 2);
    EXPECT_EQ(ReadWith("ComputerFast", "7").ComputerFast, 7);
    EXPECT_EQ(ReadWith("ComputerFast", "300").ComputerFast, 0);
    EXPECT_TRUE(ReadWith("SoundFXOFF", "-1").SoundFXOFF);
    EXPECT_TRUE(ReadWith("SoundFXOFF", "0.25").SoundFXOFF);
    EXPECT_FALSE(ReadWith("SoundFXOFF", "1e999").SoundFXOFF);  // unusable: the default
    EXPECT_TRUE(ReadWith("SortDice", "1").SortDice);
    EXPECT_FALSE(ReadWith("MarkScorers", "0").MarkScorers);
    EXPECT_TRUE(ReadWith("MarkScorers", "").MarkScorers);
    EXPECT_EQ(ReadWith("TextColor", "&H80FF").TextColor, "&H80FF");
    EXPECT_EQ(ReadWith("UndoSound", "/music/my undo.wav").UndoSound, "/music/my undo.wav");
}

TEST_F(StartupTest, ASecondStartWritesEveryFileAgain) {
    const QString temp = GetTempDir();
    ASSERT_EQ(ExtractAllResources(temp), 0);
    Put(temp + "undo.wav", "changed");
    Put(temp + "2xuvsk4.jpg", QByteArray(100000, 'x'));  // longer than the resource
    QFile::remove(temp + "bust.wav");
    EXPECT_EQ(ExtractAllResources(temp), 0);
    EXPECT_EQ(Contents(temp + "undo.wav"), Resource(107));
    EXPECT_EQ(Contents(temp + "2xuvsk4.jpg"), Resource(204));
    EXPECT_EQ(Contents(temp + "bust.wav"), Resource(106));
}

TEST_F(StartupTest, AFailedWriteLeavesTheEarlierFile) {
    EXPECT_EQ(ExtractAllResources(Path("no/such/folder/")), 20);
    const QString target = Path("11d.wav");
    Put(target, "old");
    {
        test::FileSizeLimit full(4);
        EXPECT_NE(ExtractResource(101, "CUSTOM", target), 0);
    }
    EXPECT_EQ(Contents(target), "old");
}

TEST_F(StartupTest, PathsAndNames) {
    // A TMPDIR that names no usable folder gives the system's, never the
    // folder the game was started from.
    for (const QByteArray& bad : {Path("other").toUtf8(), QByteArray("relative/tmp")}) {
        qputenv("TMPDIR", bad);
        EXPECT_EQ(GetTempDir(), "/tmp/") << bad.constData();
    }
    qputenv("TMPDIR", Path("other").toUtf8());
    ASSERT_TRUE(QDir().mkpath(Path("other")));
    EXPECT_EQ(GetTempDir(), Path("other") + "/");
    EXPECT_EQ(DefaultSettingsPath(), configDir + "/OxlZarvel2.ini");

    EXPECT_EQ(BaseName("/pics/My.Cat.jpg"), "My");
    EXPECT_EQ(BaseName("/a.b/c"), "c");
    EXPECT_EQ(FileTitle("/pics/My.Cat.jpg"), "My.Cat.jpg");
    EXPECT_EQ(FileTitle("/pics/"), "");
}

TEST_F(StartupTest, BackgroundIsShownOnlyWhenItNamesAPicture) {
    const QString temp = GetTempDir();
    SettingsFile file(DefaultSettingsPath());
    Put(Path("notes.jpg"), "not a picture");
    for (const QString& stored : {QString("(None)"), Path("removed.jpg"), Path(""), Path("notes.jpg")}) {
        ASSERT_TRUE(file.Write("Background", stored));
        QImage picture(1, 1, QImage::Format_RGB32);
        EXPECT_EQ(StartupBackground(file, temp, &picture), "") << stored.toStdString();
        EXPECT_TRUE(picture.isNull());
        EXPECT_EQ(file.Read("Background"), stored);  // only an empty value is replaced
    }

    // The format comes from the data: the carried GIF under its JPEG name.
    ASSERT_TRUE(Resource(kGifBackground).startsWith("GIF8"));
    Put(Path("2xuvsk4.jpg"), Resource(kGifBackground));
    ASSERT_TRUE(file.Write("Background", Path("2xuvsk4.jpg")));
    QImage picture;
    EXPECT_EQ(StartupBackground(file, temp, &picture), Path("2xuvsk4.jpg"));
    EXPECT_FALSE(picture.isNull());
}

mode_t ModeOf(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

// The carried files never go where another user of the machine could have
// put files under their names first.
TEST_F(StartupTest, TheCarriedFilesGoIntoAFolderOfThisUserAlone) {
    const QString mine = QStringLiteral("zarvel-%1").arg(geteuid());
    EXPECT_EQ(CarriedFilesFolder(), runtimeDir + "/zarvel/");
    EXPECT_EQ(ModeOf(runtimeDir + "/zarvel") & 0777, 0700u);

    // A runtime folder others may enter is not the session's own.
    ASSERT_EQ(chmod(QFile::encodeName(runtimeDir).constData(), 0755), 0);
    EXPECT_EQ(CarriedFilesFolder(), tempDir + "/" + mine + "/");
    EXPECT_EQ(ModeOf(tempDir + "/" + mine) & 0777, 0700u);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(CarriedFilesFolder(), tempDir + "/" + mine + "/");
    // A folder of this user's that others may enter is closed first.
    ASSERT_EQ(chmod(QFile::encodeName(tempDir + "/" + mine).constData(), 0777), 0);
    EXPECT_EQ(CarriedFilesFolder(), tempDir + "/" + mine + "/");
    EXPECT_EQ(ModeOf(tempDir + "/" + mine) & 0777, 0700u);

    // The name taken by a link, or by another user's folder: a folder of a
    // name no one can foresee, the same one at the next start.
    ASSERT_TRUE(QDir(tempDir + "/" + mine).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(Path("elsewhere")));
    ASSERT_TRUE(QFile::link(Path("elsewhere"), tempDir + "/" + mine));
    const QString other = CarriedFilesFolder();
    EXPECT_TRUE(other.startsWith(tempDir + "/" + mine + "-")) << other.toStdString();
    EXPECT_EQ(ModeOf(other.chopped(1)) & 0777, 0700u);
    EXPECT_EQ(CarriedFilesFolder(), other);
    EXPECT_EQ(ExtractAllResources(other), 0);
    EXPECT_TRUE(QDir(Path("elsewhere")).isEmpty());
    if (geteuid() == 0) {
        ASSERT_TRUE(QFile::remove(tempDir + "/" + mine));
        ASSERT_TRUE(QDir().mkpath(tempDir + "/" + mine));
        ASSERT_EQ(chown(QFile::encodeName(tempDir + "/" + mine).constData(), 12345, 12345), 0);
        ASSERT_EQ(chmod(QFile::encodeName(tempDir + "/" + mine).constData(), 0700), 0);
        EXPECT_EQ(CarriedFilesFolder(), other);
    }
}

// Settings files of earlier versions name the carried files in the shared
// temporary folder: they find the carried ones again, never a file someone
// else put there.
TEST_F(StartupTest, AStoredPathToACarriedFilesOldPlaceFindsItByName) {
    const QString folder = CarriedFilesFolder();
    ASSERT_EQ(ExtractAllResources(folder), 0);
    const QString shared = tempDir + "/";
    Put(shared + "2xuvsk9.jpg", "planted by someone else");
    Put(shared + "undo.wav", "planted by someone else");
    for (const QString& old : {shared, QString("/tmp/"), tempDir + "/zarvel-0-Ab12Cd/"})
        EXPECT_EQ(CarriedFileNow(old + "undo.wav", folder), folder + "undo.wav") << old.toStdString();
    for (const QString& other : {QString("/home/me/Background/2xuvsk9.jpg"), shared + "mine.wav", QString("(None)"),
                                 folder + "bust.wav", QString()})
        EXPECT_EQ(CarriedFileNow(other, folder), other) << other.toStdString();

    SettingsFile file(DefaultSettingsPath());
    ASSERT_TRUE(file.Write("Background", shared + "2xuvsk9.jpg"));
    ASSERT_TRUE(file.Write("UndoSound", shared + "undo.wav"));
    QImage picture;
    EXPECT_EQ(StartupBackground(file, folder, &picture), folder + "2xuvsk9.jpg");
    EXPECT_FALSE(picture.isNull());
    Settings s;
    ReadSettings(file, s, folder);
    EXPECT_EQ(s.UndoSound, (folder + "undo.wav").toStdString());
    EXPECT_EQ(file.Read("Background"), shared + "2xuvsk9.jpg");  // the file itself is left as it was
}

}  // namespace
}  // namespace zarvel
