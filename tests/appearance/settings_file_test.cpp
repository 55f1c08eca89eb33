#include <QFileInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "SettingsFile.h"
#include "TestEnv.h"

namespace zarvel {
namespace {

class SettingsFileTest : public test::TestEnv {
protected:
    const QString path = Path("OxlZarvel2.ini");
};

TEST_F(SettingsFileTest, EveryKindOfValueReadsBackInTheRunAndAfterReopening) {
    const QString nested = Path("nested/dir/OxlZarvel2.ini");  // folders made on the first write
    const QString sound = QString::fromUtf8("/home/zoë/my sounds/a=b.wav");
    {
        SettingsFile f(nested);
        EXPECT_TRUE(f.loadError().isEmpty());
        EXPECT_EQ(f.Read("PlayToScore"), "");
        ASSERT_TRUE(f.Write("ZarvelSound", sound));
        ASSERT_TRUE(f.Write("TextColor", "  &HFFFF80 "));
        ASSERT_TRUE(f.WriteNumber("DieColor", -32768));
        ASSERT_TRUE(f.WriteBool("SoundFXOFF", true));
        ASSERT_TRUE(f.WriteBool("SortDice", false));
        EXPECT_EQ(f.Read("soundfxoff"), "-1");
    }
    SettingsFile f(nested);
    EXPECT_EQ(f.Read("ZarvelSound"), sound);
    EXPECT_EQ(f.Read("TEXTCOLOR"), "  &HFFFF80 ");
    EXPECT_EQ(f.Read("DieColor"), "-32768");
    EXPECT_EQ(f.Read("SoundFXOFF"), "-1");
    EXPECT_EQ(f.Read("SortDice"), "0");
    EXPECT_EQ(f.Keys(), QStringList({"ZarvelSound", "TextColor", "DieColor", "SoundFXOFF", "SortDice"}));
    EXPECT_EQ(Contents(nested).left(7), "[Info]\n");
}

TEST_F(SettingsFileTest, OtherSectionsCommentsAndUnknownKeysSurviveARewrite) {
    Put(path, "\xEF\xBB\xBF; by hand\r\n[Other]\r\nPlayToScore=1\r\n\r\n[info]\r\nUnknown = kept\r\n"
              "PlayToScore = 7000\r\nPlayToScore=9\r\n\r\n[Last]\r\nx=y\r\n");
    SettingsFile f(path);
    EXPECT_EQ(f.Read("PlayToScore"), " 7000");  // the section's first entry, as written
    EXPECT_EQ(f.Read("x"), "");
    ASSERT_TRUE(f.WriteNumber("PlayToScore", 10000));
    ASSERT_TRUE(f.WriteBool("MarkScorers", false));
    EXPECT_EQ(Contents(path), "\xEF\xBB\xBF; by hand\r\n[Other]\r\nPlayToScore=1\r\n\r\n[info]\r\nUnknown = kept\r\n"
                              "PlayToScore =10000\r\nPlayToScore=9\r\nMarkScorers=0\r\n\r\n[Last]\r\nx=y\r\n");

    Put(path, "[Other]\nA=1");  // no section of ours, no final line end
    SettingsFile g(path);
    ASSERT_TRUE(g.Write("Background", "(None)"));
    EXPECT_EQ(Contents(path), "[Other]\nA=1\n\n[Info]\nBackground=(None)\n");
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileAndSaysSo) {
    const QByteArray old = "[Info]\nA=1\n";
    Put(path, old);
    SettingsFile f(path);
    {
        test::FileSizeLimit full(old.size() + 2);
        EXPECT_FALSE(f.Write("Background", "/a/long/path/that/does/not/fit.jpg"));
    }
    EXPECT_EQ(Contents(path), old);
    EXPECT_FALSE(f.writeError().isEmpty());
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"OxlZarvel2.ini"});  // no stray temp file
    // The value holds for this run and reaches the disk with the next write.
    EXPECT_EQ(f.Read("Background"), "/a/long/path/that/does/not/fit.jpg");
    ASSERT_TRUE(f.Write("B", "2"));
    EXPECT_EQ(SettingsFile(path).Read("Background"), "/a/long/path/that/does/not/fit.jpg");

    Put(Path("blocker"), "a file where the folder should be");
    EXPECT_FALSE(SettingsFile(Path("blocker/OxlZarvel2.ini")).Write("A", "1"));
}

TEST_F(SettingsFileTest, LinesThatWouldBreakTheFileAreRefused) {
    SettingsFile f(path);
    ASSERT_TRUE(f.Write("A", "1"));
    const QByteArray before = Contents(path);
    for (const QString& value : {QString("2\n[Info]\nPlayToScore=10000"), QString("2\r"), QString("\x01"),
                                 QString("2") + QChar(0)})
        EXPECT_FALSE(f.Write("A", value));
    for (const char* key : {"Key=", "", "[Info]", "; note"}) EXPECT_FALSE(f.Write(key, "1")) << key;
    EXPECT_EQ(f.Read("A"), "1");
    EXPECT_EQ(Contents(path), before);
}

