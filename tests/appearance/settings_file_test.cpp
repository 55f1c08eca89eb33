#include <QFileInfo>
#include <QLockFile>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "SettingKeys.h"
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

// Two copies of the game, both started on the same file: each save changes
// only what that copy wrote, on top of what the other saved meanwhile.
TEST_F(SettingsFileTest, TwoCopiesAtOnceNeverUndoEachOther) {
    Put(path, "[Info]\nBackground=/pics/a.jpg\nTextColor=&HFF\n");
    SettingsFile a(path), b(path);
    Settings sa, sb;
    ReadSettings(a, sa, Path("run/"));
    ReadSettings(b, sb, Path("run/"));

    // A saves its options; B then saves its theme, its options untouched.
    sa.SortDice = true;
    sa.ComputerFast = 2;
    sa.MarkScorers = false;
    for (Key k : {Key::SoundFXOFF, Key::ComputerFast, Key::SortDice, Key::MarkScorers}) ASSERT_TRUE(WriteSetting(a, sa, k));
    sb.TextColor = "&HFFFF";
    for (Key k : {Key::TextColor, Key::DieColor, Key::SoundFXOFF, Key::ComputerFast, Key::SortDice, Key::MarkScorers})
        ASSERT_TRUE(WriteSetting(b, sb, k));
    ASSERT_TRUE(b.Write("Background", "/pics/a.jpg"));  // as it was: not written again

    const SettingsFile now(path);
    EXPECT_EQ(now.Read("SortDice"), "-1");
    EXPECT_EQ(now.Read("ComputerFast"), "2");
    EXPECT_EQ(now.Read("MarkScorers"), "0");
    EXPECT_EQ(now.Read("TextColor"), "&HFFFF");
    EXPECT_EQ(now.Read("Background"), "/pics/a.jpg");
    // Nobody changed the sound option: what the file lacks reads as it is.
    EXPECT_EQ(now.Keys().join(u' '), "Background TextColor ComputerFast SortDice MarkScorers");

    // A key B changes is B's, even one A saved.
    sb.SortDice = false;
    b.Write("Background", "/pics/b.jpg");
    ASSERT_TRUE(WriteSetting(b, sb, Key::SortDice));  // B read no SortDice: false is no change
    EXPECT_EQ(SettingsFile(path).Read("SortDice"), "-1");
    sb.SortDice = true;
    ASSERT_TRUE(WriteSetting(b, sb, Key::SortDice));
    sb.SortDice = false;
    ASSERT_TRUE(WriteSetting(b, sb, Key::SortDice));
    EXPECT_EQ(SettingsFile(path).Read("SortDice"), "0");
    EXPECT_EQ(SettingsFile(path).Read("Background"), "/pics/b.jpg");
    EXPECT_EQ(SettingsFile(path).Read("ComputerFast"), "2");
}

TEST_F(SettingsFileTest, AWriteWaitsForAnotherCopySavingAndThenCarriesItsValue) {
    SettingsFile f(path);
    f.lockWaitMs = 0;
    QStringList told;
    f.onWriteFailed = [&](const QString& why) { told << why; };
    {
        QLockFile other(path + ".lock");  // another copy, in the middle of its save
        ASSERT_TRUE(other.tryLock(0));
        EXPECT_FALSE(f.Write("SortDice", "-1"));
        EXPECT_FALSE(QFileInfo::exists(path));
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].contains("another copy")) << told[0].toStdString();
        EXPECT_EQ(f.Read("SortDice"), "-1");  // holds for this run
    }
    ASSERT_TRUE(f.Write("MarkScorers", "0"));
    EXPECT_EQ(Contents(path), "[Info]\nSortDice=-1\nMarkScorers=0\n");
    EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}

// The file grows only as far as the next start reads it.
TEST_F(SettingsFileTest, AWriteNeverMakesAFileTooLargeToRead) {
    constexpr int kLimit = 1024 * 1024;
    const QByteArray start = "[Info]\nPlayToScore=10000\n; " + QByteArray(kLimit - 40, 'x') + "\n";
    Put(path, start);
    ASSERT_LE(start.size(), kLimit);
    SettingsFile f(path);
    ASSERT_TRUE(f.loadError().isEmpty());
    QStringList told;
    f.onWriteFailed = [&](const QString& why) { told << why; };
    EXPECT_FALSE(f.Write("Background", "/a/path/long/enough/to/pass/the/limit.jpg"));
    EXPECT_EQ(Contents(path), start);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("1024 KB")) << told[0].toStdString();
    EXPECT_EQ(f.Read("Background"), "/a/path/long/enough/to/pass/the/limit.jpg");  // for this run
    // The refused value is not carried into later writes, which still fit.
    ASSERT_TRUE(f.Write("PlayToScore", "5000"));
    const SettingsFile next(path);
    EXPECT_TRUE(next.loadError().isEmpty());
    EXPECT_EQ(next.Read("PlayToScore"), "5000");
    EXPECT_EQ(next.Read("Background"), "");
}

TEST_F(SettingsFileTest, EveryKindOfLineEndIsReadAndKept) {
    for (const char* end : {"\r", "\n", "\r\n"}) {
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        const QByteArray e(end);
        Put(path, "[Info]" + e + "SortDice=-1" + e + "Background=/p/a.jpg" + e);
        SettingsFile f(path);
        EXPECT_EQ(f.Keys(), QStringList({"SortDice", "Background"}));
        EXPECT_EQ(f.Read("SortDice"), "-1");
        ASSERT_TRUE(f.Write("Background", "/p/b.jpg"));
        EXPECT_EQ(Contents(path), "[Info]" + e + "SortDice=-1" + e + "Background=/p/b.jpg" + e);
    }
}

// A character cut off at the end is a damaged file like any other: kept
// aside whole, not read with a byte missing.
TEST_F(SettingsFileTest, ACutOffCharacterMakesTheFileUnreadable) {
    const QByteArray cut = "[Info]\nUndoSound=/home/zo\xc3";
    Put(path, cut);
    SettingsFile f(path);
    EXPECT_FALSE(f.loadError().isEmpty());
    EXPECT_EQ(f.Read("UndoSound"), "");
    ASSERT_TRUE(f.Write("A", "1"));
    EXPECT_EQ(Contents(f.backupPath()), cut);
}

}  // namespace
}  // namespace zarvel