TEST_F(SettingsFileTest, AnUnreadableFileGivesDefaultsAMessageAndIsKeptAside) {
    const QByteArray junks[] = {QByteArray("[Info]\nPlayToScore=10000\n\0\x01\xff", 28),
                                QByteArray("[Info]\nTextColor=\xc3\x28\n")};  // invalid UTF-8
    for (const QByteArray& junk : junks) {
        Put(path, junk);
        Put(path + ".bad", "an earlier copy");
        SettingsFile f(path);
        EXPECT_TRUE(f.loadError().contains(path) && f.loadError().contains("defaults")) << f.loadError().toStdString();
        EXPECT_TRUE(f.Keys().isEmpty());
        EXPECT_EQ(Contents(path), junk);  // opening alone changes nothing

        ASSERT_TRUE(f.WriteNumber("PlayToScore", 5000));
        ASSERT_TRUE(f.WriteNumber("BreakInScore", 1000));  // copied once only
        EXPECT_EQ(f.backupPath(), path + ".bad1");
        EXPECT_EQ(Contents(path + ".bad1"), junk);
        EXPECT_EQ(Contents(path + ".bad"), "an earlier copy");
        EXPECT_EQ(Contents(path), "[Info]\nPlayToScore=5000\nBreakInScore=1000\n");
        QFile::remove(path + ".bad1");
    }
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileIsNeverTouchedAndToldOnce) {
    ASSERT_TRUE(QDir().mkpath(path));
    Put(path + "/inside", "x");
    SettingsFile f(path);
    QStringList told;
    f.onWriteFailed = [&](const QString& why) { told << why; };
    EXPECT_TRUE(f.loadError().contains("folder"));
    EXPECT_FALSE(f.Write("A", "1"));
    EXPECT_FALSE(f.Write("B", "2"));
    EXPECT_EQ(Contents(path + "/inside"), "x");
    EXPECT_EQ(f.Read("A"), "1");
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(path) && told[0].contains("folder")) << told[0].toStdString();

    // Once a write has worked, the next failure is told again.
    ASSERT_TRUE(QDir(path).removeRecursively());
    EXPECT_TRUE(f.Write("C", "3"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(f.Write("D", "4"));
    EXPECT_EQ(told.size(), 2);
}

// Only an ordinary file is read or replaced: a link to one has its target
// rewritten and stays a link; a pipe, a device or a link to either, or to
// nothing, is refused and left as it is.
TEST_F(SettingsFileTest, LinksPipesAndDevicesAreNeverReplaced) {
    Put(Path("real.ini"), "[Info]\nA=1\n");
    ASSERT_TRUE(QFile::link(Path("real.ini"), Path("to-real.ini")));
    SettingsFile linked(Path("to-real.ini"));
    EXPECT_EQ(linked.Read("A"), "1");
    ASSERT_TRUE(linked.Write("A", "2"));
    EXPECT_TRUE(QFileInfo(Path("to-real.ini")).isSymLink());
    EXPECT_EQ(Contents(Path("real.ini")), "[Info]\nA=2\n");

    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(Path("pipe"), Path("to-pipe.ini")));
    ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling.ini")));
    QStringList refused = {Path("pipe"), Path("to-pipe.ini"), Path("dangling.ini")};
    if (geteuid() == 0) {  // a device of our own, like /dev/null
        ASSERT_EQ(mknod(QFile::encodeName(Path("device")).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
        ASSERT_TRUE(QFile::link(Path("device"), Path("to-device.ini")));
        refused << Path("device") << Path("to-device.ini");
    }
    for (const QString& path : refused) {
        SCOPED_TRACE(path.toStdString());
        SettingsFile f(path);  // a pipe would wait here for a writer
        EXPECT_TRUE(f.Keys().isEmpty());
        EXPECT_FALSE(f.Write("A", "1"));
        EXPECT_TRUE(f.writeError().contains(path)) << f.writeError().toStdString();
        EXPECT_EQ(f.Read("A"), "1");  // kept for this run
    }
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(Path("pipe")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    if (geteuid() == 0) {
        ASSERT_EQ(stat(QFile::encodeName(Path("device")).constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
    EXPECT_FALSE(QFileInfo::exists(Path("nowhere")));
    EXPECT_TRUE(QDir(Path("")).entryList({"*.bad*"}, QDir::Files | QDir::System).isEmpty());
}

}  // namespace
}  // namespace zarvel
